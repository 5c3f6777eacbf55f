// The Draw event of the realistic hull window: the fixed sequence of calls,
// by dispatch id, that paints the lit hull through the rendering control.
// No Qt here, so a recording stand-in for the control can check it.
#pragma once

#include "dispatch.h"
#include "render/render_view.h"

namespace skelmora::app {

// One picture: clear colour, projection (55 degrees, the given aspect, near
// 0.1, far 1500), lighting, light 0 at the view's light position, the model
// view T x Rx x Ry x Rz, the material, then the stored side and its mirror
// as two NURBS surfaces, each with a renderer of its own created and deleted
// here. Sets view.QualitySteps from the Quality index first. The first call
// that fails ends the drawing (a renderer made by then is still deleted);
// the result says whether every call succeeded.
bool DrawRenderedHull(hosting::Dispatch& control, RenderViewState& view, int qualityIndex,
                      double aspect, RenderControlPoints& points);

}  // namespace skelmora::app
