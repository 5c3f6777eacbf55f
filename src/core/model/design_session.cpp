#include "model/design_session.h"

namespace skelmora {

void DesignSession::Rebuild() {
  RebuildSurface(design, *surface);
  RecomputeExtents(design, *surface);
}

bool DesignSession::Undo() { return history.Undo(design, *surface); }

}  // namespace skelmora
