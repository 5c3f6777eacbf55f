#include "fairing/fair_curve.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

namespace {

PlanePoint InView(double x, double y, double z, ViewId view) {
  switch (view) {
    case kPlanView:
      return {y, x};
    case kProfileView:
      return {y, z};
    case kBodyView:
    case kPerspectiveView:
      break;
  }
  return {x, z};
}

PlanePoint VertexInView(const Vertex& vertex, ViewId view) {
  PlanePoint p;
  ViewCoordinatesOf(vertex, view, p.h, p.v);
  return p;
}

// A line of constant u (alongU false: v runs) or constant v, 51 points.
void SampleSurfaceLine(const Surface& surface, bool alongU, double fixed, ViewId view,
                       FairCurve& curve) {
  for (int i = 0; i < kFairLineSamples; ++i) {
    const double t = static_cast<double>(i) / (kFairLineSamples - 1);
    const SurfacePoint p =
        alongU ? EvaluateSurfacePoint(surface, t, fixed) : EvaluateSurfacePoint(surface, fixed, t);
    curve.samples[i] = InView(p.x, p.y, p.z, view);
  }
  curve.sampleCount = kFairLineSamples;
}

// Which way the chords turn; a turn below kStraightTurn radians is
// straight, as single-precision samples of a straight line turn by about
// 1e-6 either way.
constexpr double kStraightTurn = 2e-5;
int TurnSign(const PlanePoint& a, const PlanePoint& b, const PlanePoint& c) {
  const double ux = b.h - a.h, uy = b.v - a.v, wx = c.h - b.h, wy = c.v - b.v;
  const double cross = ux * wy - uy * wx;
  const double lengths = std::hypot(ux, uy) * std::hypot(wx, wy);
  if (!(std::fabs(cross) > kStraightTurn * lengths)) return 0;
  return cross > 0 ? 1 : -1;
}

PlanePoint Single(const PlanePoint& p) {
  return {static_cast<double>(static_cast<float>(p.h)), static_cast<double>(static_cast<float>(p.v))};
}

// Two samples closer than this share of the coordinates' size are taken as
// one: single-precision samples of one point differ by about 1e-7 of it.
constexpr double kCoincident = 1e-6;
bool Coincide(const PlanePoint& p, const PlanePoint& q, double size) {
  return !(std::hypot(q.h - p.h, q.v - p.v) > kCoincident * size);
}

void AddCurvature(FairCurve& curve, const PlanePoint& a, const PlanePoint& b, const PlanePoint& c,
                  double at, double scale) {
  CurvaturePoint& out = curve.curvature[curve.curvatureCount++];
  out = CurvaturePoint{};
  out.at = at;
  const double size = std::max({std::fabs(a.h), std::fabs(a.v), std::fabs(b.h), std::fabs(b.v),
                                std::fabs(c.h), std::fabs(c.v)});
  const double value = ThreePointCurvature(a.h, a.v, b.h, b.v, c.h, c.v) * scale;
  // A chord of no length has no direction: the formula's stand-in length
  // would make a value of 1e8 out of nothing.
  if (Coincide(a, b, size) || Coincide(b, c, size) || !std::isfinite(value)) {
    out.defined = false;
    return;
  }
  out.value = value;
  out.sign = TurnSign(a, b, c);
  curve.maxCurvature = std::max(curve.maxCurvature, out.value);
}

// The first defined value; 0 when there is none.
double FirstDefined(const FairCurve& curve) {
  for (int k = 0; k < curve.curvatureCount; ++k) {
    if (curve.curvature[k].defined) return curve.curvature[k].value;
  }
  return 0.0;
}

// The 51-point rule: samples k, k + 3, k + 6 in single precision, scaled.
void LineCurvature(FairCurve& curve) {
  for (int k = 0; k + 6 < curve.sampleCount && k < kFairCurvatureCount; ++k) {
    AddCurvature(curve, Single(curve.samples[k]), Single(curve.samples[k + 3]),
                 Single(curve.samples[k + 6]), curve.samples[k + 3].h, kFairCurvatureScale);
  }
}

// The column rule: any number of points, unscaled; a section too short for
// one curvature value is shown as its points at curvature 1.
void ColumnCurvature(FairCurve& curve) {
  const int last = curve.sampleCount - 1;
  if (last < 5) {
    curve.tooShort = curve.sampleCount > 0;
    for (int k = 0; k <= last; ++k) {
      curve.curvature[curve.curvatureCount++] = CurvaturePoint{curve.samples[k].h, 1.0, 0};
    }
    return;
  }
  for (int k = 0; k + 6 <= last; ++k) {
    AddCurvature(curve, curve.samples[k], curve.samples[k + 3], curve.samples[k + 6],
                 curve.samples[k + 3].h, 1.0);
  }
}

double ChineParameter(const HullDesign& design, const Surface& surface, int chine, int row) {
  const KnotVectors& knots = surface.knots;
  const int copies = std::clamp(design.StationTension, 1, kMaxIndex);
  const int position = row + chine * (copies - 1) + 1;
  const int lastKnot = knots.lastRow + knots.degreeV + 1;
  return knots.v[std::clamp(position, 0, std::min(lastKnot, kMaxKnots - 1))];
}

}  // namespace

AxisTitles ViewAxisTitles(ViewId view) {
  switch (view) {
    case kPlanView:
      return {"Distance Aft Bow", "Beam"};
    case kProfileView:
      return {"Distance Aft Bow", "Height +/- LWL"};
    case kBodyView:
    case kPerspectiveView:
      break;
  }
  return {"Beam", "Height"};
}

FairChineRows ChineRowsForFairing(const HullDesign& design) {
  FairChineRows out;
  const int lastRow = ClampIndex(design.LastRow);
  if (design.StationTension == 1) {
    for (int r = 1; r < lastRow; ++r) out.rows[out.count++] = r;
    return out;
  }
  const int count = std::clamp(design.RowChineCount, 0, kMaxChines);
  for (int k = 0; k < count; ++k) {
    const int row = design.RowChines[k];
    if (row > 0 && row < lastRow) out.rows[out.count++] = row;
  }
  return out;
}

IndexRange LineIndexRange(const HullDesign& design, FairLine line) {
  switch (line) {
    case FairLine::kColumn:
      return {0, ClampIndex(design.LastColumn)};
    case FairLine::kRow:
      return {1, ClampIndex(design.LastRow) - 1};
    case FairLine::kChine:
      return {1, ChineRowsForFairing(design).count};
    case FairLine::kSheer:
    case FairLine::kFairbody:
      break;
  }
  return {0, 0};
}

IndexRange VertexRange(const HullDesign& design, FairLine line) {
  if (line == FairLine::kColumn) return {0, ClampIndex(design.LastRow)};
  return {0, ClampIndex(design.LastColumn)};
}

int LineRow(const HullDesign& design, FairLine line, int index) {
  switch (line) {
    case FairLine::kSheer:
      return ClampIndex(design.LastRow);
    case FairLine::kFairbody:
      return 0;
    case FairLine::kRow:
      return LineIndexRange(design, line).Contains(index) ? index : -1;
    case FairLine::kChine: {
      const FairChineRows chines = ChineRowsForFairing(design);
      return index >= 1 && index <= chines.count ? chines.rows[index - 1] : -1;
    }
    case FairLine::kColumn:
      break;
  }
  return -1;
}

void SelectedVertex(const HullDesign& design, const FairSelection& selection, int& column,
                    int& row) {
  const IndexRange along = VertexRange(design, selection.line);
  const int vertex = std::clamp(selection.vertex, along.lo, along.hi);
  if (selection.line == FairLine::kColumn) {
    column = std::clamp(selection.index, 0, ClampIndex(design.LastColumn));
    row = vertex;
  } else {
    column = vertex;
    row = std::max(LineRow(design, selection.line, selection.index), 0);
  }
}

void SampleFairCurve(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                     const FairSelection& selection, FairCurve& curve) {
  curve.sampleCount = 0;
  curve.curvatureCount = 0;
  curve.tooShort = false;
  curve.maxCurvature = kNoCurvature;
  if (!LineIndexRange(design, selection.line).Contains(selection.index)) return;
  const ViewId view = selection.view;
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);

  switch (selection.line) {
    case FairLine::kColumn: {
      const int c = selection.index;
      if (c == 0 || c == lastColumn) {
        SampleSurfaceLine(surface, false, c == 0 ? 0.0 : 1.0, view, curve);
      } else {
        double sum = 0.0;
        for (int r = 0; r <= lastRow; ++r) sum += design.Net[c][r].y;
        const CutResult cut = CutStation(design, surface, cuts, sum / (lastRow + 1));
        const int count = std::clamp(cut.last + 1, 0, kSectionCapacity);
        for (int k = 0; k < count; ++k) {
          const SurfacePoint& p = cuts.section[k];
          curve.samples[k] = InView(p.x, p.y, p.z, view);
        }
        curve.sampleCount = count;
      }
      ColumnCurvature(curve);
      return;
    }
    case FairLine::kSheer:
      SampleSurfaceLine(surface, true, 1.0, view, curve);
      break;
    case FairLine::kFairbody:
      SampleSurfaceLine(surface, true, 0.0, view, curve);
      break;
    case FairLine::kChine: {
      const int row = LineRow(design, FairLine::kChine, selection.index);
      SampleSurfaceLine(surface, true, ChineParameter(design, surface, selection.index, row),
                        view, curve);
      break;
    }
    case FairLine::kRow:
      SampleSurfaceLine(surface, true, static_cast<double>(selection.index) / lastRow, view,
                        curve);
      break;
  }
  LineCurvature(curve);
}

int LineVertices(const HullDesign& design, const FairSelection& selection,
                 std::array<PlanePoint, kNetSize>& out) {
  if (!LineIndexRange(design, selection.line).Contains(selection.index)) return 0;
  const IndexRange along = VertexRange(design, selection.line);
  int count = 0;
  for (int k = along.lo; k <= along.hi; ++k) {
    FairSelection at = selection;
    at.vertex = k;
    int column = 0, row = 0;
    SelectedVertex(design, at, column, row);
    out[count++] = VertexInView(design.Net[column][row], selection.view);
  }
  return count;
}

double RememberedCurvature(const HullDesign& design, const FairSelection& selection,
                           const FairCurve& curve) {
  if (curve.curvatureCount == 0) return 0.0;
  if (curve.tooShort) return 1.0;
  if (selection.vertex <= 0) return FirstDefined(curve);
  int column = 0, row = 0;
  SelectedVertex(design, selection, column, row);
  const PlanePoint at = VertexInView(design.Net[column][row], selection.view);
  for (const bool abscissa : {true, false}) {
    const double target = abscissa ? at.h : at.v;
    for (int k = 0; k < curve.curvatureCount && k + 4 < curve.sampleCount; ++k) {
      const double a = abscissa ? curve.samples[k + 2].h : curve.samples[k + 2].v;
      const double b = abscissa ? curve.samples[k + 4].h : curve.samples[k + 4].v;
      if (curve.curvature[k].defined && std::min(a, b) <= target && target <= std::max(a, b)) {
        return curve.curvature[k].value;
      }
    }
  }
  return FirstDefined(curve);
}

int CurvatureSignChanges(const FairCurve& curve) {
  if (!curve.Found()) return 0;
  const double straight = std::max(curve.maxCurvature * 1e-6, 1e-12);
  int changes = 0;
  int previous = 0;
  for (int k = 0; k < curve.curvatureCount; ++k) {
    const CurvaturePoint& p = curve.curvature[k];
    if (!p.defined || p.sign == 0 || p.value <= straight) continue;
    if (previous != 0 && p.sign != previous) ++changes;
    previous = p.sign;
  }
  return changes;
}

}  // namespace skelmora
