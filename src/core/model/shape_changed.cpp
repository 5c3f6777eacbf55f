#include "model/shape_changed.h"

namespace skelmora {

void RebuildSurface(HullDesign& design, Surface& surface) {
  UpdateWorkingCounts(design);
  BuildKnotVectors(design, surface);
  EvaluateSurfaceGrid(design, surface);
}

void RecomputeExtents(HullDesign& design, Surface& surface) {
  InvalidateExtents(design);
  ComputeExtents(design, surface);
}

void ShapeChanged(HullDesign& design, Surface& surface, ViewHooks* hooks) {
  RebuildSurface(design, surface);
  RecomputeExtents(design, surface);
  if (hooks) {
    hooks->RefitViews();
    hooks->RepaintViews();
  }
}

}  // namespace skelmora
