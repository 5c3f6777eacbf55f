#include "views/view_mapping.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

constexpr double kZoomEdgeLimit = 32000.0;

bool Usable(double value) { return std::isfinite(value) && value > 0.0; }

// 1 / denominator, or 1 when the box gives no scale (a degenerate net).
double ScaleFrom(double denominator) { return Usable(denominator) ? 1.0 / denominator : 1.0; }

// Pixels per logical unit when a logical box is mapped isotropically onto
// a device box: the smaller ratio wins. A collapsed side imposes nothing.
double Isotropic(double logicalW, double deviceW, double logicalH, double deviceH) {
  double ppl = 0.0;
  bool any = false;
  const double rw = deviceW / std::fabs(logicalW);
  if (Usable(rw)) {
    ppl = rw;
    any = true;
  }
  const double rh = deviceH / std::fabs(logicalH);
  if (Usable(rh)) {
    ppl = any ? std::min(ppl, rh) : rh;
    any = true;
  }
  return any ? ppl : 1.0;
}

// A window of no size still gets a finite mapping.
double Size(int pixels) { return pixels > 0 ? pixels : 1.0; }

struct Box {
  double h0, h1, v0, v1;  // horizontal and vertical ranges of the view
};

Box ViewBox(ViewId view, const ViewFitBoxes& fit) {
  switch (view) {
    case kBodyView:
      return {fit.X0, fit.X1, fit.Z0, fit.Z1};
    case kPlanView:
      return {fit.PY0, fit.PY1, fit.PX0, fit.PX1};
    case kProfileView:
      return {fit.FY0, fit.FY1, fit.FZ0, fit.FZ1};
    case kPerspectiveView:
      break;
  }
  return {fit.QX0, fit.QX1, fit.QY0, fit.QY1};
}

void SetViewBox(ViewId view, ViewFitBoxes& fit, const Box& box) {
  switch (view) {
    case kBodyView:
      fit.X0 = box.h0, fit.X1 = box.h1, fit.Z0 = box.v0, fit.Z1 = box.v1;
      return;
    case kPlanView:
      fit.PY0 = box.h0, fit.PY1 = box.h1, fit.PX0 = box.v0, fit.PX1 = box.v1;
      return;
    case kProfileView:
      fit.FY0 = box.h0, fit.FY1 = box.h1, fit.FZ0 = box.v0, fit.FZ1 = box.v1;
      return;
    case kPerspectiveView:
      fit.QX0 = box.h0, fit.QX1 = box.h1, fit.QY0 = box.v0, fit.QY1 = box.v1;
      return;
  }
}

}  // namespace

LogicalPoint ViewMapping::ToLogical(double deviceX, double deviceY) const {
  return {RoundClamped((deviceX - originX) / pixelsPerLogical),
          RoundClamped((originY - deviceY) / pixelsPerLogical)};
}

ViewMapping FittedMapping(ViewId view, const ViewFitBoxes& fit, int clientWidth, int clientHeight) {
  const double w = Size(clientWidth);
  const double h = Size(clientHeight);
  ViewMapping m;
  m.clientWidth = clientWidth;
  m.clientHeight = clientHeight;
  const double s = [&] {
    switch (view) {
      case kBodyView: {
        const double dz = fit.Z0 >= 0 ? fit.Z1 / h : (fit.Z1 - fit.Z0) / h;
        return ScaleFrom(std::max((fit.X1 - fit.X0) / w, dz));
      }
      case kPlanView:
      case kProfileView:
        // The profile view takes its scale from the plan box too, so the two
        // views show the hull's length alike.
        return ScaleFrom(std::max(fit.PY1 / w, fit.PX1 / h));
      case kPerspectiveView:
        break;
    }
    return ScaleFrom(std::max(2.0 * fit.QX1 / w, (fit.QY1 - fit.QY0) / h));
  }();
  m.scale = s;

  switch (view) {
    case kBodyView: {
      const double height = fit.Z0 >= 0 ? 1.1 * s * fit.Z1 : s * (fit.Z1 - fit.Z0);
      m.pixelsPerLogical = Isotropic(1.1 * s * fit.X1, w / 2.0, height, h);
      m.originX = w / 2.0;
      const double span = fit.Z1 - fit.Z0;
      m.originY = fit.Z0 >= 0 || !Usable(span) ? h : h * fit.Z1 / span;
      break;
    }
    case kPlanView:
    case kProfileView: {
      const bool plan = view == kPlanView;
      const double across = 1.1 * s * (plan ? fit.PY1 : fit.FY1);
      const double up = 1.1 * s * (plan ? fit.PX1 : fit.FZ1);
      m.pixelsPerLogical = Isotropic(across, w, up, h / 2.0);
      m.originX = 0.05 * w;
      m.originY = h / 2.0;
      break;
    }
    case kPerspectiveView: {
      const double spanX = fit.QX1 - fit.QX0;
      const double spanY = fit.QY1 - fit.QY0;
      m.pixelsPerLogical = Isotropic(1.1 * s * spanX, w, 1.1 * s * spanY, h);
      m.originX = Usable(spanX) ? w * (1.0 - fit.QX1 / spanX) : w / 2.0;
      m.originY = Usable(spanY) ? h * fit.QY1 / spanY : h / 2.0;
      break;
    }
  }
  return m;
}

ViewMapping ZoomedMapping(ViewId view, const ViewFitBoxes& fit, double scale, int clientWidth,
                          int clientHeight, int scrollX, int scrollY) {
  const double w = Size(clientWidth);
  const double h = Size(clientHeight);
  const Box box = ViewBox(view, fit);
  ViewMapping m;
  m.clientWidth = clientWidth;
  m.clientHeight = clientHeight;
  m.scale = Usable(scale) ? scale : 1.0;
  const double left = m.scale * box.h0 + scrollX;
  const double bottom = m.scale * box.v0 + scrollY;
  m.pixelsPerLogical =
      Isotropic(m.scale * (box.h1 - box.h0), w, m.scale * (box.v1 - box.v0), h);
  m.originX = -left * m.pixelsPerLogical;
  m.originY = h + bottom * m.pixelsPerLogical;
  return m;
}

const ViewMapping& SetUpView(HullDesign& design, Surface& surface, ViewState& state) {
  const ViewId view = state.view;
  if (design.ViewZoomed[view]) {
    state.mapping = ZoomedMapping(view, surface.fit, state.scale, state.clientWidth,
                                  state.clientHeight, state.scrollX, state.scrollY);
  } else {
    ComputeExtents(design, surface);
    state.mapping = FittedMapping(view, surface.fit, state.clientWidth, state.clientHeight);
  }
  state.scale = state.mapping.scale;
  state.paintedScrollX = state.scrollX;
  state.paintedScrollY = state.scrollY;
  return state.mapping;
}

bool ApplyZoomRectangle(HullDesign& design, Surface& surface, ViewState& state, LogicalPoint a,
                        LogicalPoint b) {
  const ViewId view = state.view;
  if (a.x == b.x || a.y == b.y) {
    ZoomOff(design, state);
    return false;
  }
  const double s = Usable(state.scale) ? state.scale : 1.0;
  Box box;
  box.h0 = std::min(a.x, b.x) / s;
  box.h1 = std::max(a.x, b.x) / s;
  box.v0 = std::min(a.y, b.y) / s;
  box.v1 = std::max(a.y, b.y) / s;
  double zoomScale = ScaleFrom(std::max((box.h1 - box.h0) / Size(state.clientWidth),
                                        (box.v1 - box.v0) / Size(state.clientHeight)));
  // Keep the box's corner within the drawing layer's coordinate range.
  if (std::fabs(zoomScale * box.v0) > kZoomEdgeLimit) zoomScale = kZoomEdgeLimit / std::fabs(box.v0);
  if (std::fabs(zoomScale * box.h0) > kZoomEdgeLimit) zoomScale = kZoomEdgeLimit / std::fabs(box.h0);
  SetViewBox(view, surface.fit, box);
  state.scale = zoomScale;
  state.scrollX = 0;
  state.scrollY = 0;
  design.ViewZoomed[view] = true;
  return true;
}

void ZoomOff(HullDesign& design, ViewState& state) {
  design.ViewZoomed[state.view] = false;
  InvalidateExtents(design);
}

void FitHullToWindows(HullDesign& design, std::span<ViewState* const> views) {
  for (ViewState* state : views) {
    if (state) ZoomOff(design, *state);
  }
}

int32_t VertexSquareHalfSize(ViewId view, const ViewMapping& mapping) {
  const int32_t half = RoundClamped(0.007 * mapping.clientWidth);
  return view == kBodyView ? std::max(half, 3) : half;
}

std::string ReadoutText(const char* prefix, double modelValue) {
  return std::string(prefix) + FormatFixed(modelValue, 0, 2);
}

}  // namespace skelmora
