#include "model/design_session.h"

#include "model/shape_changed.h"
#include "surface/surface_build.h"

namespace skelmora {

void DesignSession::Regenerate(Change what) {
  switch (what) {
    case Change::kTopology:
      BuildKnotVectors(design, *surface);
      [[fallthrough]];
    case Change::kVertices:
      EvaluateSurfaceGrid(design, *surface);
      [[fallthrough]];
    case Change::kExtents:
      RecomputeExtents(design, *surface);
      break;
    case Change::kViews:
    case Change::kOneView:
      InvalidateExtents(design);
      break;
  }
  if (what == Change::kOneView || !hooks) return;
  hooks->RefitViews();
  hooks->RepaintViews();
}

bool DesignSession::Undo() { return history.Undo(design, *surface); }

}  // namespace skelmora
