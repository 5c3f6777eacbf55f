// How each view maps logical drawing coordinates onto its window: the fitted
// mapping from the fit boxes, the zoomed mapping from a zoom rectangle, and
// the way back for mouse points.
//
// Logical coordinates are model coordinates times the view scale s, rounded
// through RoundClamped. Device coordinates are pixels from the top-left of
// the drawing area, y down. The mapping is isotropic:
//
//   deviceX = originX + logicalX * pixelsPerLogical
//   deviceY = originY - logicalY * pixelsPerLogical
//
// which is QTransform(ppl, 0, 0, -ppl, originX, originY) applied to logical
// points.
#pragma once

#include <span>
#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"
#include "views/display_list.h"

namespace skelmora {

struct ViewMapping {
  double scale = 1.0;             // s: logical units per model length unit
  double originX = 0.0;           // device position of logical (0, 0)
  double originY = 0.0;
  double pixelsPerLogical = 1.0;
  int clientWidth = 0;            // the drawing area the mapping was set up for
  int clientHeight = 0;

  double DeviceX(double logicalX) const { return originX + logicalX * pixelsPerLogical; }
  double DeviceY(double logicalY) const { return originY - logicalY * pixelsPerLogical; }
  // A mouse point in logical units, rounded (what a window's device-to-
  // logical conversion gives).
  LogicalPoint ToLogical(double deviceX, double deviceY) const;
  // Model coordinate of a logical one: logical / s.
  double ToModel(double logical) const { return logical / scale; }
};

// Per view window. The zoomed flag itself is HullDesign::ViewZoomed[view],
// which ComputeExtents reads; while it is set the view's fit box in
// Surface::fit holds the zoom box and `scale` is the zoom's scale.
struct ViewState {
  ViewId view = kBodyView;
  // The area the picture is drawn in, in pixels, without any scroll bars
  // (for the perspective window the client area less its two scroll bars).
  int clientWidth = 0;
  int clientHeight = 0;
  // Scroll bar positions of a zoomed body, plan or profile window, logical
  // units (-1000..1000, small step 10, large step 25). Keep them 0 for the
  // perspective window, whose scroll bars set the angles instead.
  int scrollX = 0;
  int scrollY = 0;
  double scale = 1.0;   // s at the last set-up or zoom
  ViewMapping mapping;  // the mapping of the last set-up
  // Scroll positions at the last paint: a zoomed window whose positions
  // differ from these repaints once more.
  int paintedScrollX = 0;
  int paintedScrollY = 0;
};

constexpr int kScrollMin = -1000;
constexpr int kScrollMax = 1000;
constexpr int kScrollSmallStep = 10;
constexpr int kScrollLargeStep = 25;

// The fitted mapping of a view from its fit box (clientWidth x clientHeight
// as in ViewState). A degenerate box (a net of one point, a flat hull)
// falls back to s = 1 along the collapsed direction rather than dividing by
// zero.
ViewMapping FittedMapping(ViewId view, const ViewFitBoxes& fit, int clientWidth, int clientHeight);

// The zoomed mapping: the box scaled by s, shifted by the scroll positions,
// fills the drawing area with its lower-left corner at the lower-left.
ViewMapping ZoomedMapping(ViewId view, const ViewFitBoxes& fit, double scale, int clientWidth,
                          int clientHeight, int scrollX, int scrollY);

// What a paint does before drawing: ComputeExtents when the view is not
// zoomed (it only works while ExtentsValid is clear), then the fitted or
// zoomed mapping, stored in state.mapping and state.scale. Returns the
// mapping.
const ViewMapping& SetUpView(HullDesign& design, Surface& surface, ViewState& state);

// The zoom window's release. A rectangle of zero width or height leaves
// zoom (returns false, zoomed flag cleared, ExtentsValid cleared so the next
// paint refits). Otherwise the rectangle divided by s becomes the view's
// box, s becomes 1 / max(box width / client width, box height / client
// height), reduced to 32000 / |edge| when the box's left or lower edge would
// lie beyond 32000 logical units; the zoomed flag is set and both scroll
// positions return to 0. The caller repaints either way.
bool ApplyZoomRectangle(HullDesign& design, Surface& surface, ViewState& state, LogicalPoint a,
                        LogicalPoint b);

// "&Zoom Off": clears the view's zoomed flag and ExtentsValid; the caller
// repaints. A window resize does the same.
void ZoomOff(HullDesign& design, ViewState& state);

// "&Fit hull to windows": ZoomOff for every view in views (pass the open
// ones); the caller repaints each.
void FitHullToWindows(HullDesign& design, std::span<ViewState* const> views);

// Half-size of a vertex square and of the pick square:
// RoundClamped(0.007 * client width), at least 3 in the body view.
int32_t VertexSquareHalfSize(ViewId view, const ViewMapping& mapping);

// "x=" / "y=" texts of a mouse position for the main window's two status
// labels: logical / s with two decimals.
std::string ReadoutText(const char* prefix, double modelValue);

}  // namespace skelmora
