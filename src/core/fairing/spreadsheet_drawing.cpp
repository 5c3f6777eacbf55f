#include "fairing/spreadsheet_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace skelmora {

namespace {

constexpr Rgb kAxisBlue = 0xFF0000;

LogicalPoint Logical(const SheetDrawing& d, const PlanePoint& p) {
  return {RoundClamped(p.h * d.scaleH), RoundClamped(p.v * d.scaleV)};
}

void FitSheet(std::span<const PlanePoint> points, int boxWidth, int boxHeight,
              SheetDrawing& out) {
  // The extent of the plotted pair, with the origin so the axes show.
  double h0 = 0.0, h1 = 0.0, v0 = 0.0, v1 = 0.0;
  for (const PlanePoint& p : points) {
    if (!std::isfinite(p.h) || !std::isfinite(p.v)) continue;
    h0 = std::min(h0, p.h), h1 = std::max(h1, p.h);
    v0 = std::min(v0, p.v), v1 = std::max(v1, p.v);
  }
  // A flat extent (a column at the centreline) is given a tenth of the other.
  const double span = std::max({h1 - h0, v1 - v0, 1e-6});
  const double width = std::max(h1 - h0, span * 0.1) * 1.1;
  const double height = std::max(v1 - v0, span * 0.1) * 1.1;
  const double aspect = static_cast<double>(std::max(boxHeight, 1)) / std::max(boxWidth, 1);
  out.scaleH = kSheetLogicalSpan / width;
  out.scaleV = kSheetLogicalSpan * aspect / height;
  out.left = ((h0 + h1) / 2.0 - width / 2.0) * out.scaleH;
  out.right = out.left + kSheetLogicalSpan;
  out.bottom = ((v0 + v1) / 2.0 - height / 2.0) * out.scaleV;
  out.top = out.bottom + kSheetLogicalSpan * aspect;
  out.pixelsPerLogical = std::max(boxWidth, 1) / kSheetLogicalSpan;
}

}  // namespace

void BuildSheetDrawing(std::span<const PlanePoint> points, ViewId view, const HullDesign& colors,
                       int boxWidth, int boxHeight, SheetDrawing& out, bool keepScale) {
  out.list.Clear();
  if (!keepScale) FitSheet(points, boxWidth, boxHeight, out);
  DisplayList& list = out.list;
  if (view == kPlanView) {
    list.AddSegment({0, 0}, {0, 500}, kAxisBlue, Element::kAxis);
    list.AddSegment({-500, 0}, {500, 0}, kAxisBlue, Element::kAxis);
    list.AddLabel({180, 0}, kAxisBlue, Element::kAxis, "Ctr");
  } else {
    list.AddSegment({0, -500}, {0, 500}, kAxisBlue, Element::kAxis);
    list.AddSegment({0, 0}, {500, 0}, kAxisBlue, Element::kAxis);
    list.AddLabel({500, 0}, kAxisBlue, Element::kAxis, "Lwl");
    list.AddLabel({6, 480}, kAxisBlue, Element::kAxis, "Center Line");
  }
  list.BeginRun(colors.NetColor, Element::kNetColumn);
  for (const PlanePoint& p : points) list.Add(Logical(out, p));
  list.EndRun();
  for (size_t k = 0; k < points.size(); ++k) {
    const LogicalPoint at = Logical(out, points[k]);
    Square square;
    square.centre = at;
    square.halfSize = kSheetMarkerHalf;
    square.color = colors.MarkerColor;
    square.index = static_cast<int32_t>(k);
    list.AddSquare(square);
    list.AddLabel({at.x + kSheetLabelOffset, at.y}, colors.MarkerColor, Element::kVertexLabel,
                  std::to_string(k));
  }
}

int PickSheetVertex(const SheetDrawing& drawing, std::span<const PlanePoint> points, double x,
                    double y) {
  for (size_t k = 0; k < points.size(); ++k) {
    const LogicalPoint at = Logical(drawing, points[k]);
    if (std::fabs(x - at.x) <= kSheetMarkerHalf && std::fabs(y - at.y) <= kSheetMarkerHalf) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

PlanePoint SheetModelPoint(const SheetDrawing& drawing, double x, double y) {
  return {x / drawing.scaleH, y / drawing.scaleV};
}

}  // namespace skelmora
