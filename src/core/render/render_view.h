// What the realistic hull window draws: the view values its buttons change,
// the control points of the two NURBS surfaces it sends to the rendering
// control (the stored side and its mirror, weights taken as 1), and where a
// printed picture goes on the page. No GL here: the window sends these
// through the control.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "surface/surface.h"

namespace skelmora {

// Sampling steps per parameter direction of the Quality choices
// "Low", "Medium", "High" (index 0, 1, 2); an index out of range is "Low".
int32_t RenderQualitySteps(int qualityIndex);

// The whole hull is drawn this many renderer units long.
constexpr float kRenderHullLength = 500.0f;

struct RenderViewState {
  int32_t QualitySteps = 10;
  std::array<int32_t, 3> ViewShift{-20, -50, -180};    // tx, ty, tz
  std::array<int32_t, 3> ViewAngles{20, -20, 0};       // pitch, yaw, roll (degrees)
  std::array<int32_t, 3> LightPosition{0, 90, 150};    // lx, ly, lz (eye coordinates)
  std::array<float, 3> HullDiffuse{0.8f, 0.8f, 0.8f};  // red, green, blue
};

// What showing the window resets: "Low", the view, the light, and the
// diffuse colour from the slider positions (0..100 each).
void ResetRenderView(RenderViewState& view, int red, int green, int blue);

// A slider position (0..100) as its diffuse component.
float SliderDiffuse(int position);

// The light, zoom, view-position and view-angle buttons, by component name.
enum class RenderButton {
  lightupbtn, lightdownbtn, lightleftbtn, lightrightbtn,
  zoomin, zoomout,
  moveup, movedown, moveleft, moveright,
  up, down, left, right, rollleft, rollright,
};
void ApplyRenderButton(RenderViewState& view, RenderButton button);

// Room for the largest working net, 51 x 51 points of X, Y, Z, W.
constexpr size_t kRenderPointValues = static_cast<size_t>(kNetSize) * kNetSize * 4;

// Everything the two NURBS surface calls take. The points of one working
// column follow each other, then the next column: the first direction
// (along the columns, lengthwise) has stride (Rw + 1) x 4, the second 4.
struct RenderControlPoints {
  std::array<float, kRenderPointValues> hull{};
  std::array<float, kRenderPointValues> mirror{};
  std::array<float, kMaxKnots> uKnots{};
  std::array<float, kMaxKnots> vKnots{};
  int32_t uKnotCount = 0;
  int32_t vKnotCount = 0;
  int32_t uStride = 0;
  int32_t vStride = 4;
  int32_t uOrder = 0;
  int32_t vOrder = 0;
  int32_t pointValues = 0;  // values filled in each buffer
  float scale = 0.0f;       // 500 / hull length
  // Renderer Z of the middle of the hull's length: the view angles turn
  // the hull about the point (0, 0, pivotZ), so it stays in the window.
  float pivotZ = 0.0f;
  // False when there is nothing to draw (no hull length, an empty net).
  bool valid = false;
};

// Renderer coordinates X = s x, Y = s z, Z = -s y with s = 500 / L (single
// precision), L the hull length of the extents. The mirror is the other
// side (x negated) with both directions reversed. Vertex weights are not
// used. pivotZ is -s times the mean of the grid's smallest and largest y.
// Never writes past the buffers; a net whose hull length is not a
// positive finite number leaves the points invalid (nothing is drawn).
void BuildRenderControlPoints(const Surface& surface, RenderControlPoints& points);

// Where a picture of proportions 665 : 490 goes on a page of W x H: the
// largest that fits, centred.
struct PrintPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
PrintPlacement PlacePrintedImage(int pageWidth, int pageHeight);

}  // namespace skelmora
