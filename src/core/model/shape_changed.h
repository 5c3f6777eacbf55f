// The fixed recomputation after a change of the net, the tensions or the
// chines, over the records themselves. The design session runs these for the
// program and the CLI (DesignSession::Regenerate); the core's algorithms
// that work on records directly (readers, undo, trims, stretches) run them
// on the records they were handed.
#pragma once

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

// Working net, knot vectors and grid (the part every reader runs).
void RebuildSurface(HullDesign& design, Surface& surface);

// Clears the extents and takes them afresh from the grid and the net: the
// one place the extents are invalidated outside the readers.
void RecomputeExtents(HullDesign& design, Surface& surface);

// RebuildSurface, then fresh extents.
void ShapeChanged(HullDesign& design, Surface& surface);

}  // namespace skelmora
