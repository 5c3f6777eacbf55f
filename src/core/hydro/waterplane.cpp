#include "hydro/waterplane.h"

#include <cmath>

namespace skelmora {

std::optional<WaterplaneMoments> WaterplaneOf(const HullDesign& design, const Surface& surface,
                                              CutBuffers& cuts) {
  const CutResult cut = CutWaterline(design, surface, cuts, 0.0);
  // One side, along each segment with x (half-breadth) and y linear in the
  // step h: the integrals of x, x y, x^3 and x y^2 over y, exact.
  double area = 0.0, moment = 0.0, cubes = 0.0, squares = 0.0;
  ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
    for (int k = first; k < last; ++k) {
      const double x0 = points[k].x, x1 = points[k + 1].x;
      const double y0 = points[k].y, y1 = points[k + 1].y;
      const double h = y1 - y0;
      area += h * (x0 + x1) / 2.0;
      moment += h * (2.0 * x0 * y0 + x0 * y1 + x1 * y0 + 2.0 * x1 * y1) / 6.0;
      cubes += h * (x0 + x1) * (x0 * x0 + x1 * x1) / 4.0;
      // x y^2 is cubic along the segment: Simpson's rule is exact.
      const double xm = (x0 + x1) / 2.0, ym = (y0 + y1) / 2.0;
      squares += h * (x0 * y0 * y0 + 4.0 * xm * ym * ym + x1 * y1 * y1) / 6.0;
    }
  });
  // The walk's direction sets the sign; the area is positive.
  if (area < 0.0) {
    area = -area;
    moment = -moment;
    cubes = -cubes;
    squares = -squares;
  }
  if (!(area > 1e-9)) return std::nullopt;
  WaterplaneMoments w;
  w.area = 2.0 * area;
  w.lcf = moment / area;
  w.transverse = 2.0 * cubes / 3.0;
  w.longitudinal = 2.0 * squares - w.area * w.lcf * w.lcf;
  if (!std::isfinite(w.lcf) || !std::isfinite(w.transverse) || !std::isfinite(w.longitudinal)) {
    return std::nullopt;
  }
  return w;
}

}  // namespace skelmora
