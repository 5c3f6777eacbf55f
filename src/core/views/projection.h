// Model point to logical point for one view: plan (y, x), profile (y, z),
// body (x, z) with the half-breadth side rule, perspective through the
// perspective projection. Every conversion goes through RoundClamped.
#pragma once

#include <cmath>

#include "model/hull_design.h"
#include "surface/surface.h"
#include "views/display_list.h"

namespace skelmora {

class ViewProjector {
 public:
  // scale is the view scale s; the hull length is taken from the extents.
  ViewProjector(const HullDesign& design, const Surface& surface, ViewId view, double scale);

  ViewId view() const { return view_; }
  double scale() const { return scale_; }
  double halfLength() const { return halfLength_; }

  // Body view side of a point: +1 (drawn at +x) when y is at most half the
  // hull length, -1 (drawn mirrored) aft of that.
  int BodySide(double y) const { return y <= halfLength_ ? 1 : -1; }

  // The view's horizontal and vertical model coordinates, before scaling
  // (body: side * x and z; plan: y and x; profile: y and z; perspective:
  // the projected X and Y of side sgn).
  void ViewCoordinates(double x, double y, double z, int sgn, double& h, double& v) const;

  // Logical position. sgn is the perspective side (+1 stored, -1 mirror);
  // in the body view it is ignored and the side rule decides.
  LogicalPoint Project(double x, double y, double z, int sgn = 1) const {
    double h, v;
    ViewCoordinates(x, y, z, sgn, h, v);
    return {RoundClamped(scale_ * h), RoundClamped(scale_ * v)};
  }
  // Body view with the side given instead of taken from y (stations are
  // drawn whole on the side their number gives).
  LogicalPoint ProjectBodyOnSide(double x, double z, int side) const {
    return {RoundClamped(scale_ * side * x), RoundClamped(scale_ * z)};
  }

 private:
  ViewId view_;
  double scale_;
  double halfLength_;
  PerspectiveProjection perspective_;
};

}  // namespace skelmora
