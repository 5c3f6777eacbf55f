#include "views/draw_design.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/silent_prompter.h"
#include "views/centres_drawing.h"
#include "views/projection.h"

namespace skelmora {

namespace {

// Enough for any curve on screen; a damaged file's point count must not
// turn one line into millions of evaluations.
constexpr int kMaxCurvePoints = 5000;
constexpr int kMarkerArm = 5;


// Model polylines into the list under the view's rules: in the body view a
// run is broken where its points change side, so no line crosses the
// centreline; in the perspective view the caller draws each element once
// per side.
class Tracer {
 public:
  Tracer(const ViewProjector& projector, DisplayList& out) : projector_(projector), out_(out) {}

  const ViewProjector& projector() const { return projector_; }
  DisplayList& out() { return out_; }

  // Perspective sides to draw: both there, one elsewhere.
  std::span<const int> Sides() const {
    static constexpr std::array<int, 2> kBoth{1, -1};
    return projector_.view() == kPerspectiveView ? std::span<const int>(kBoth)
                                                 : std::span<const int>(kBoth.data(), 1);
  }

  void Begin(Rgb color, Element element, int32_t index, int sgn) {
    sgn_ = sgn;
    lastSide_ = 0;
    out_.BeginRun(color, element, index,
                  static_cast<int8_t>(projector_.view() == kPerspectiveView ? sgn : 0));
  }
  void Point(double x, double y, double z) {
    if (projector_.view() == kBodyView) {
      const int side = projector_.BodySide(y);
      if (lastSide_ != 0 && side != lastSide_) out_.Break();
      lastSide_ = side;
    }
    out_.Add(projector_.Project(x, y, z, sgn_));
  }
  // A point whose body side is fixed by the caller (stations).
  void PointOnSide(double x, double y, double z, int bodySide) {
    if (projector_.view() == kBodyView) {
      out_.Add(projector_.ProjectBodyOnSide(x, z, bodySide));
    } else {
      out_.Add(projector_.Project(x, y, z, sgn_));
    }
  }
  // Pen-flagged points of an attached drawing; draw = false starts a run.
  void PenPoint(const skelmora::PenPoint& p) {
    if (!p.draw) {
      out_.Break();
      lastSide_ = 0;
    }
    Point(p.x, p.y, p.z);
  }
  void Break() {
    out_.Break();
    lastSide_ = 0;
  }
  void End() { out_.EndRun(); }

 private:
  const ViewProjector& projector_;
  DisplayList& out_;
  int sgn_ = 1;
  int lastSide_ = 0;
};

void SurfacePoints(Tracer& tracer, const std::array<SurfacePoint, kSectionCapacity>& points,
                   int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, kSectionCapacity - 1);
  for (int k = first; k <= last; ++k) tracer.Point(points[k].x, points[k].y, points[k].z);
}

// --- vertex net ------------------------------------------------------------

void NetColumn(Tracer& tracer, const HullDesign& design, int column, Rgb color, Element element,
               int sgn) {
  tracer.Begin(color, element, column, sgn);
  for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
    const Vertex& v = design.Net[column][r];
    tracer.Point(v.x, v.y, v.z);
  }
  tracer.End();
}

void NetRow(Tracer& tracer, const HullDesign& design, int row, Rgb color, Element element,
            int sgn) {
  tracer.Begin(color, element, row, sgn);
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    const Vertex& v = design.Net[c][row];
    tracer.Point(v.x, v.y, v.z);
  }
  tracer.End();
}

void DrawNet(Tracer& tracer, const HullDesign& design, const ViewMapping& mapping,
             const ViewOptions& options) {
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  const SingleLine& single = options.singleLine;
  const ViewId view = tracer.projector().view();
  DisplayList& out = tracer.out();

  for (int sgn : tracer.Sides()) {
    if (options.netColumnLines && single.kind != SingleLine::Kind::kRow) {
      for (int c = 0; c <= lastColumn; ++c) {
        if (OnSingleLine(single, design, c, 0)) {
          NetColumn(tracer, design, c, design.NetColor, Element::kNetColumn, sgn);
        }
      }
    }
  }
  for (int sgn : tracer.Sides()) {
    if (options.netRowLines && single.kind != SingleLine::Kind::kColumn) {
      for (int r = 0; r <= lastRow; ++r) {
        if (OnSingleLine(single, design, 0, r)) {
          NetRow(tracer, design, r, design.NetColor, Element::kNetRow, sgn);
        }
      }
    }
  }

  const int32_t half = VertexSquareHalfSize(view, mapping);
  for (int sgn : tracer.Sides()) {
    const int8_t side = static_cast<int8_t>(view == kPerspectiveView ? sgn : 0);
    for (int c = 0; c <= lastColumn; ++c) {
      for (int r = 0; r <= lastRow; ++r) {
        if (!OnSingleLine(single, design, c, r)) continue;
        const Vertex& v = design.Net[c][r];
        Square square;
        square.centre = tracer.projector().Project(v.x, v.y, v.z, sgn);
        square.halfSize = half;
        square.color = design.NetColor;
        square.index = c * kNetSize + r;
        square.side = side;
        out.AddSquare(square);
        if (options.vertexLabels) {
          char text[16];
          char* end = std::to_chars(text, text + 7, c).ptr;
          *end++ = ',';
          end = std::to_chars(end, text + sizeof text, r).ptr;
          out.AddLabel({square.centre.x + half, square.centre.y + half}, design.NetColor,
                       Element::kVertexLabel, std::string_view(text, end - text));
        }
      }
    }
  }

  if (!design.HighlightPending) {
    for (int sgn : tracer.Sides()) {
      if (design.HighlightRows && design.HighlightIndex >= 0 && design.HighlightIndex <= lastRow) {
        NetRow(tracer, design, design.HighlightIndex, design.HighlightColor, Element::kHighlight,
               sgn);
      } else if (design.HighlightColumns && design.HighlightIndex >= 0 &&
                 design.HighlightIndex <= lastColumn) {
        NetColumn(tracer, design, design.HighlightIndex, design.HighlightColor,
                  Element::kHighlight, sgn);
      }
    }
  }
}

// --- sections ----------------------------------------------------------------

void DrawStation(Tracer& tracer, const CutBuffers& cuts, int last, Rgb color, Element element,
                 int index, int bodySide) {
  if (last <= 0) return;
  for (int sgn : tracer.Sides()) {
    tracer.Begin(color, element, index, sgn);
    for (int k = 0; k <= std::min(last, kSectionCapacity - 1); ++k) {
      const SurfacePoint& p = cuts.section[k];
      tracer.PointOnSide(p.x, p.y, p.z, bodySide);
    }
    tracer.End();
  }
}

void DrawOpenSection(Tracer& tracer, const CutBuffers& cuts, int last, Rgb color, Element element,
                     int index) {
  if (last <= 0) return;
  for (int sgn : tracer.Sides()) {
    tracer.Begin(color, element, index, sgn);
    SurfacePoints(tracer, cuts.section, 0, last);
    tracer.End();
  }
}

void DrawWaterline(Tracer& tracer, const CutBuffers& cuts, const CutResult& cut, Rgb color,
                   Element element, int index) {
  for (int sgn : tracer.Sides()) {
    ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
      tracer.Begin(color, element, index, sgn);
      SurfacePoints(tracer, points, first, last);
      tracer.End();
    });
  }
}

void DrawStations(Tracer& tracer, const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                  const SectionPlacement& placement) {
  for (int k = 1; k <= placement.count; ++k) {
    const CutResult cut = CutStation(design, surface, cuts, placement.At(k));
    // Stations are drawn whole: the forward half of the numbers at +x.
    const int side = k <= placement.count / 2 ? 1 : -1;
    DrawStation(tracer, cuts, cut.last, design.StationColor, Element::kStation, k, side);
  }
}

void DrawSpecialStations(Tracer& tracer, const HullDesign& design, const Surface& surface,
                         CutBuffers& cuts) {
  const int count = std::clamp(design.SpecialStationCount, 0, kMaxSpecialStations);
  for (int k = 1; k <= count; ++k) {
    const double c = design.SpecialStations[k];
    const CutResult cut = CutStation(design, surface, cuts, c);
    // Whole, on the side its position gives.
    DrawStation(tracer, cuts, cut.last, design.SpecialLineColor, Element::kSpecialStation, k,
                tracer.projector().BodySide(c - 1e-6));
  }
}

void DrawWaterlines(Tracer& tracer, const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                  const SectionPlacement& placement) {
  for (int k = 1; k <= placement.count; ++k) {
    const CutResult cut = CutWaterline(design, surface, cuts, placement.At(k));
    DrawWaterline(tracer, cuts, cut, design.WaterlineColor, Element::kWaterline, k);
  }
}

void DrawSpecialWaterlines(Tracer& tracer, const HullDesign& design, const Surface& surface,
                           CutBuffers& cuts) {
  const int count = std::clamp(design.SpecialWaterlineCount, 0, kMaxSpecialWaterlines);
  for (int k = 1; k <= count; ++k) {
    const CutResult cut = CutWaterline(design, surface, cuts, design.SpecialWaterlines[k]);
    DrawWaterline(tracer, cuts, cut, design.SpecialLineColor, Element::kSpecialWaterline, k);
  }
}

void DrawButtocks(Tracer& tracer, const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                  const SectionPlacement& placement) {
  for (int k = 1; k <= placement.count; ++k) {
    const CutResult cut = CutButtock(design, surface, cuts, placement.At(k));
    DrawOpenSection(tracer, cuts, cut.last, design.ButtockColor, Element::kButtock, k);
  }
}

void DrawSpecialButtocks(Tracer& tracer, const HullDesign& design, const Surface& surface,
                         CutBuffers& cuts) {
  const int count = std::clamp(design.SpecialButtockCount, 0, kMaxSpecialButtocks);
  for (int k = 1; k <= count; ++k) {
    const CutResult cut = CutButtock(design, surface, cuts, design.SpecialButtocks[k]);
    DrawOpenSection(tracer, cuts, cut.last, design.SpecialLineColor, Element::kSpecialButtock, k);
  }
}

// --- curves evaluated on the surface ------------------------------------------

int CurvePoints(int32_t requested) { return std::clamp<int32_t>(requested, 1, kMaxCurvePoints); }

// The surface curve at fixed v (alongU) or fixed u, parameter k / n.
void DrawSurfaceCurve(Tracer& tracer, const Surface& surface, bool alongU, double fixed, int n,
                      Rgb color, Element element, int index) {
  for (int sgn : tracer.Sides()) {
    tracer.Begin(color, element, index, sgn);
    for (int k = 0; k <= n; ++k) {
      const double t = std::min(1.0, static_cast<double>(k) / n);
      const SurfacePoint p =
          alongU ? EvaluateSurfacePoint(surface, t, fixed) : EvaluateSurfacePoint(surface, fixed, t);
      tracer.Point(p.x, p.y, p.z);
    }
    tracer.End();
  }
}

void DrawEdgeLines(Tracer& tracer, const HullDesign& design, const Surface& surface) {
  const int n = CurvePoints(design.EdgeLinePoints);
  DrawSurfaceCurve(tracer, surface, true, 0.0, n, design.EdgeColor, Element::kEdgeLine, 0);
  DrawSurfaceCurve(tracer, surface, true, 1.0, n, design.EdgeColor, Element::kEdgeLine, 1);
}

bool HasChineLines(const HullDesign& design, const Surface& surface) {
  return design.ColumnChineCount > 0 || design.RowChineCount > 0 ||
         surface.knots.degreeU == 1 || surface.knots.degreeV == 1;
}

void DrawChineLines(Tracer& tracer, const HullDesign& design, const Surface& surface) {
  const KnotVectors& knots = surface.knots;
  const int n = CurvePoints(design.ChineLinePoints);
  const int p = knots.degreeU;
  const int q = knots.degreeV;
  // Knot indices past the vectors' ends (a chine list that does not fit the
  // knots it was built with) are skipped.
  const int lastU = std::min(knots.lastColumn + p + 1, kMaxKnots - 1);
  const int lastV = std::min(knots.lastRow + q + 1, kMaxKnots - 1);
  const Rgb color = design.ChineColor;

  // A chine row occurs q times in the working net; its curve is where the
  // repeated knot lies.
  const int rowChines = std::clamp(design.RowChineCount, 0, kMaxChines);
  for (int k = 1; k <= rowChines; ++k) {
    const int at = design.RowChines[k - 1] + k * (q - 1) + 1;
    if (at < 0 || at > lastV) continue;
    DrawSurfaceCurve(tracer, surface, true, knots.v[at], n, color, Element::kChineLine, k);
  }
  const int columnChines = std::clamp(design.ColumnChineCount, 0, kMaxChines);
  for (int k = 1; k <= columnChines; ++k) {
    const int at = design.ColumnChines[k - 1] + k * (p - 1) + 1;
    if (at < 0 || at > lastU) continue;
    DrawSurfaceCurve(tracer, surface, false, knots.u[at], n, color, Element::kChineLine, k);
  }
  // Degree 1: every interior column (row) is a crease.
  if (p == 1) {
    for (int c = 1; c <= ClampIndex(design.LastColumn) - 1 && c + 1 <= lastU; ++c) {
      DrawSurfaceCurve(tracer, surface, false, knots.u[c + 1], n, color, Element::kChineLine, c);
    }
  }
  if (q == 1) {
    for (int r = 1; r <= ClampIndex(design.LastRow) - 1 && r + 1 <= lastV; ++r) {
      DrawSurfaceCurve(tracer, surface, true, knots.v[r + 1], n, color, Element::kChineLine, r);
    }
  }
}

void DrawSurfaceLines(Tracer& tracer, const HullDesign& design, const Surface& surface) {
  const int columns = std::clamp(surface.columnDivisions, 0, kMaxDivisions);
  const int rows = std::clamp(surface.rowDivisions, 0, kMaxDivisions);
  for (int sgn : tracer.Sides()) {
    for (int i = 0; i <= columns; ++i) {
      tracer.Begin(design.StationColor, Element::kSurfaceLineU, i, sgn);
      for (int j = 0; j <= rows; ++j) {
        const SurfacePoint& p = surface.grid[i][j];
        tracer.Point(p.x, p.y, p.z);
      }
      tracer.End();
    }
    for (int j = 0; j <= rows; ++j) {
      tracer.Begin(design.WaterlineColor, Element::kSurfaceLineV, j, sgn);
      for (int i = 0; i <= columns; ++i) {
        const SurfacePoint& p = surface.grid[i][j];
        tracer.Point(p.x, p.y, p.z);
      }
      tracer.End();
    }
  }
}

// --- attached drawings ---------------------------------------------------------

void DrawPenPoints(Tracer& tracer, const std::vector<PenPoint>& points, Rgb color,
                   Element element, int index) {
  for (int sgn : tracer.Sides()) {
    tracer.Begin(color, element, index, sgn);
    for (const PenPoint& p : points) tracer.PenPoint(p);
    tracer.End();
  }
}

void DrawReferenceHull(Tracer& tracer, const HullDesign& design, const DrawInputs& inputs) {
  if (!design.RefHullShown) return;
  if (!design.RefHullLoaded || !inputs.attached || inputs.attached->referenceHull.empty()) {
    tracer.out().AddMessage(design.RefHullColor, kNoReferenceHullMessage);
    return;
  }
  DrawPenPoints(tracer, inputs.attached->referenceHull, design.RefHullColor,
                Element::kReferenceHull, 0);
}

void DrawKeelRudder(Tracer& tracer, const HullDesign& design, const DrawInputs& inputs) {
  if (!design.KeelRudderShown) return;
  if (!inputs.attached || inputs.attached->keelRudderParts.empty()) {
    tracer.out().AddMessage(design.RefHullColor, kNoKeelRudderMessage);
    return;
  }
  int index = 0;
  for (const auto& part : inputs.attached->keelRudderParts) {
    DrawPenPoints(tracer, part, design.RefHullColor, Element::kKeelRudder, index++);
  }
}

void DrawMarkers(Tracer& tracer, const HullDesign& design,
                 const std::vector<MarkerPoint>& markers) {
  if (!design.MarkersShown) return;
  DisplayList& out = tracer.out();
  int index = 0;
  for (const MarkerPoint& m : markers) {
    for (int sgn : tracer.Sides()) {
      const LogicalPoint c = tracer.projector().Project(m.x, m.y, m.z, sgn);
      out.AddSegment({c.x - kMarkerArm, c.y - kMarkerArm}, {c.x + kMarkerArm, c.y + kMarkerArm},
                     design.MarkerColor, Element::kMarker, index);
      out.AddSegment({c.x - kMarkerArm, c.y + kMarkerArm}, {c.x + kMarkerArm, c.y - kMarkerArm},
                     design.MarkerColor, Element::kMarker, index);
    }
    ++index;
  }
}

}  // namespace

void DrawAxes(ViewId view, const ViewMapping& mapping, DisplayList& out) {
  if (view == kPerspectiveView) return;
  const int32_t w = RoundClamped(2.0 * mapping.clientWidth);
  const int32_t h = RoundClamped(2.0 * mapping.clientHeight);
  out.AddSegment({-w, 0}, {w, 0}, kAxisColor, Element::kAxis, 0);
  out.AddSegment({0, -h}, {0, h}, kAxisColor, Element::kAxis, 1);
}

void PlaceShownSections(HullDesign& design, const Surface& surface, DrawScratch& scratch) {
  scratch.stations = scratch.waterlines = scratch.buttocks = SectionPlacement{};
  if (design.ShowSurface) return;
  if (design.ShowStations) scratch.stations = StationPositions(design, surface, scratch.cuts);
  if (design.ShowWaterlines) scratch.waterlines = WaterlinePositions(design, surface);
  if (design.ShowButtocks) scratch.buttocks = ButtockPositions(design, surface);
}

void PrepareDrawing(HullDesign& design, const Surface& surface, const DrawInputs& inputs,
                    DrawScratch& scratch) {
  PlaceShownSections(design, surface, scratch);
  scratch.markers.clear();
  if (design.MarkersShown) {
    SilentPrompter silent;
    if (!ReadMarkers(design, inputs.prompter ? *inputs.prompter : silent, scratch.markers)) {
      scratch.markers.clear();
    }
  }
}

namespace {

// The heel the body view shows instead of the upright hull, if any.
const HeelStep* ShownHeel(ViewId view, const DrawInputs& inputs) {
  const CalculationRecords* calculations = inputs.calculations;
  const int step = inputs.options ? inputs.options->heelStep : -1;
  if (view != kBodyView || !calculations || step < 0 ||
      step >= static_cast<int>(calculations->heelSteps.size())) {
    return nullptr;
  }
  return &calculations->heelSteps[static_cast<size_t>(step)];
}

}  // namespace

void DrawDesign(const HullDesign& design, const Surface& surface, ViewId view, const ViewMapping& mapping,
                const DrawInputs& inputs, DrawScratch& scratch, DisplayList& out) {
  const ViewOptions defaults;
  const ViewOptions& options = inputs.options ? *inputs.options : defaults;
  const ViewProjector projector(design, surface, view, mapping.scale);
  Tracer tracer(projector, out);
  CutBuffers& cuts = scratch.cuts;
  const CalculationRecords* calculations = inputs.calculations;

  if (const HeelStep* heel = ShownHeel(view, inputs)) {
    DrawHeeledPicture(design, surface, mapping, *heel, cuts, out);
    return;
  }
  auto centres = [&] {
    out.EndRun();
    if (options.showCentres && calculations && calculations->centres) {
      DrawCentres(design, surface, view, mapping, *calculations->centres, cuts, out);
    }
  };

  if (design.ShowVertexNet) DrawNet(tracer, design, mapping, options);

  if (design.ShowSurface) {
    DrawSurfaceLines(tracer, design, surface);
    if (HasChineLines(design, surface)) DrawChineLines(tracer, design, surface);
    DrawReferenceHull(tracer, design, inputs);
    DrawKeelRudder(tracer, design, inputs);
    DrawMarkers(tracer, design, scratch.markers);
    centres();
    return;
  }

  const bool specialStations = design.SpecialStationsOn && design.SpecialStationCount > 0;
  const bool specialWaterlines = design.SpecialWaterlinesOn && design.SpecialWaterlineCount > 0;
  const bool specialButtocks = design.SpecialButtocksOn && design.SpecialButtockCount > 0;
  const bool anySection = design.ShowStations || design.ShowWaterlines || design.ShowButtocks ||
                          specialStations || specialWaterlines || specialButtocks;

  if (design.ShowStations) DrawStations(tracer, design, surface, cuts, scratch.stations);
  if (specialStations) DrawSpecialStations(tracer, design, surface, cuts);
  if (design.ShowWaterlines) DrawWaterlines(tracer, design, surface, cuts, scratch.waterlines);
  if (specialWaterlines) DrawSpecialWaterlines(tracer, design, surface, cuts);
  if (design.ShowButtocks) DrawButtocks(tracer, design, surface, cuts, scratch.buttocks);
  if (specialButtocks) DrawSpecialButtocks(tracer, design, surface, cuts);
  DrawReferenceHull(tracer, design, inputs);
  DrawKeelRudder(tracer, design, inputs);
  if (anySection) DrawEdgeLines(tracer, design, surface);
  DrawMarkers(tracer, design, scratch.markers);
  if (anySection && HasChineLines(design, surface)) DrawChineLines(tracer, design, surface);
  centres();
}

const ViewMapping& BuildView(HullDesign& design, Surface& surface, ViewState& state,
                             const DrawInputs& inputs, DrawScratch& scratch, DisplayList& out) {
  out.Clear();
  if (!design.DesignOpen || !ViewOpenFlag(design, state.view)) return state.mapping;
  SetUpView(design, surface, state);
  // A heeled hull reaches outside the upright box: fit the picture drawn.
  const HeelStep* heel = ShownHeel(state.view, inputs);
  if (heel && !design.ViewZoomed[state.view]) {
    if (const auto box = HeeledPictureBox(design, surface, *heel, scratch.cuts)) {
      ViewFitBoxes fit = surface.fit;
      FitHeeledBody(*box, fit);
      state.mapping = FittedMapping(state.view, fit, state.clientWidth, state.clientHeight);
      state.scale = state.mapping.scale;
    }
  }
  const ViewMapping& mapping = state.mapping;
  PrepareDrawing(design, surface, inputs, scratch);
  DrawAxes(state.view, mapping, out);
  DrawDesign(design, surface, state.view, mapping, inputs, scratch, out);
  return mapping;
}

void AddSelectionMark(const HullDesign& design, const Surface& surface, ViewId view,
                      const ViewMapping& mapping, DisplayList& out) {
  if (view == kPerspectiveView) return;
  const int c = design.PickedColumn;
  const int r = design.PickedRow;
  if (c < 0 || r < 0 || c > ClampIndex(design.LastColumn) || r > ClampIndex(design.LastRow)) return;
  const ViewProjector projector(design, surface, view, mapping.scale);
  const Vertex& v = design.Net[c][r];
  Square square;
  square.centre = projector.Project(v.x, v.y, v.z);
  square.halfSize = RoundClamped(0.007 * mapping.clientWidth);
  square.color = kSelectionColor;
  square.filled = true;
  square.element = Element::kSelection;
  square.index = c * kNetSize + r;
  out.AddSquare(square);
}

void AddToolMark(const HullDesign& design, const Surface& surface, ViewId view,
                 const ViewMapping& mapping, int column, int row, std::string_view text,
                 DisplayList& out) {
  if (column < 0 || row < 0 || column > kMaxIndex || row > kMaxIndex) return;
  const ViewProjector projector(design, surface, view, mapping.scale);
  const Vertex& v = design.Net[column][row];
  out.AddLabel(projector.Project(v.x, v.y, v.z), design.NetColor, Element::kToolMark, text);
}

void AddNetDragSegments(const HullDesign& design, const Surface& surface, ViewId view,
                        const ViewMapping& mapping, int column, int row, DisplayList& out) {
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  if (column < 0 || row < 0 || column > lastColumn || row > lastRow) return;
  const ViewProjector projector(design, surface, view, mapping.scale);
  const Vertex& held = design.Net[column][row];
  const LogicalPoint at = projector.Project(held.x, held.y, held.z);
  const std::array<std::array<int, 2>, 4> neighbours{
      {{column, row - 1}, {column, row + 1}, {column - 1, row}, {column + 1, row}}};
  for (const auto& [c, r] : neighbours) {
    if (c < 0 || r < 0 || c > lastColumn || r > lastRow) continue;
    const Vertex& other = design.Net[c][r];
    // The net is broken at the centreline in the body view.
    if (view == kBodyView && projector.BodySide(other.y) != projector.BodySide(held.y)) continue;
    out.AddSegment(projector.Project(other.x, other.y, other.z), at, design.NetColor,
                   Element::kDragFeedback, c * kNetSize + r);
  }
}

void AddMovedLine(const HullDesign& design, const Surface& surface, ViewId view,
                  const ViewMapping& mapping, bool moveRow, int line, DisplayList& out) {
  const int last = ClampIndex(moveRow ? design.LastRow : design.LastColumn);
  if (line < 0 || line > last) return;
  const ViewProjector projector(design, surface, view, mapping.scale);
  Tracer tracer(projector, out);
  if (moveRow) {
    NetRow(tracer, design, line, design.NetColor, Element::kDragFeedback, 1);
  } else {
    NetColumn(tracer, design, line, design.NetColor, Element::kDragFeedback, 1);
  }
}

}  // namespace skelmora
