// The vertex spreadsheet's small drawing: the vertices of the grid (not of
// the net) in a body, plan or profile view, as a display list in logical
// units, with picking and dragging. The paint box shows the extent of the
// plotted pair, enlarged by 1.1, anisotropically: each axis has its own
// scale, chosen so that the logical window has the box's proportions and
// the box maps it at one pixels-per-logical ratio, so markers and texts
// keep their shape.
#pragma once

#include <span>

#include "fairing/fair_curve.h"
#include "views/display_list.h"

namespace skelmora {

// Half the side of a vertex marker and how far right its number sits, in
// logical units.
constexpr int kSheetMarkerHalf = 10;
constexpr int kSheetLabelOffset = 20;
// The logical window's width.
constexpr double kSheetLogicalSpan = 1000.0;

struct SheetDrawing {
  DisplayList list;
  double scaleH = 1.0;  // logical units per model unit, across
  double scaleV = 1.0;  // and up
  // The logical window the paint box shows: the plotted extent (with the
  // origin) enlarged by 1.1.
  double left = -1, right = 1, bottom = -1, top = 1;
  // Device pixels per logical unit in a box of the size it was built for.
  double pixelsPerLogical = 1.0;
};

// points: the plotted pair of each grid row (see ViewCoordinatesOf), in
// grid order. Axes in blue, the vertices joined in NetColor, each marked in
// MarkerColor with its number. keepScale leaves the scales and the window
// as they are (while a vertex is dragged, so that it follows the mouse).
// boxWidth, boxHeight: the paint box in pixels.
void BuildSheetDrawing(std::span<const PlanePoint> points, ViewId view, const HullDesign& colors,
                       int boxWidth, int boxHeight, SheetDrawing& out, bool keepScale = false);

// The first vertex whose marker holds the logical point; -1 for none.
int PickSheetVertex(const SheetDrawing& drawing, std::span<const PlanePoint> points,
                    double x, double y);

// The model position of a logical point.
PlanePoint SheetModelPoint(const SheetDrawing& drawing, double x, double y);

}  // namespace skelmora
