// The spreadsheet's drawing: what it holds per view, a window that keeps
// the box's proportions even for a flat line, and picking back to model
// coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fairing/spreadsheet_drawing.h"

namespace skelmora {
namespace {

TEST(SheetDrawing, AxesVerticesAndNumbersPerView) {
  HullDesign colors;
  const std::vector<PlanePoint> points = {{0, -5}, {20, 0}, {30, 10}};
  SheetDrawing d;
  BuildSheetDrawing(points, kBodyView, colors, 400, 300, d);
  ASSERT_EQ(d.list.squares().size(), 3u);
  EXPECT_EQ(d.list.squares()[1].color, colors.MarkerColor);
  EXPECT_EQ(d.list.labels().front().text, "Lwl");
  EXPECT_EQ(d.list.labels().back().text, "2");
  // The net polyline in NetColor through the three vertices.
  const Polyline& net = d.list.polylines().back();
  EXPECT_EQ(net.color, colors.NetColor);
  EXPECT_EQ(net.count, 3u);
  // The window holds every vertex, in the box's proportions.
  EXPECT_NEAR((d.top - d.bottom) / (d.right - d.left), 0.75, 1e-12);
  for (const PlanePoint& p : points) {
    EXPECT_GT(p.h * d.scaleH, d.left);
    EXPECT_LT(p.h * d.scaleH, d.right);
    EXPECT_GT(p.v * d.scaleV, d.bottom);
    EXPECT_LT(p.v * d.scaleV, d.top);
  }
  BuildSheetDrawing(points, kPlanView, colors, 400, 300, d);
  EXPECT_EQ(d.list.labels().front().text, "Ctr");
}

TEST(SheetDrawing, FlatLineStillGetsAWindow) {
  HullDesign colors;
  // A stem: every half-breadth 0.
  const std::vector<PlanePoint> stem = {{0, -5}, {0, 10}, {0, 31}};
  SheetDrawing d;
  BuildSheetDrawing(stem, kBodyView, colors, 300, 450, d);
  EXPECT_TRUE(std::isfinite(d.scaleH));
  EXPECT_GT(d.right - d.left, 0.0);
  EXPECT_GT(d.top - d.bottom, 0.0);
  EXPECT_TRUE(std::isfinite(d.pixelsPerLogical));
  // Nothing at all still gives a window.
  BuildSheetDrawing({}, kProfileView, colors, 0, 0, d);
  EXPECT_GT(d.right - d.left, 0.0);
  EXPECT_GT(d.top - d.bottom, 0.0);
}

TEST(SheetDrawing, PickingAndTheModelPointOfAMousePosition) {
  HullDesign colors;
  const std::vector<PlanePoint> points = {{0, 0}, {10, 5}, {10.0001, 5}};
  SheetDrawing d;
  BuildSheetDrawing(points, kProfileView, colors, 500, 500, d);
  const double x = 10 * d.scaleH, y = 5 * d.scaleV;
  // The first of two coincident markers is picked.
  EXPECT_EQ(PickSheetVertex(d, points, x + kSheetMarkerHalf - 1, y - kSheetMarkerHalf + 1), 1);
  EXPECT_EQ(PickSheetVertex(d, points, x + 3 * kSheetMarkerHalf, y), -1);
  const PlanePoint back = SheetModelPoint(d, x, y);
  EXPECT_NEAR(back.h, 10.0, 1e-9);
  EXPECT_NEAR(back.v, 5.0, 1e-9);
}

}  // namespace
}  // namespace skelmora
