#include "render/render_view.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

int32_t RenderQualitySteps(int qualityIndex) {
  switch (qualityIndex) {
    case 1: return 20;
    case 2: return 75;
    default: return 10;
  }
}

float SliderDiffuse(int position) {
  return static_cast<float>(std::clamp(position, 0, 100)) / 100.0f;
}

void ResetRenderView(RenderViewState& view, int red, int green, int blue) {
  view = RenderViewState{};
  view.QualitySteps = RenderQualitySteps(0);
  view.HullDiffuse = {SliderDiffuse(red), SliderDiffuse(green), SliderDiffuse(blue)};
}

void ApplyRenderButton(RenderViewState& view, RenderButton button) {
  auto& [tx, ty, tz] = view.ViewShift;
  auto& [pitch, yaw, roll] = view.ViewAngles;
  auto& [lx, ly, lz] = view.LightPosition;
  // The values have no limits of their own; saturate rather than overflow
  // however long a button is held.
  auto add = [](int32_t& value, int32_t step) {
    const int64_t sum = static_cast<int64_t>(value) + step;
    value = static_cast<int32_t>(std::clamp<int64_t>(sum, -1000000000, 1000000000));
  };
  switch (button) {
    case RenderButton::lightupbtn: add(lz, 20); break;
    case RenderButton::lightdownbtn: add(lz, -20); break;
    case RenderButton::lightleftbtn: add(ly, 10); break;
    case RenderButton::lightrightbtn: add(ly, -10); break;
    case RenderButton::zoomin: add(tz, 20); break;
    case RenderButton::zoomout: add(tz, -20); break;
    case RenderButton::moveup: add(ty, 10); break;
    case RenderButton::movedown: add(ty, -10); break;
    case RenderButton::moveleft: add(tx, -10); break;
    case RenderButton::moveright: add(tx, 10); break;
    case RenderButton::up: add(pitch, 5); break;
    case RenderButton::down: add(pitch, -5); break;
    case RenderButton::left: add(yaw, 5); break;
    case RenderButton::right: add(yaw, -5); break;
    case RenderButton::rollleft: add(roll, 5); break;
    case RenderButton::rollright: add(roll, -5); break;
  }
}

void BuildRenderControlPoints(const Surface& surface, RenderControlPoints& points) {
  points.valid = false;
  points.pointValues = 0;
  const WorkingNet& working = surface.working;
  const KnotVectors& knots = surface.knots;
  const int cw = ClampIndex(working.lastColumn);
  const int rw = ClampIndex(working.lastRow);
  const float length = static_cast<float>(surface.extents.hullLength);
  // The knots must belong to this net, or the counts below would not match it.
  if (cw < 1 || rw < 1 || knots.lastColumn != cw || knots.lastRow != rw ||
      knots.degreeU < 1 || knots.degreeV < 1 || !std::isfinite(length) || !(length > 0.0f)) {
    return;
  }
  const float s = kRenderHullLength / length;
  if (!std::isfinite(s)) return;
  points.scale = s;
  points.pivotZ = -s * static_cast<float>(0.5 * (surface.extents.smallestY + length));
  if (!std::isfinite(points.pivotZ)) points.pivotZ = 0.0f;

  size_t k = 0;
  for (int c = 0; c <= cw; ++c) {
    for (int r = 0; r <= rw; ++r) {
      const Vertex& v = working.net[c][r];
      points.hull[k++] = s * v.x;
      points.hull[k++] = s * v.z;
      points.hull[k++] = -s * v.y;
      points.hull[k++] = 1.0f;
    }
  }
  k = 0;
  for (int c = cw; c >= 0; --c) {
    for (int r = rw; r >= 0; --r) {
      const Vertex& v = working.net[c][r];
      points.mirror[k++] = -s * v.x;
      points.mirror[k++] = s * v.z;
      points.mirror[k++] = -s * v.y;
      points.mirror[k++] = 1.0f;
    }
  }
  points.pointValues = static_cast<int32_t>(k);
  points.uKnotCount = cw + knots.degreeU + 2;
  points.vKnotCount = rw + knots.degreeV + 2;
  std::copy_n(knots.u.begin(), points.uKnotCount, points.uKnots.begin());
  std::copy_n(knots.v.begin(), points.vKnotCount, points.vKnots.begin());
  points.uStride = (rw + 1) * 4;
  points.vStride = 4;
  points.uOrder = knots.degreeU + 1;
  points.vOrder = knots.degreeV + 1;
  points.valid = true;
}

PrintPlacement PlacePrintedImage(int pageWidth, int pageHeight) {
  PrintPlacement p;
  if (pageWidth <= 0 || pageHeight <= 0) return p;
  const double f = std::min(pageHeight / 490.0, pageWidth / 665.0);
  p.width = std::min(RoundClamped(665.0 * f), pageWidth);
  p.height = std::min(RoundClamped(490.0 * f), pageHeight);
  p.left = (pageWidth - p.width) / 2;
  p.top = (pageHeight - p.height) / 2;
  return p;
}

}  // namespace skelmora
