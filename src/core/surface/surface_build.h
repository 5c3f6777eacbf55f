// The steps that make a surface from the design. Only the design session
// and the core's own algorithms that work on copies of the records (the
// drag, the draft search, the stability run, trims and stretches) run them;
// the program and the CLI say what changed through DesignSession::Regenerate.
#pragma once

#include "surface/surface.h"

namespace skelmora {

// Expands the net by the chine lists into surface.working.
void BuildWorkingNet(const HullDesign& design, Surface& surface);

// The working net, then clamped uniform knots from its counts and the
// tensions.
void BuildKnotVectors(const HullDesign& design, Surface& surface);

// BuildWorkingNet, then every grid point at the design's divisions.
void EvaluateSurfaceGrid(const HullDesign& design, Surface& surface);

// When ExtentsValid is clear: hull extents from the grid and the views' fit
// boxes from the vertex net, then sets ExtentsValid.
void ComputeExtents(HullDesign& design, Surface& surface);

}  // namespace skelmora
