// The rational B-spline surface through the vertex net: the chine-expanded
// working net, the knot vectors, point and grid evaluation, and the extents.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/hull_design.h"

namespace skelmora {

constexpr int kMaxKnots = 201;
constexpr int kMaxDegree = kMaxIndex;  // a tension never exceeds the net
constexpr int kGridSize = kMaxDivisions + 1;  // 201

struct SurfacePoint {
  double u = 0.0;
  double v = 0.0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

struct WorkingNet {
  VertexNet net{};
  int32_t lastColumn = 0;  // Cw
  int32_t lastRow = 0;     // Rw
};

// Knots are single precision; the degrees are the ones the knots were built
// with, which is what the evaluator reads.
struct KnotVectors {
  std::array<float, kMaxKnots> u{};
  std::array<float, kMaxKnots> v{};
  int32_t lastColumn = 0;  // n for U
  int32_t lastRow = 0;     // n for V
  int32_t degreeU = 1;     // p
  int32_t degreeV = 1;     // q
};

struct HullExtents {
  double hullLength = 0.0;   // largest y
  double halfBreadth = 0.0;  // largest x
  double highestZ = -1000000.0;
  double lowestZ = 1000000.0;
  double depth = 0.0;
  double smallestY = 0.0;  // forward end of the grid; the station origin starts here
};

// The vertex-net boxes each planar view fits, and the perspective's projected box.
struct ViewFitBoxes {
  double X0 = 0, X1 = 0, Z0 = 0, Z1 = 0;      // body: x, z
  double PY0 = 0, PY1 = 0, PX0 = 0, PX1 = 0;  // plan: y, x
  double FY0 = 0, FY1 = 0, FZ0 = 0, FZ1 = 0;  // profile: y, z
  double QX0 = 0, QX1 = 0, QY0 = 0, QY1 = 0;  // perspective: projected X, Y
};

// [i][j] with i along u (0..ColumnDivisions) and j along v; stride 201.
using SurfaceGrid = std::array<std::array<SurfacePoint, kGridSize>, kGridSize>;

// Everything derived from the design's net; about 1.7 MB, so allocate it
// on the heap (std::make_unique<Surface>()).
struct Surface {
  WorkingNet working;
  KnotVectors knots;
  SurfaceGrid grid;
  int32_t columnDivisions = 50;  // the divisions the grid was evaluated with
  int32_t rowDivisions = 50;
  HullExtents extents;
  ViewFitBoxes fit;
  // What the knots and the grid were made from (ShapeKey, TopologyKey), so
  // that a surface older than the net can be told apart.
  uint64_t knotsKey = 0;
  uint64_t gridKey = 0;
};

int FindKnotSpan(int n, int degree, const float* knots, double t);

// The degree + 1 non-zero basis values at t into basis[0..degree].
void BasisFunctions(int span, double t, int degree, const float* knots, double* basis);

SurfacePoint EvaluateSurfacePoint(const Surface& surface, double u, double v);

// Fingerprints of what the surface is made from: the counts, tensions and
// chines (the knots), and those with the used part of the net (the grid).
uint64_t TopologyKey(const HullDesign& design);
uint64_t ShapeKey(const HullDesign& design);
// The knots and the grid were made from the design as it is now.
bool SurfaceIsCurrent(const HullDesign& design, const Surface& surface);
// Debug builds stop when a calculation reads a surface older than the net:
// an edit that did not regenerate. Release builds check nothing.
#ifdef NDEBUG
inline void ExpectCurrentSurface(const HullDesign&, const Surface&) {}
#else
void ExpectCurrentSurface(const HullDesign& design, const Surface& surface);
#endif

// Points along one parameter line of the surface (v fixed when alongU, else
// u fixed), bit-identical to EvaluateSurfacePoint, for the bisections of the
// cuts, which evaluate many points on one edge: the fixed direction's span
// and basis are found once, and along v each row's u-sum is made once.
class IsoParameterCurve {
 public:
  IsoParameterCurve(const Surface& surface, bool alongU, double fixed);
  SurfacePoint At(double t);

 private:
  struct RowPartialStore {
    double x, y, z, w;
  };
  const Surface& surface_;
  bool alongU_;
  double fixed_;
  int fixedSpan_ = 0;
  double fixedBasis_[kMaxDegree + 1] = {};
  uint64_t lineDone_ = 0;  // bit r: lines_[r] is made
  RowPartialStore lines_[kNetSize];  // each row's u-sum at the fixed u
};

// The points at u = i / nu, v = j / nv (both ends included, divisions
// clamped to 1..200) into points[i * (nv + 1) + j], bit-identical to
// EvaluateSurfacePoint at the same parameters and several times faster.
void EvaluateSurfaceLattice(const Surface& surface, int nu, int nv,
                            std::vector<SurfacePoint>& points);


// Curvature at the middle of three plane points, radians per length unit.
double ThreePointCurvature(double a, double b, double c, double d, double e, double f);

// Perspective projection of a model point before scaling; sgn is +1 for the
// stored side and -1 for its mirror. The sines and cosines of the view
// angles are taken once, so a whole drawing or extents pass shares them.
struct ProjectedPoint {
  double X = 0.0;
  double Y = 0.0;
};
class PerspectiveProjection {
 public:
  PerspectiveProjection(const HullDesign& design, double hullLength);
  ProjectedPoint Project(double x, double y, double z, int sgn) const;

 private:
  double halfLength_;
  double cosE_, sinE_, cosA_, sinA_;
};
ProjectedPoint ProjectPerspective(const HullDesign& design, double hullLength, double x, double y,
                                  double z, int sgn);

}  // namespace skelmora
