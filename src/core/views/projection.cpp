#include "views/projection.h"

namespace skelmora {

namespace {
// The perspective window's eye distance and focal factor: so large that the
// projection is in effect parallel.
constexpr double kEyeDistance = 1e8;
constexpr double kFocal = 1e8;
constexpr double kDegToRad = 0.0174532925239284;
}  // namespace

ViewProjector::ViewProjector(const HullDesign& design, const Surface& surface, ViewId view,
                             double scale)
    : view_(view),
      scale_(scale),
      halfLength_(surface.extents.hullLength / 2.0),
      hullLength_(surface.extents.hullLength) {
  if (view == kPerspectiveView) {
    const double e = design.PerspectiveElevation * kDegToRad;
    const double a = design.PerspectiveAzimuth * kDegToRad;
    cosE_ = std::cos(e);
    sinE_ = std::sin(e);
    cosA_ = std::cos(a);
    sinA_ = std::sin(a);
  }
}

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
  // Same expression order as ProjectPerspective, with the sines and cosines
  // taken once per drawing instead of once per point.
  const double yy = y - hullLength_ / 2.0;
  const double t = yy * cosE_ - z * sinE_;
  const double depth = t * cosA_ + sgn * x * sinA_ + kEyeDistance;
  h = kFocal * (sgn * x * cosA_ - t * sinA_) / depth;
  v = kFocal * (z * cosE_ + yy * sinE_) / depth;
}

}  // namespace skelmora
