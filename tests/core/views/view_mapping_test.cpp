#include "views/view_mapping.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/views/view_fixtures.h"

namespace skelmora {
namespace {

using viewtest::Boat;
using viewtest::Hull;

TEST(FittedMapping, ScaleOriginAndMarginsOfEachView) {
  ViewFitBoxes fit;
  fit.X0 = -10, fit.X1 = 10, fit.Z0 = -5, fit.Z1 = 5;
  fit.PY0 = 0, fit.PY1 = 100, fit.PX0 = -10, fit.PX1 = 10;
  fit.FY0 = 0, fit.FY1 = 100, fit.FZ0 = -5, fit.FZ1 = 20;
  fit.QX0 = -10, fit.QX1 = 10, fit.QY0 = -5, fit.QY1 = 5;
  struct Case {
    ViewId view;
    double scale, ppl, originX, originY;
  } cases[] = {
      // s = 1 / max(20 / 400, 10 / 300); half-width 1.1 * 20 * 10 onto 200
      // wins over the height 200 onto 300; z = 0 at 300 * 5 / 10.
      {kBodyView, 20.0, 200.0 / 220.0, 200.0, 150.0},
      // s = 1 / max(100 / 400, 10 / 300); 440 onto 400 wins over 44 onto 150.
      {kPlanView, 4.0, 400.0 / 440.0, 20.0, 150.0},
      // The plan's scale; 440 onto 400 wins over 1.1 * 4 * 20 = 88 onto 150.
      {kProfileView, 4.0, 400.0 / 440.0, 20.0, 150.0},
      // s = 1 / max(2 * 10 / 400, 10 / 300); 440 onto 400 over 220 onto 300.
      {kPerspectiveView, 20.0, 400.0 / 440.0, 200.0, 150.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.view);
    const ViewMapping m = FittedMapping(c.view, fit, 400, 300);
    EXPECT_DOUBLE_EQ(m.scale, c.scale);
    EXPECT_DOUBLE_EQ(m.pixelsPerLogical, c.ppl);
    EXPECT_DOUBLE_EQ(m.originX, c.originX);
    EXPECT_DOUBLE_EQ(m.originY, c.originY);
  }
}

TEST(FittedMapping, HeightDecidesAndProfileBoxCanBeTheLimit) {
  ViewFitBoxes fit;
  // Body: a deep narrow hull; the height (Z1 - Z0) / h decides the scale.
  fit.X0 = -1, fit.X1 = 1, fit.Z0 = -10, fit.Z1 = 30;
  ViewMapping body = FittedMapping(kBodyView, fit, 400, 200);
  EXPECT_DOUBLE_EQ(body.scale, 5.0);
  EXPECT_DOUBLE_EQ(body.pixelsPerLogical, 1.0);  // s * 40 = 200 onto 200
  EXPECT_DOUBLE_EQ(body.originY, 150.0);          // 200 * 30 / 40 from the top
  // Profile: tall z range; the profile box's height onto h / 2 wins.
  fit.PY1 = 100, fit.PX1 = 10, fit.FY1 = 100, fit.FZ1 = 100;
  ViewMapping profile = FittedMapping(kProfileView, fit, 400, 300);
  EXPECT_DOUBLE_EQ(profile.scale, 4.0);
  EXPECT_DOUBLE_EQ(profile.pixelsPerLogical, 150.0 / 440.0);
}

TEST(FittedMapping, HullAboveTheWaterlineHasZeroOnTheBottomEdge) {
  Hull hull = nets::MakeHull(6, 4, 3, 3, [](double s, double t) {
    return nets::V(8 * std::sin(nets::kPi * s) * t, 60 * s, 2 + 6 * t);
  });
  ViewState state;
  state.view = kBodyView;
  state.clientWidth = 500;
  state.clientHeight = 320;
  const ViewMapping& m = SetUpView(hull.d(), hull.s(), state);
  EXPECT_GT(hull.s().fit.Z0, 0.0);
  EXPECT_DOUBLE_EQ(m.DeviceY(0), 320.0);
  // The sheer (z = 8) is inside the window, below its top edge.
  const double sheer = m.DeviceY(RoundClamped(8 * m.scale));
  EXPECT_GT(sheer, 0.0);
  EXPECT_LT(sheer, 320.0);
}

TEST(FittedMapping, DegenerateBoxesGiveAFiniteMapping) {
  const ViewFitBoxes empty;
  for (ViewId view : {kBodyView, kPlanView, kProfileView, kPerspectiveView}) {
    for (int size : {0, 200}) {
      const ViewMapping m = FittedMapping(view, empty, size, size);
      EXPECT_TRUE(std::isfinite(m.scale) && m.scale > 0) << view;
      EXPECT_TRUE(std::isfinite(m.pixelsPerLogical) && m.pixelsPerLogical > 0) << view;
      EXPECT_TRUE(std::isfinite(m.originX) && std::isfinite(m.originY)) << view;
    }
  }
}

TEST(ViewMapping, MousePointsRoundTrip) {
  ViewMapping m;
  m.originX = 37.5;
  m.originY = 410.0;
  m.pixelsPerLogical = 0.8;
  for (LogicalPoint p : {LogicalPoint{0, 0}, LogicalPoint{-120, 33}, LogicalPoint{500, -260}}) {
    EXPECT_EQ(m.ToLogical(m.DeviceX(p.x), m.DeviceY(p.y)), p);
  }
  // y points up: a point higher on the screen is larger in y.
  EXPECT_GT(m.ToLogical(100, 10).y, m.ToLogical(100, 200).y);
}

class ZoomTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.view = kPlanView;
    state.clientWidth = 400;
    state.clientHeight = 200;
    SetUpView(hull.d(), hull.s(), state);
  }
  Hull hull = Boat();
  ViewState state;
};

TEST_F(ZoomTest, ZeroWidthOrHeightLeavesZoom) {
  for (auto [a, b] : {std::pair{LogicalPoint{10, 5}, LogicalPoint{10, 80}},
                      std::pair{LogicalPoint{10, 5}, LogicalPoint{90, 5}}}) {
    hull.d().ViewZoomed[kPlanView] = true;
    hull.d().ExtentsValid = true;
    EXPECT_FALSE(ApplyZoomRectangle(hull.d(), hull.s(), state, a, b));
    EXPECT_FALSE(hull.d().ViewZoomed[kPlanView]);
    EXPECT_FALSE(hull.d().ExtentsValid);
  }
}

TEST_F(ZoomTest, RectangleBecomesTheBoxAndFillsTheWindow) {
  const double s = state.scale;
  state.scrollX = 30;
  ASSERT_TRUE(ApplyZoomRectangle(hull.d(), hull.s(), state, {100, 60}, {20, 20}));
  EXPECT_TRUE(hull.d().ViewZoomed[kPlanView]);
  EXPECT_EQ(state.scrollX, 0);
  const ViewFitBoxes& fit = hull.s().fit;
  EXPECT_DOUBLE_EQ(fit.PY0, 20 / s);
  EXPECT_DOUBLE_EQ(fit.PY1, 100 / s);
  EXPECT_DOUBLE_EQ(fit.PX0, 20 / s);
  EXPECT_DOUBLE_EQ(fit.PX1, 60 / s);
  // 80 / s by 40 / s onto 400 by 200: both ratios are 5 * s.
  EXPECT_DOUBLE_EQ(state.scale, 5 * s);

  // A later paint keeps the box even with the extents stale, and puts its
  // lower-left corner at the window's lower-left.
  InvalidateExtents(hull.d());
  const ViewMapping& m = SetUpView(hull.d(), hull.s(), state);
  EXPECT_DOUBLE_EQ(hull.s().fit.PY0, 20 / s);
  EXPECT_NEAR(m.DeviceX(state.scale * fit.PY0), 0.0, 1e-9);
  EXPECT_NEAR(m.DeviceY(state.scale * fit.PX0), 200.0, 1e-9);
  EXPECT_NEAR(m.DeviceX(state.scale * fit.PY1), 400.0, 1e-9);

  // Scrolling shifts the picture by the scroll position in logical units.
  state.scrollX = 25;
  const ViewMapping scrolled = SetUpView(hull.d(), hull.s(), state);
  EXPECT_NEAR(scrolled.DeviceX(state.scale * fit.PY0 + 25), 0.0, 1e-9);

  ZoomOff(hull.d(), state);
  EXPECT_FALSE(hull.d().ViewZoomed[kPlanView]);
  SetUpView(hull.d(), hull.s(), state);
  EXPECT_FLOAT_EQ(hull.s().fit.PY1, 100.0f);  // refitted to the net
}

TEST_F(ZoomTest, FarCornersLimitTheScaleTo32000) {
  // A box whose left edge lies 3000 logical units out, shrunk a hundredfold:
  // the plain scale would put that edge at 300000.
  state.scale = 1.0;
  ASSERT_TRUE(ApplyZoomRectangle(hull.d(), hull.s(), state, {3000, 1}, {3004, 3}));
  EXPECT_DOUBLE_EQ(state.scale, 32000.0 / 3000.0);
  // Lower edge: the same for the vertical axis.
  ASSERT_TRUE(ApplyZoomRectangle(hull.d(), hull.s(), state, {1, -5000}, {3, -4998}));
  EXPECT_DOUBLE_EQ(state.scale, 32000.0 / (5000.0 / (32000.0 / 3000.0)));
}

TEST(FitHullToWindows, ClearsEveryViewsZoom) {
  HullDesign design;
  design.ViewZoomed = {true, true, true, true};
  ViewState views[4];
  ViewState* open[] = {&views[0], &views[2]};
  views[0].view = kBodyView;
  views[2].view = kProfileView;
  design.ExtentsValid = true;
  FitHullToWindows(design, open);
  EXPECT_FALSE(design.ViewZoomed[kBodyView]);
  EXPECT_TRUE(design.ViewZoomed[kPlanView]);
  EXPECT_FALSE(design.ViewZoomed[kProfileView]);
  EXPECT_FALSE(design.ExtentsValid);
}

TEST(VertexSquareHalfSize, SevenThousandthsOfTheWidthAtLeastThreeInTheBodyView) {
  ViewMapping m;
  m.clientWidth = 1000;
  EXPECT_EQ(VertexSquareHalfSize(kPlanView, m), 7);
  m.clientWidth = 300;  // 2.1
  EXPECT_EQ(VertexSquareHalfSize(kPlanView, m), 2);
  EXPECT_EQ(VertexSquareHalfSize(kBodyView, m), 3);
}

TEST(ReadoutText, TwoDecimals) {
  EXPECT_EQ(ReadoutText("x=", 12.345678), "x=12.35");
  EXPECT_EQ(ReadoutText("y=", -0.5), "y=-0.50");
}

}  // namespace
}  // namespace skelmora
