#include "fairing/fair_edit.h"
#include "surface/surface_build.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

void NudgeVertex(Vertex& vertex, ViewId view, Nudge direction, double step) {
  const bool vertical = direction == Nudge::kUp || direction == Nudge::kDown;
  const double delta = (direction == Nudge::kUp || direction == Nudge::kRight) ? step : -step;
  float* coordinate = nullptr;
  switch (view) {
    case kPlanView:
      coordinate = vertical ? &vertex.x : &vertex.y;
      break;
    case kProfileView:
      coordinate = vertical ? &vertex.z : &vertex.y;
      break;
    case kBodyView:
    case kPerspectiveView:
      coordinate = vertical ? &vertex.z : &vertex.x;
      break;
  }
  *coordinate = static_cast<float>(*coordinate + delta);
}

void ChangeWeight(Vertex& vertex, double delta) {
  const double w = vertex.w + delta;
  // Below a rounding error of 0 is 0, so a weight stepped down never shows -0.
  vertex.w = w > 1e-6 ? static_cast<float>(w) : 0.0f;
}

StepField ReadStepField(const std::optional<double>& typed) {
  if (!typed || !std::isfinite(*typed) || *typed <= 0.0) return {kDefaultStep, true};
  return {*typed, false};
}

double InitialColumnStep(int32_t units) { return units == kMillimetres ? 15.0 : 0.5; }

int StepVertexNumber(int current, int delta, int last) {
  return std::clamp(current + delta, 0, std::max(last, 0));
}

ViewId ColumnView(int column, int lastColumn) {
  if (column <= 0) return kProfileView;
  if (column >= lastColumn) return kPlanView;
  return kBodyView;
}

void RefreshAfterNudge(HullDesign& design, Surface& surface) {
  EvaluateSurfaceGrid(design, surface);
  InvalidateExtents(design);
}

}  // namespace skelmora
