// The fixed recomputation after a change of the net, the tensions or the chines.
#pragma once

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

// What the views do after a change; the program fills these in.
class ViewHooks {
 public:
  virtual ~ViewHooks() = default;
  virtual void RefitViews() {}
  virtual void RepaintViews() {}
};

// Working counts, knot vectors and grid (the part every reader runs).
void RebuildSurface(HullDesign& design, Surface& surface);

// Clears the extents and takes them afresh from the grid and the net: the
// one place the extents are invalidated outside the readers.
void RecomputeExtents(HullDesign& design, Surface& surface);

// RebuildSurface, fresh extents, then the view hooks.
void ShapeChanged(HullDesign& design, Surface& surface, ViewHooks* hooks = nullptr);

}  // namespace skelmora
