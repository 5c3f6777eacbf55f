// The curves the fairing dialogs plot: one line of the hull sampled on the
// evaluated surface in a view's plane, its discrete curvature, the largest
// value and the value the zoom centres on.
#pragma once

#include <array>
#include <cstdint>

#include "model/hull_design.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

// Which line: an interior column is its station section, the end columns,
// the sheer, the fairbody, a chine and a row are surface lines.
enum class FairLine { kColumn, kRow, kSheer, kFairbody, kChine };

constexpr const char* kNoChinesMessage = "No Chines Present";
constexpr const char* kNoInteriorRowsMessage = "This design has no interior vertex rows";

constexpr int kFairLineSamples = 51;
// Curvature of samples k, k + 3, k + 6 for k = 0..44.
constexpr int kFairCurvatureCount = kFairLineSamples - 6;
// The 51-point curves plot their curvature scaled by this.
constexpr double kFairCurvatureScale = 100.0;
// Largest curvature before any is found.
constexpr double kNoCurvature = -1e15;

struct PlanePoint {
  double h = 0.0;  // the view's horizontal (abscissa)
  double v = 0.0;  // its vertical (ordinate)
};

// The curve plot's axis titles in a view.
struct AxisTitles {
  const char* horizontal;
  const char* vertical;
};
AxisTitles ViewAxisTitles(ViewId view);

struct CurvaturePoint {
  double at = 0.0;     // abscissa of the middle sample
  double value = 0.0;  // never negative
  int sign = 0;        // which way the line turns there: +1 left, -1 right, 0 straight
  // False where two of the three samples coincide (a line that stops along
  // a collapsed edge, as a sheer running into the transom's centre) or the
  // value is not a number: the turn has no direction there, and the value
  // (0 then) is left out of the plot, the largest value and the sign count.
  bool defined = true;
};

// The interior rows the chine dialog steps through: the row chines, or every
// interior row while the station tension is 1 (which allows no chines).
struct FairChineRows {
  std::array<int32_t, kNetSize> rows{};
  int count = 0;
};
FairChineRows ChineRowsForFairing(const HullDesign& design);

// What a dialog has chosen. index: the column (column dialog), the row (row
// dialog), the chine number from 1 (chine dialog); unused for the sheer and
// the fairbody. vertex: the vertex number along the line.
struct FairSelection {
  FairLine line = FairLine::kColumn;
  int index = 1;
  int vertex = 0;
  ViewId view = kBodyView;
};

// The range of `index` for a line on this design (lo > hi when there is
// none, as for chines on a design without any).
struct IndexRange {
  int lo = 0;
  int hi = -1;
  bool Contains(int k) const { return k >= lo && k <= hi; }
};
IndexRange LineIndexRange(const HullDesign& design, FairLine line);
// The vertex numbers along the line: rows of a column, columns otherwise.
IndexRange VertexRange(const HullDesign& design, FairLine line);

// The net row of a line that runs along a row (sheer, fairbody, chine, row);
// -1 for a column or an index outside the design.
int LineRow(const HullDesign& design, FairLine line, int index);
// The selected vertex's column and row, clamped to the net.
void SelectedVertex(const HullDesign& design, const FairSelection& selection, int& column,
                    int& row);

// One sampled line. Fixed arrays: a nudge rebuilds it without allocating.
struct FairCurve {
  int sampleCount = 0;
  std::array<PlanePoint, kSectionCapacity> samples{};
  int curvatureCount = 0;
  std::array<CurvaturePoint, kSectionCapacity> curvature{};
  // A section of fewer than six points: its points are plotted at
  // curvature 1 in place of a curvature curve.
  bool tooShort = false;
  double maxCurvature = kNoCurvature;  // over the defined values
  bool Found() const { return !tooShort && maxCurvature > kNoCurvature; }
  // The top of the vertex marker: the largest curvature, or 1 when none.
  double MarkerHeight() const { return Found() ? maxCurvature : 1.0; }
};

// Samples the selected line in the selection's view and its curvature. The
// surface (working net, knots, grid) must be current. A selection outside
// the design gives an empty curve.
void SampleFairCurve(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                     const FairSelection& selection, FairCurve& curve);

// The vertices of the selected line in the view's plane, in line order.
int LineVertices(const HullDesign& design, const FairSelection& selection,
                 std::array<PlanePoint, kNetSize>& out);

// The curvature the zoom centres on: the value at the first k whose samples
// k + 2 and k + 4 bracket the selected vertex's abscissa in the view (the
// coordinate the curvature is plotted against), else its ordinate; the
// first value for the first vertex of the line or when nothing brackets;
// 0 without a curvature curve. Values that are not defined are passed over.
double RememberedCurvature(const HullDesign& design, const FairSelection& selection,
                           const FairCurve& curve);

// Inflections of the signed curvature: sign changes between turning
// samples; straight ones (a turn of a few hundred-thousandths of a radian,
// or below a millionth of the largest curvature) are left out.
int CurvatureSignChanges(const FairCurve& curve);

}  // namespace skelmora
