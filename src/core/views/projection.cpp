#include "views/projection.h"

namespace skelmora {

ViewProjector::ViewProjector(const HullDesign& design, const Surface& surface, ViewId view,
                             double scale)
    : view_(view),
      scale_(scale),
      halfLength_(surface.extents.hullLength / 2.0),
      perspective_(design, surface.extents.hullLength) {}

void ViewProjector::ViewCoordinates(double x, double y, double z, int sgn, double& h,
                                    double& v) const {
  switch (view_) {
    case kBodyView:
      h = BodySide(y) * x;
      v = z;
      return;
    case kPlanView:
      h = y;
      v = x;
      return;
    case kProfileView:
      h = y;
      v = z;
      return;
    case kPerspectiveView:
      break;
  }
  const ProjectedPoint projected = perspective_.Project(x, y, z, sgn);
  h = projected.X;
  v = projected.Y;
}

}  // namespace skelmora
