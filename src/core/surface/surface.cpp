#include "surface/surface.h"

#include <algorithm>
#include <cassert>
#include <vector>
#include <cmath>
#include <cstring>

#include "surface/surface_build.h"

namespace skelmora {

namespace {


// Writes `copies` copies of source column a into dst columns starting at
// `dest`; never past column 50.
int CopyColumn(const VertexNet& src, int a, int rows, VertexNet& dst, int dest, int copies,
               bool unitWeight) {
  for (int k = 0; k < copies && dest <= kMaxIndex; ++k, ++dest) {
    for (int b = 0; b <= rows; ++b) {
      dst[dest][b] = src[a][b];
      if (unitWeight) dst[dest][b].w = 1.0f;
    }
  }
  return dest;
}

int CopyRow(const VertexNet& src, int b, int columns, VertexNet& dst, int dest, int copies,
            bool unitWeight) {
  for (int k = 0; k < copies && dest <= kMaxIndex; ++k, ++dest) {
    for (int a = 0; a <= columns; ++a) {
      dst[a][dest] = src[a][b];
      if (unitWeight) dst[a][dest].w = 1.0f;
    }
  }
  return dest;
}

// The degree a direction can carry: at least 1, at most its last index.
int EffectiveDegree(int degree, int lastIndex) {
  if (lastIndex <= 0) return 0;
  return std::clamp(degree, 1, lastIndex);
}

void BuildKnots(int n, int d, float* knots) {
  const float last = static_cast<float>(n - d + 1);
  for (int k = 0; k <= n + d + 1; ++k) {
    float knot;
    if (k <= d) {
      knot = 0.0f;
    } else if (k <= n) {
      knot = static_cast<float>(k - d);
    } else {
      knot = last;
    }
    knots[k] = knot / last;
  }
}

// The u-direction partial sums of one working row: the weighted x, y, z and
// the weight, combined with the u-basis of one parameter.
// Left uninitialised by default: the evaluators fill only the rows they use.
struct RowPartial {
  double x;
  double y;
  double z;
  double w;
};

RowPartial CombineRow(const VertexNet& net, int su, int p, const double* nu, int row) {
  RowPartial partial{0.0, 0.0, 0.0, 0.0};
  for (int k = 0; k <= p; ++k) {
    const Vertex& vertex = net[su - p + k][row];
    const double w = vertex.w;
    const double nw = nu[k] * w;
    partial.w += nw;
    partial.x += nw * vertex.x;
    partial.y += nw * vertex.y;
    partial.z += nw * vertex.z;
  }
  return partial;
}

// Combines the q + 1 row partials of a v-span, first being the span's
// lowest row. The point evaluator and the grid both sum in this order, so
// the grid is bit-identical to single points.
void CombineRows(const RowPartial* first, int q, const double* nv, SurfacePoint& out) {
  double x = 0.0, y = 0.0, z = 0.0, weight = 0.0;
  for (int l = 0; l <= q; ++l) {
    const RowPartial& partial = first[l];
    weight += nv[l] * partial.w;
    x += nv[l] * partial.x;
    y += nv[l] * partial.y;
    z += nv[l] * partial.z;
  }
  if (std::fabs(weight) < 1e-9) {
    out.x = out.y = out.z = 0.0;
  } else {
    out.x = x / weight;
    out.y = y / weight;
    out.z = z / weight;
  }
}

double GridParameter(int i, int divisions) {
  const double t = static_cast<double>(i) / divisions;
  return t > 1.0 ? 1.0 : t;
}

}  // namespace

void BuildWorkingNet(const HullDesign& design, Surface& surface) {
  WorkingNet& working = surface.working;
  const int columns = ClampIndex(design.LastColumn);
  const int rows = ClampIndex(design.LastRow);
  working.net = design.Net;
  working.lastColumn = columns;
  working.lastRow = rows;
  const int columnChines = std::clamp(design.ColumnChineCount, 0, kMaxChines);
  const int rowChines = std::clamp(design.RowChineCount, 0, kMaxChines);
  if (columnChines == 0 && rowChines == 0) return;

  if (columnChines > 0) {
    const int copies = std::clamp(design.WaterlineTension, 1, kMaxDegree);
    const VertexNet source = working.net;
    int dest = 0;
    int cursor = 0;
    for (int a = 0; a <= columns; ++a) {
      if (cursor < columnChines && a == design.ColumnChines[cursor]) {
        dest = CopyColumn(source, a, rows, working.net, dest, copies, true);
        ++cursor;
      } else {
        dest = CopyColumn(source, a, rows, working.net, dest, 1, false);
      }
    }
    working.lastColumn = dest - 1;
  }
  if (rowChines > 0) {
    const int copies = std::clamp(design.StationTension, 1, kMaxDegree);
    const VertexNet source = working.net;
    int dest = 0;
    int cursor = 0;
    for (int b = 0; b <= rows; ++b) {
      if (cursor < rowChines && b == design.RowChines[cursor]) {
        dest = CopyRow(source, b, working.lastColumn, working.net, dest, copies, true);
        ++cursor;
      } else {
        dest = CopyRow(source, b, working.lastColumn, working.net, dest, 1, false);
      }
    }
    working.lastRow = dest - 1;
  }
}

void BuildKnotVectors(const HullDesign& design, Surface& surface) {
  // The working net's counts are the one record of them: the knots always
  // match the net that was built.
  BuildWorkingNet(design, surface);
  KnotVectors& knots = surface.knots;
  knots.lastColumn = surface.working.lastColumn;
  knots.lastRow = surface.working.lastRow;
  knots.degreeU = EffectiveDegree(design.WaterlineTension, knots.lastColumn);
  knots.degreeV = EffectiveDegree(design.StationTension, knots.lastRow);
  BuildKnots(knots.lastColumn, knots.degreeU, knots.u.data());
  BuildKnots(knots.lastRow, knots.degreeV, knots.v.data());
  surface.knotsKey = TopologyKey(design);
}

namespace {

// FNV-style mixing, word by word; a fingerprint, not a checksum.
class KeyHasher {
 public:
  void Add(int64_t value) { Mix(static_cast<uint64_t>(value)); }
  void Add(const void* data, size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (; bytes >= 8; bytes -= 8, p += 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      Mix(word);
    }
    uint64_t tail = 0;
    std::memcpy(&tail, p, bytes);
    Mix(tail ^ bytes);
  }
  uint64_t value() const { return hash_; }

 private:
  void Mix(uint64_t word) {
    hash_ ^= word * 0x9E3779B97F4A7C15ULL;
    hash_ = ((hash_ << 27) | (hash_ >> 37)) * 0x100000001b3ULL;
  }
  uint64_t hash_ = 0xcbf29ce484222325ULL;
};

void AddTopology(KeyHasher& h, const HullDesign& design) {
  h.Add(design.LastColumn);
  h.Add(design.LastRow);
  h.Add(design.WaterlineTension);
  h.Add(design.StationTension);
  h.Add(design.ColumnChineCount);
  h.Add(design.RowChineCount);
  h.Add(design.ColumnChines.data(), sizeof(design.ColumnChines));
  h.Add(design.RowChines.data(), sizeof(design.RowChines));
}

}  // namespace

uint64_t TopologyKey(const HullDesign& design) {
  KeyHasher h;
  AddTopology(h, design);
  return h.value();
}

uint64_t ShapeKey(const HullDesign& design) {
  KeyHasher h;
  AddTopology(h, design);
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  // A column's used rows lie side by side (four floats a vertex).
  for (int c = 0; c <= lastColumn; ++c) {
    h.Add(design.Net[c].data(), sizeof(Vertex) * static_cast<size_t>(lastRow + 1));
  }
  return h.value();
}

bool SurfaceIsCurrent(const HullDesign& design, const Surface& surface) {
  return surface.knotsKey == TopologyKey(design) && surface.gridKey == ShapeKey(design);
}

#ifndef NDEBUG
void ExpectCurrentSurface(const HullDesign& design, const Surface& surface) {
  assert(SurfaceIsCurrent(design, surface) && "the surface is older than the net");
}
#endif

int FindKnotSpan(int n, int degree, const float* knots, double t) {
  if (t == knots[n + 1]) return n;
  // Outside [0, 1] (or NaN) the search below would not end; use the end spans.
  if (!(t >= knots[degree])) return degree;
  if (t > knots[n + 1]) return n;
  int low = degree;
  int high = n + 1;
  int mid = (low + high) / 2;
  while (t < knots[mid] || t >= knots[mid + 1]) {
    if (t < knots[mid]) {
      high = mid;
    } else {
      low = mid;
    }
    mid = (low + high) / 2;
  }
  return mid;
}

void BasisFunctions(int span, double t, int degree, const float* knots, double* basis) {
  double left[kMaxDegree + 1];
  double right[kMaxDegree + 1];
  basis[0] = 1.0;
  for (int j = 1; j <= degree; ++j) {
    left[j] = t - knots[span + 1 - j];
    right[j] = knots[span + j] - t;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      const double temp = basis[r] / (right[r + 1] + left[j - r]);
      basis[r] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    basis[j] = saved;
  }
}

SurfacePoint EvaluateSurfacePoint(const Surface& surface, double u, double v) {
  const KnotVectors& knots = surface.knots;
  double nu[kMaxDegree + 1];
  double nv[kMaxDegree + 1];
  const int su = FindKnotSpan(knots.lastColumn, knots.degreeU, knots.u.data(), u);
  BasisFunctions(su, u, knots.degreeU, knots.u.data(), nu);
  const int sv = FindKnotSpan(knots.lastRow, knots.degreeV, knots.v.data(), v);
  BasisFunctions(sv, v, knots.degreeV, knots.v.data(), nv);
  const int p = knots.degreeU;
  const int q = knots.degreeV;
  RowPartial partials[kMaxDegree + 1];
  for (int l = 0; l <= q; ++l) {
    partials[l] = CombineRow(surface.working.net, su, p, nu, sv - q + l);
  }
  SurfacePoint point;
  CombineRows(partials, q, nv, point);
  point.u = u;
  point.v = v;
  return point;
}

IsoParameterCurve::IsoParameterCurve(const Surface& surface, bool alongU, double fixed)
    : surface_(surface), alongU_(alongU), fixed_(fixed) {
  const KnotVectors& knots = surface.knots;
  if (alongU) {
    fixedSpan_ = FindKnotSpan(knots.lastRow, knots.degreeV, knots.v.data(), fixed);
    BasisFunctions(fixedSpan_, fixed, knots.degreeV, knots.v.data(), fixedBasis_);
  } else {
    fixedSpan_ = FindKnotSpan(knots.lastColumn, knots.degreeU, knots.u.data(), fixed);
    BasisFunctions(fixedSpan_, fixed, knots.degreeU, knots.u.data(), fixedBasis_);
  }
}

SurfacePoint IsoParameterCurve::At(double t) {
  const KnotVectors& knots = surface_.knots;
  const VertexNet& net = surface_.working.net;
  const int p = knots.degreeU;
  const int q = knots.degreeV;
  double basis[kMaxDegree + 1];
  SurfacePoint point;
  if (alongU_) {
    // The v-span's rows combined with this u's basis, as the point evaluator.
    const int su = FindKnotSpan(knots.lastColumn, p, knots.u.data(), t);
    BasisFunctions(su, t, p, knots.u.data(), basis);
    RowPartial partials[kMaxDegree + 1];
    for (int l = 0; l <= q; ++l) {
      partials[l] = CombineRow(net, su, p, basis, fixedSpan_ - q + l);
    }
    CombineRows(partials, q, fixedBasis_, point);
    point.u = t;
    point.v = fixed_;
  } else {
    // Every row's u-partial depends on the fixed u alone: each is made once.
    const int sv = FindKnotSpan(knots.lastRow, q, knots.v.data(), t);
    BasisFunctions(sv, t, q, knots.v.data(), basis);
    for (int row = sv - q; row <= sv; ++row) {
      if (!(lineDone_ >> row & 1)) {
        static_assert(sizeof(RowPartialStore) == sizeof(double) * 4);
        const auto partial = CombineRow(net, fixedSpan_, p, fixedBasis_, row);
        lines_[row] = RowPartialStore{partial.x, partial.y, partial.z, partial.w};
        lineDone_ |= uint64_t{1} << row;
      }
    }
    RowPartial partials[kMaxDegree + 1];
    for (int l = 0; l <= q; ++l) {
      const RowPartialStore& stored = lines_[sv - q + l];
      partials[l] = RowPartial{stored.x, stored.y, stored.z, stored.w};
    }
    CombineRows(partials, q, basis, point);
    point.u = fixed_;
    point.v = t;
  }
  return point;
}

namespace {

// Every point of the (nu + 1) x (nv + 1) lattice at u = i / nu, v = j / nv,
// handed to put(i, j, point). Spans and basis values are found once per
// column parameter and once per row parameter, and each lattice column
// combines its u-basis with every working row once (the tensor-product
// factorisation); the sums run in the single-point evaluator's order, so
// every point is bit-identical to EvaluateSurfacePoint.
template <typename Put>
void EvaluateLattice(const Surface& surface, int nu, int nv, Put put) {
  nu = std::clamp(nu, 1, kMaxDivisions);
  nv = std::clamp(nv, 1, kMaxDivisions);
  const KnotVectors& knots = surface.knots;
  const int p = knots.degreeU;
  const int q = knots.degreeV;
  static_assert(kGridSize * (kMaxDegree + 1) < 20000);
  int spanU[kGridSize];
  int spanV[kGridSize];
  double basisU[kGridSize][kMaxDegree + 1];
  double basisV[kGridSize][kMaxDegree + 1];
  for (int i = 0; i <= nu; ++i) {
    const double u = GridParameter(i, nu);
    spanU[i] = FindKnotSpan(knots.lastColumn, p, knots.u.data(), u);
    BasisFunctions(spanU[i], u, p, knots.u.data(), basisU[i]);
  }
  for (int j = 0; j <= nv; ++j) {
    const double v = GridParameter(j, nv);
    spanV[j] = FindKnotSpan(knots.lastRow, q, knots.v.data(), v);
    BasisFunctions(spanV[j], v, q, knots.v.data(), basisV[j]);
  }
  const VertexNet& net = surface.working.net;
  const int lastRow = std::clamp(knots.lastRow, 0, kMaxIndex);
  RowPartial partials[kNetSize];
  for (int i = 0; i <= nu; ++i) {
    for (int row = 0; row <= lastRow; ++row) {
      partials[row] = CombineRow(net, spanU[i], p, basisU[i], row);
    }
    const double u = GridParameter(i, nu);
    for (int j = 0; j <= nv; ++j) {
      SurfacePoint point;
      CombineRows(partials + (spanV[j] - q), q, basisV[j], point);
      point.u = u;
      point.v = GridParameter(j, nv);
      put(i, j, point);
    }
  }
}

}  // namespace

void EvaluateSurfaceLattice(const Surface& surface, int nu, int nv,
                            std::vector<SurfacePoint>& points) {
  nu = std::clamp(nu, 1, kMaxDivisions);
  nv = std::clamp(nv, 1, kMaxDivisions);
  points.resize(static_cast<size_t>(nu + 1) * (nv + 1));
  EvaluateLattice(surface, nu, nv, [&](int i, int j, const SurfacePoint& point) {
    points[static_cast<size_t>(i) * (nv + 1) + j] = point;
  });
}

void EvaluateSurfaceGrid(const HullDesign& design, Surface& surface) {
  BuildWorkingNet(design, surface);
  surface.gridKey = ShapeKey(design);
  const int nu = std::clamp(design.ColumnDivisions, 1, kMaxDivisions);
  const int nv = std::clamp(design.RowDivisions, 1, kMaxDivisions);
  surface.columnDivisions = nu;
  surface.rowDivisions = nv;
  EvaluateLattice(surface, nu, nv,
                  [&](int i, int j, const SurfacePoint& point) { surface.grid[i][j] = point; });
}

namespace {
// The eye distance and focal factor are so large that the projection is in
// effect parallel.
constexpr double kEyeDistance = 1e8;
constexpr double kFocal = 1e8;
constexpr double kDegToRad = 0.0174532925239284;
}  // namespace

PerspectiveProjection::PerspectiveProjection(const HullDesign& design, double hullLength)
    : halfLength_(hullLength / 2.0) {
  const double e = design.PerspectiveElevation * kDegToRad;
  const double a = design.PerspectiveAzimuth * kDegToRad;
  cosE_ = std::cos(e);
  sinE_ = std::sin(e);
  cosA_ = std::cos(a);
  sinA_ = std::sin(a);
}

ProjectedPoint PerspectiveProjection::Project(double x, double y, double z, int sgn) const {
  const double yy = y - halfLength_;
  const double t = yy * cosE_ - z * sinE_;
  const double depth = t * cosA_ + sgn * x * sinA_ + kEyeDistance;
  ProjectedPoint out;
  out.X = kFocal * (sgn * x * cosA_ - t * sinA_) / depth;
  out.Y = kFocal * (z * cosE_ + yy * sinE_) / depth;
  return out;
}

ProjectedPoint ProjectPerspective(const HullDesign& design, double hullLength, double x, double y,
                                  double z, int sgn) {
  return PerspectiveProjection(design, hullLength).Project(x, y, z, sgn);
}

void ComputeExtents(HullDesign& design, Surface& surface) {
  if (design.ExtentsValid) return;
  const int nu = surface.columnDivisions;
  const int nv = surface.rowDivisions;

  HullExtents ext;
  ext.smallestY = 1e30;
  for (int i = 0; i <= nu; ++i) {
    for (int j = 0; j <= nv; ++j) {
      const SurfacePoint& point = surface.grid[i][j];
      ext.hullLength = std::max(ext.hullLength, point.y);
      ext.halfBreadth = std::max(ext.halfBreadth, point.x);
      ext.highestZ = std::max(ext.highestZ, point.z);
      ext.lowestZ = std::min(ext.lowestZ, point.z);
      ext.smallestY = std::min(ext.smallestY, point.y);
    }
  }
  ext.depth = ext.highestZ - ext.lowestZ;
  surface.extents = ext;

  // Fit boxes from the vertex net: maxima start at 0, minima at 1e9.
  double maxX = 0.0, maxAbsX = 0.0, signedX = 0.0;
  double minY = 1e9, maxY = 0.0, minZ = 1e9, maxZ = 0.0;
  const int columns = ClampIndex(design.LastColumn);
  const int rows = ClampIndex(design.LastRow);
  for (int c = 0; c <= columns; ++c) {
    for (int r = 0; r <= rows; ++r) {
      const Vertex& vertex = design.Net[c][r];
      maxX = std::max(maxX, static_cast<double>(vertex.x));
      if (std::fabs(vertex.x) > maxAbsX) {
        maxAbsX = std::fabs(vertex.x);
        signedX = vertex.x;
      }
      minY = std::min(minY, static_cast<double>(vertex.y));
      maxY = std::max(maxY, static_cast<double>(vertex.y));
      minZ = std::min(minZ, static_cast<double>(vertex.z));
      maxZ = std::max(maxZ, static_cast<double>(vertex.z));
    }
  }
  ViewFitBoxes& fit = surface.fit;
  if (!design.ViewZoomed[kBodyView]) {
    fit.X1 = 1.1 * maxX;
    fit.X0 = -fit.X1;
    fit.Z0 = minZ >= 0 ? minZ * 0.95 : minZ * 1.05;
    fit.Z1 = maxZ >= 0 ? maxZ * 1.05 : maxZ * 0.95;
  }
  if (!design.ViewZoomed[kPlanView]) {
    fit.PY0 = minY;
    fit.PY1 = maxY;
    fit.PX1 = signedX;
    fit.PX0 = -signedX;
  }
  if (!design.ViewZoomed[kProfileView]) {
    fit.FY0 = minY;
    fit.FY1 = maxY;
    fit.FZ0 = minZ;
    fit.FZ1 = maxZ;
  }
  if (design.PerspectiveViewOpen && !design.ViewZoomed[kPerspectiveView]) {
    const PerspectiveProjection projection(design, ext.hullLength);
    double qx0 = 1e9, qx1 = 0.0, qy0 = 1e9, qy1 = 0.0;
    for (int i = 0; i <= nu; ++i) {
      for (int j = 0; j <= nv; ++j) {
        const SurfacePoint& point = surface.grid[i][j];
        for (int sgn : {1, -1}) {
          const ProjectedPoint pp = projection.Project(point.x, point.y, point.z, sgn);
          qx0 = std::min(qx0, pp.X);
          qx1 = std::max(qx1, pp.X);
          qy0 = std::min(qy0, pp.Y);
          qy1 = std::max(qy1, pp.Y);
        }
      }
    }
    fit.QX0 = qx0;
    fit.QX1 = qx1;
    fit.QY0 = qy0;
    fit.QY1 = qy1;
  }
  design.ExtentsValid = true;
}

double ThreePointCurvature(double a, double b, double c, double d, double e, double f) {
  double l23 = std::hypot(e - c, f - d);
  double l12 = std::hypot(c - a, d - b);
  if (l23 <= 1e-32) l23 = 1e-32;
  if (l12 <= 2e-32) l12 = 1e-32;
  double s = l23 + l12;
  double cosine = ((d - f) / l23) * ((b - d) / l12) + ((c - e) / l23) * ((a - c) / l12);
  // Rounding can push the cosine of nearly parallel chords past 1.
  cosine = std::clamp(cosine, -1.0, 1.0);
  if (std::fabs(s) < 1e-6) s = s < 0 ? -1e-6 : 1e-6;
  return std::acos(cosine) / s;
}

}  // namespace skelmora
