#include "views/scaled_print.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "files/text_io.h"
#include "views/projection.h"

namespace skelmora {

namespace {

constexpr double kGapShare = 0.1;  // the space between the views of "all"
// Logical coordinates of the farthest point; within the drawing layer's
// +-30000 with room for the vertex squares.
constexpr double kLogicalReach = 25000.0;
// The vertex squares' half-size on paper, the same in every panel.
constexpr double kSquareHalfInches = 0.02;
constexpr Rgb kMarkColor = 0x000000;

struct NetBox {
  double minX = 0, maxAbsX = 0, minY = 0, maxY = 0, minZ = 0, maxZ = 0;
  bool any = false;
};

NetBox BoxOf(const HullDesign& d) {
  NetBox b;
  for (int c = 0; c <= ClampIndex(d.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(d.LastRow); ++r) {
      const Vertex& v = d.Net[c][r];
      if (!b.any) {
        b.minY = b.maxY = v.y;
        b.minZ = b.maxZ = v.z;
        b.any = true;
      }
      b.maxAbsX = std::max(b.maxAbsX, std::fabs(double(v.x)));
      b.minY = std::min(b.minY, double(v.y));
      b.maxY = std::max(b.maxY, double(v.y));
      b.minZ = std::min(b.minZ, double(v.z));
      b.maxZ = std::max(b.maxZ, double(v.z));
    }
  }
  return b;
}

// The perspective view's horizontal and vertical ranges (both sides) and
// the farthest coordinate, at view scale 1.
void PerspectiveRange(const HullDesign& design, const Surface& surface, double& width,
                      double& height, double& reach) {
  const ViewProjector projector(design, surface, kPerspectiveView, 1.0);
  double h0 = std::numeric_limits<double>::max(), h1 = -h0, v0 = h0, v1 = -h0;
  const auto take = [&](double x, double y, double z) {
    for (int sgn : {1, -1}) {
      double h, v;
      projector.ViewCoordinates(x, y, z, sgn, h, v);
      h0 = std::min(h0, h), h1 = std::max(h1, h);
      v0 = std::min(v0, v), v1 = std::max(v1, v);
    }
  };
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      const Vertex& p = design.Net[c][r];
      take(p.x, p.y, p.z);
    }
  }
  width = h1 >= h0 ? h1 - h0 : 0.0;
  height = v1 >= v0 ? v1 - v0 : 0.0;
  reach = std::max({std::fabs(h0), std::fabs(h1), std::fabs(v0), std::fabs(v1)});
}

// The farthest view coordinate from the origin, in design units.
double Reach(const HullDesign& design, const Surface& surface, ViewId view) {
  const NetBox b = BoxOf(design);
  switch (view) {
    case kBodyView:
      return std::max({b.maxAbsX, std::fabs(b.minZ), std::fabs(b.maxZ)});
    case kPlanView:
      return std::max({b.maxAbsX, std::fabs(b.minY), std::fabs(b.maxY)});
    case kProfileView:
      return std::max({std::fabs(b.minZ), std::fabs(b.maxZ), std::fabs(b.minY),
                       std::fabs(b.maxY)});
    case kPerspectiveView:
      break;
  }
  double w, h, reach;
  PerspectiveRange(design, surface, w, h, reach);
  return reach;
}

struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // logical
  bool any = false;
  void Take(double x, double y) {
    if (!any) {
      x0 = x1 = x, y0 = y1 = y, any = true;
      return;
    }
    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  }
};

// What the panel draws, axes left out (they run across the page).
Box DrawnBox(const DisplayList& list) {
  Box box;
  for (const Polyline& line : list.polylines()) {
    if (line.element == Element::kAxis) continue;
    for (uint32_t k = 0; k < line.count; ++k) {
      const LogicalPoint& p = list.points()[line.first + k];
      box.Take(p.x, p.y);
    }
  }
  for (const Square& s : list.squares()) {
    box.Take(s.centre.x - s.halfSize, s.centre.y - s.halfSize);
    box.Take(s.centre.x + s.halfSize, s.centre.y + s.halfSize);
  }
  return box;
}

// The design waterline (z = 0) across the body and profile drawings,
// marked "DWL" at its end, and the centreline down the body and along the
// plan, each within what the hull spans, so no line runs off to the page's
// edge.
void AddPrintMarks(const HullDesign& design, const Surface& surface, ViewId view,
                   const ViewMapping& mapping, const Box& box, DisplayList& out) {
  if (view == kPerspectiveView) return;
  const ViewProjector projector(design, surface, view, mapping.scale);
  const LogicalPoint origin = projector.Project(0.0, 0.0, 0.0);
  const auto x0 = static_cast<int32_t>(std::floor(box.x0));
  const auto x1 = static_cast<int32_t>(std::ceil(box.x1));
  const auto y0 = static_cast<int32_t>(std::floor(box.y0));
  const auto y1 = static_cast<int32_t>(std::ceil(box.y1));
  if (view == kBodyView || view == kProfileView) {
    if (origin.y >= y0 && origin.y <= y1) {
      out.AddSegment({x0, origin.y}, {x1, origin.y}, kMarkColor, Element::kAxis, 0);
      out.AddLabel({x0, origin.y}, kMarkColor, Element::kAxis, "DWL");
    }
  }
  if (view == kBodyView && origin.x >= x0 && origin.x <= x1) {
    out.AddSegment({origin.x, y0}, {origin.x, y1}, kMarkColor, Element::kAxis, 1);
  }
  if (view == kPlanView && origin.y >= y0 && origin.y <= y1) {
    out.AddSegment({x0, origin.y}, {x1, origin.y}, kMarkColor, Element::kAxis, 0);
  }
}

}  // namespace

const char* PrintViewKeyword(PrintView view) {
  switch (view) {
    case PrintView::kBody: return "body";
    case PrintView::kPlan: return "plan";
    case PrintView::kProfile: return "profile";
    case PrintView::kPerspective: return "perspective";
    case PrintView::kAll: return "all";
  }
  return "body";
}

std::optional<PrintView> PrintViewFromKeyword(std::string_view keyword) {
  for (PrintView v : {PrintView::kBody, PrintView::kPlan, PrintView::kProfile,
                      PrintView::kPerspective, PrintView::kAll}) {
    if (keyword == PrintViewKeyword(v)) return v;
  }
  return std::nullopt;
}

PrintSpans PrintSpansOf(const HullDesign& design, const Surface& surface, PrintView view) {
  const NetBox b = BoxOf(design);
  const double length = b.maxY - b.minY;
  const double height = b.maxZ - b.minZ;
  const double beam = 2.0 * b.maxAbsX;
  switch (view) {
    case PrintView::kBody: return {beam, height};
    case PrintView::kPlan: return {length, beam};
    case PrintView::kProfile: return {length, height};
    case PrintView::kPerspective: {
      PrintSpans spans;
      double reach;
      PerspectiveRange(design, surface, spans.horizontal, spans.vertical, reach);
      return spans;
    }
    case PrintView::kAll:
      return {(1.0 + kGapShare) * length + beam, beam + (1.0 + kGapShare) * height};
  }
  return {};
}

double DesignUnitsPerInch(const HullDesign& design) {
  return design.Units == kMillimetres ? 25.4 : 1.0;
}

double MaxPrintScale(const PrintSpans& spans, double unitsPerInch, double pageWidth,
                     double pageHeight) {
  if (!(pageWidth > 0.0) || !(pageHeight > 0.0) || !(unitsPerInch > 0.0)) return 0.0;
  const double sh = spans.horizontal / unitsPerInch / pageWidth;
  const double sv = spans.vertical / unitsPerInch / pageHeight;
  const double worst = std::max(sh, sv);
  if (!(worst > 0.0) || !std::isfinite(worst)) return kMaxPrintScale;
  return std::min(12.0 / worst, kMaxPrintScale);
}

double PrintFactor(double printScale, double unitsPerInch) {
  return printScale > 0.0 ? 12.0 / printScale * unitsPerInch : 0.0;
}

std::string ScaleRatioText(double printScale) {
  if (!(printScale > 0.0)) return "1 : 0";
  const double n = 12.0 / printScale;
  // Whole ratios as whole numbers, others to two decimals.
  const bool whole = std::fabs(n - std::round(n)) < 0.005;
  return "1 : " + FormatFixed(n, 0, whole ? 0 : 2);
}

std::vector<PrintPanel> LayOutScaledPrint(HullDesign& design, const Surface& surface,
                                          const DrawInputs& inputs, DrawScratch& scratch,
                                          PrintView view, double printScale, double dotsPerInch,
                                          int pageWidth, int pageHeight) {
  std::vector<PrintPanel> panels;
  const double factor = PrintFactor(printScale, DesignUnitsPerInch(design));
  if (!(factor > 0.0) || !(dotsPerInch > 0.0)) return panels;
  PrepareDrawing(design, surface, inputs, scratch);
  std::vector<ViewId> views;
  switch (view) {
    case PrintView::kBody: views = {kBodyView}; break;
    case PrintView::kPlan: views = {kPlanView}; break;
    case PrintView::kProfile: views = {kProfileView}; break;
    case PrintView::kPerspective: views = {kPerspectiveView}; break;
    case PrintView::kAll: views = {kProfileView, kPlanView, kBodyView}; break;
  }
  std::vector<Box> boxes;
  for (ViewId id : views) {
    PrintPanel panel;
    panel.view = id;
    ViewMapping& m = panel.mapping;
    const double reach = Reach(design, surface, id);
    m.scale = reach > 0.0 ? kLogicalReach / reach : 1.0;
    // One design unit is dotsPerInch / factor device pixels.
    m.pixelsPerLogical = dotsPerInch / (factor * m.scale);
    // Sizes the drawing takes from its window (vertex squares, axes), in
    // logical units as on the screen.
    // The squares take 0.007 of the width the drawing is set up for: set up
    // for the width that makes them kSquareHalfInches on paper.
    const double squareHalf = kSquareHalfInches * dotsPerInch / m.pixelsPerLogical;
    m.clientWidth = static_cast<int>(std::clamp(squareHalf / 0.007, 1.0, 30000.0 / 0.007));
    m.clientHeight = static_cast<int>(std::clamp(pageHeight / m.pixelsPerLogical, 1.0, 30000.0));
    DrawDesign(design, surface, id, m, inputs, scratch, panel.list);
    Box box = DrawnBox(panel.list);
    if (box.any) AddPrintMarks(design, surface, id, m, box, panel.list);
    boxes.push_back(box);
    panels.push_back(std::move(panel));
  }
  // Each panel's size on the page, in device pixels.
  const auto width = [&](size_t k) { return (boxes[k].x1 - boxes[k].x0) * panels[k].mapping.pixelsPerLogical; };
  const auto height = [&](size_t k) { return (boxes[k].y1 - boxes[k].y0) * panels[k].mapping.pixelsPerLogical; };
  const auto place = [&](size_t k, double left, double top) {
    ViewMapping& m = panels[k].mapping;
    m.originX = left - boxes[k].x0 * m.pixelsPerLogical;
    m.originY = top + boxes[k].y1 * m.pixelsPerLogical;
  };
  if (panels.size() == 1) {
    place(0, (pageWidth - width(0)) / 2.0, (pageHeight - height(0)) / 2.0);
    return panels;
  }
  const NetBox b = BoxOf(design);
  const double dotsPerUnit = dotsPerInch / factor;
  const double gapX = kGapShare * (b.maxY - b.minY) * dotsPerUnit;
  const double gapY = kGapShare * (b.maxZ - b.minZ) * dotsPerUnit;
  const double column = std::max(width(0), width(1));
  const double total = column + gapX + width(2);
  const double tall = std::max(height(0) + gapY + height(1), height(2));
  const double left = (pageWidth - total) / 2.0;
  const double top = (pageHeight - tall) / 2.0;
  place(0, left, top);
  place(1, left, top + height(0) + gapY);
  place(2, left + column + gapX, top);
  return panels;
}

}  // namespace skelmora
