#include "model/shape_changed.h"

#include "surface/surface_build.h"

namespace skelmora {

void RebuildSurface(HullDesign& design, Surface& surface) {
  BuildKnotVectors(design, surface);
  EvaluateSurfaceGrid(design, surface);
}

void RecomputeExtents(HullDesign& design, Surface& surface) {
  InvalidateExtents(design);
  ComputeExtents(design, surface);
}

void ShapeChanged(HullDesign& design, Surface& surface) {
  RebuildSurface(design, surface);
  RecomputeExtents(design, surface);
}

}  // namespace skelmora
