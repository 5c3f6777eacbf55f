// The realistic window's data: the control points of the two surfaces, the
// view values its buttons change, and the printed picture's place.
#include <gtest/gtest.h>

#include <cmath>

#include "core/surface/test_nets.h"
#include "render/render_view.h"

namespace skelmora {
namespace {

TEST(RenderControlPoints, MapAxesScaleToFiveHundredAndIgnoreWeights) {
  // Weights other than 1 everywhere: the renderer gets the unweighted net.
  nets::Hull hull = nets::MakeHull(6, 4, 3, 2, [](double s, double t) {
    Vertex v = nets::BoatVertex(s, t);
    v.w = static_cast<float>(0.5 + s + t);
    return v;
  });
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(hull.s(), *points);
  ASSERT_TRUE(points->valid);
  const float s = 500.0f / static_cast<float>(hull.s().extents.hullLength);
  EXPECT_FLOAT_EQ(points->scale, s);
  const WorkingNet& w = hull.s().working;
  const int cw = w.lastColumn, rw = w.lastRow;
  ASSERT_EQ(points->pointValues, (cw + 1) * (rw + 1) * 4);
  for (int c = 0; c <= cw; ++c) {
    for (int r = 0; r <= rw; ++r) {
      const Vertex& v = w.net[c][r];
      const float* p = &points->hull[static_cast<size_t>((c * (rw + 1) + r) * 4)];
      EXPECT_FLOAT_EQ(p[0], s * v.x);
      EXPECT_FLOAT_EQ(p[1], s * v.z);
      EXPECT_FLOAT_EQ(p[2], -s * v.y);
      EXPECT_EQ(p[3], 1.0f);
      // The mirror runs both directions backwards with the half-breadth negated.
      const float* m =
          &points->mirror[static_cast<size_t>(((cw - c) * (rw + 1) + (rw - r)) * 4)];
      EXPECT_FLOAT_EQ(m[0], -s * v.x);
      EXPECT_FLOAT_EQ(m[1], s * v.z);
      EXPECT_FLOAT_EQ(m[2], -s * v.y);
      EXPECT_EQ(m[3], 1.0f);
    }
  }
  // The bow (y = 0) at Z = 0, the hull 500 long towards negative Z.
  EXPECT_FLOAT_EQ(points->hull[2], 0.0f);
  EXPECT_NEAR(points->hull[static_cast<size_t>(cw * (rw + 1) * 4 + 2)], -500.0f, 1e-3f);

  const KnotVectors& k = hull.s().knots;
  EXPECT_EQ(points->uKnotCount, cw + k.degreeU + 2);
  EXPECT_EQ(points->vKnotCount, rw + k.degreeV + 2);
  EXPECT_EQ(points->uOrder, 4);  // WaterlineTension 3
  EXPECT_EQ(points->vOrder, 3);  // StationTension 2
  EXPECT_EQ(points->uStride, (rw + 1) * 4);
  EXPECT_EQ(points->vStride, 4);
  for (int i = 0; i < points->uKnotCount; ++i) EXPECT_EQ(points->uKnots[i], k.u[i]);
  for (int i = 0; i < points->vKnotCount; ++i) EXPECT_EQ(points->vKnots[i], k.v[i]);
  EXPECT_EQ(points->uKnots[0], 0.0f);
  EXPECT_EQ(points->uKnots[points->uKnotCount - 1], 1.0f);
}

TEST(RenderControlPoints, LargestWorkingNetFillsTheBuffersExactly) {
  // 41 x 41 vertices with ten chines each way expand to the full 51 x 51.
  nets::Hull hull = nets::MakeHull(40, 40, 3, 3, nets::BoatVertex, 50, 50);
  hull.d().ColumnChineCount = 10;
  hull.d().RowChineCount = 10;
  for (int i = 0; i < 10; ++i) {
    hull.d().ColumnChines[i] = 3 + 3 * i;
    hull.d().RowChines[i] = 3 + 3 * i;
  }
  hull.Rebuild();
  ASSERT_EQ(hull.s().working.lastColumn, 50);
  ASSERT_EQ(hull.s().working.lastRow, 50);
  auto points = std::make_unique<RenderControlPoints>();
  points->hull.fill(-7.0f);
  points->mirror.fill(-7.0f);
  BuildRenderControlPoints(hull.s(), *points);
  ASSERT_TRUE(points->valid);
  EXPECT_EQ(static_cast<size_t>(points->pointValues), kRenderPointValues);
  EXPECT_EQ(kRenderPointValues, 51u * 51u * 4u);
  // The last point of each buffer is a whole point with weight 1.
  EXPECT_EQ(points->hull.back(), 1.0f);
  EXPECT_EQ(points->mirror.back(), 1.0f);
}

TEST(RenderControlPoints, NothingToDrawWithoutAHullLength) {
  nets::Hull flat = nets::MakeHull(4, 4, 2, 2, [](double s, double t) {
    return nets::V(10 * s, 0.0, 10 * t);  // every y is 0
  });
  auto points = std::make_unique<RenderControlPoints>();
  BuildRenderControlPoints(flat.s(), *points);
  EXPECT_FALSE(points->valid);
  EXPECT_EQ(points->pointValues, 0);
  EXPECT_TRUE(std::isfinite(points->scale));
}

TEST(RenderView, ShowingResetsTheViewAndTakesTheSliders) {
  RenderViewState view;
  view.QualitySteps = 75;
  view.ViewShift = {1, 2, 3};
  view.ViewAngles = {4, 5, 6};
  view.LightPosition = {7, 8, 9};
  ResetRenderView(view, 0, 50, 100);
  EXPECT_EQ(view.QualitySteps, 10);
  EXPECT_EQ(view.ViewShift, (std::array<int32_t, 3>{-20, -50, -180}));
  EXPECT_EQ(view.ViewAngles, (std::array<int32_t, 3>{20, -20, 0}));
  EXPECT_EQ(view.LightPosition, (std::array<int32_t, 3>{0, 90, 150}));
  EXPECT_EQ(view.HullDiffuse, (std::array<float, 3>{0.0f, 0.5f, 1.0f}));
  EXPECT_EQ(RenderQualitySteps(0), 10);
  EXPECT_EQ(RenderQualitySteps(1), 20);
  EXPECT_EQ(RenderQualitySteps(2), 75);
  EXPECT_EQ(RenderQualitySteps(-1), 10);
}

TEST(RenderView, EachButtonChangesOneValue) {
  struct Case {
    RenderButton button;
    std::array<int32_t, 3> shift, angles, light;
  };
  const std::array<int32_t, 3> s0{-20, -50, -180}, a0{20, -20, 0}, l0{0, 90, 150};
  const Case cases[] = {
      {RenderButton::lightupbtn, s0, a0, {0, 90, 170}},
      {RenderButton::lightdownbtn, s0, a0, {0, 90, 130}},
      {RenderButton::lightleftbtn, s0, a0, {0, 100, 150}},
      {RenderButton::lightrightbtn, s0, a0, {0, 80, 150}},
      {RenderButton::zoomin, {-20, -50, -160}, a0, l0},
      {RenderButton::zoomout, {-20, -50, -200}, a0, l0},
      {RenderButton::moveup, {-20, -40, -180}, a0, l0},
      {RenderButton::movedown, {-20, -60, -180}, a0, l0},
      {RenderButton::moveleft, {-30, -50, -180}, a0, l0},
      {RenderButton::moveright, {-10, -50, -180}, a0, l0},
      {RenderButton::up, s0, {25, -20, 0}, l0},
      {RenderButton::down, s0, {15, -20, 0}, l0},
      {RenderButton::left, s0, {20, -15, 0}, l0},
      {RenderButton::right, s0, {20, -25, 0}, l0},
      {RenderButton::rollleft, s0, {20, -20, 5}, l0},
      {RenderButton::rollright, s0, {20, -20, -5}, l0},
  };
  for (const Case& c : cases) {
    RenderViewState view;
    ApplyRenderButton(view, c.button);
    EXPECT_EQ(view.ViewShift, c.shift) << static_cast<int>(c.button);
    EXPECT_EQ(view.ViewAngles, c.angles) << static_cast<int>(c.button);
    EXPECT_EQ(view.LightPosition, c.light) << static_cast<int>(c.button);
  }
  // Zooming has no limit of its own: far past the near plane is allowed.
  RenderViewState view;
  for (int i = 0; i < 100; ++i) ApplyRenderButton(view, RenderButton::zoomin);
  EXPECT_EQ(view.ViewShift[2], 1820);
}

TEST(PrintPlacement, LargestFitKeepsProportionsCentred) {
  struct Case {
    int W, H;
    PrintPlacement expected;
  };
  const Case cases[] = {
      // Portrait: the width limits; centred vertically.
      {6650, 9000, {0, (9000 - 4900) / 2, 6650, 4900}},
      // Landscape: the height limits; centred horizontally.
      {9000, 4900, {(9000 - 6650) / 2, 0, 6650, 4900}},
      {665, 490, {0, 0, 665, 490}},
      // A4 at 1200 dpi less margins, both ways.
      {9354, 13470, {0, 3289, 9354, 6892}},
      {13470, 9354, {387, 0, 12695, 9354}},
      {0, 100, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const PrintPlacement p = PlacePrintedImage(c.W, c.H);
    EXPECT_EQ(p.left, c.expected.left) << c.W << "x" << c.H;
    EXPECT_EQ(p.top, c.expected.top) << c.W << "x" << c.H;
    EXPECT_EQ(p.width, c.expected.width) << c.W << "x" << c.H;
    EXPECT_EQ(p.height, c.expected.height) << c.W << "x" << c.H;
    if (p.height > 0) {
      EXPECT_NEAR(static_cast<double>(p.width) / p.height, 665.0 / 490.0, 2e-3);
    }
  }
}

}  // namespace
}  // namespace skelmora
