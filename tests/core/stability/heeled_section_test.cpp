// Heeled station outlines and what they displace.
#include "stability/heeled_section.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/stability/stability_fixtures.h"

namespace skelmora {
namespace {

using test::MakeBox;
using test::StabilityHull;

HeeledSection Outline(std::initializer_list<std::pair<double, double>> points) {
  HeeledSection s;
  s.empty = false;
  int k = 0;
  for (const auto& [x, z] : points) {
    s.x[k] = x;
    s.z[k] = z;
    ++k;
  }
  s.last = k - 1;
  return s;
}

TEST(HeeledSection, UprightBoxIsClosedAcrossTheDeckAndMirrored) {
  StabilityHull hull;
  MakeBox(hull);
  const CutResult cut = CutStation(hull.d(), *hull.surface, *hull.cuts, 120.0);
  HeeledSection s;
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 0.0, 120.0, 0.0, s);
  ASSERT_FALSE(s.empty);
  const int f = cut.last + 6;
  ASSERT_EQ(s.last, 2 * f + 1);
  EXPECT_DOUBLE_EQ(s.x[0], 0.0);
  EXPECT_DOUBLE_EQ(s.z[0], -18.0);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_NEAR(s.x[cut.last + k], 48.0 - k * 8.0, 1e-9);
    EXPECT_NEAR(s.z[cut.last + k], 30.0, 1e-9);
  }
  for (int c = 0; c <= f; ++c) {
    EXPECT_EQ(s.x[f + 1 + c], -s.x[f - c]);
    EXPECT_EQ(s.z[f + 1 + c], s.z[f - c]);
  }
  const SectionArea area = HeeledSectionArea(s);
  EXPECT_NEAR(area.area, 96.0 * 18.0, 1e-6);
  EXPECT_NEAR(area.breadth, 96.0, 1e-6);
  EXPECT_NEAR(area.xc, 0.0, 1e-9);
  EXPECT_NEAR(area.zc, -9.0, 1e-9);
  const SectionGirth girth = HeeledSectionGirth(s);
  EXPECT_NEAR(girth.girth, 96.0 + 2 * 18.0, 1e-6);
  EXPECT_DOUBLE_EQ(girth.lowestZ, -18.0);
}

TEST(HeeledSection, TurnedAndSunkBoxKeepsItsArea) {
  StabilityHull hull;
  MakeBox(hull);
  HeeledSection s;
  // Heeled 10 deg the box is wall-sided; lifted by 5 it floats 5 higher.
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 10.0, 120.0, 0.0, s);
  EXPECT_NEAR(HeeledSectionArea(s).area, 96.0 * 18.0, 1e-6);
  const double phi = 10.0 * kDegreesToRadians;
  EXPECT_NEAR(HeeledSectionArea(s).breadth, 96.0 / std::cos(phi), 1e-6);
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 10.0, 120.0, 5.0, s);
  EXPECT_NEAR(HeeledSectionArea(s).area, 96.0 * (18.0 - 5.0 / std::cos(phi)), 1e-6);
}

// A degree-1 box 240 long, 96 wide, draft 18, freeboard 30, built from the
// three rows given as (x, y offset, z).
void BoxFromRows(test::Hull& hull, const double rows[3][3], int divisions = 50) {
  HullDesign& d = hull.d();
  d.Units = kInches;
  d.LastColumn = 1;
  d.LastRow = 2;
  d.WaterlineTension = 1;
  d.StationTension = 1;
  d.ColumnDivisions = divisions;
  d.RowDivisions = divisions;
  for (int c = 0; c <= 1; ++c) {
    for (int r = 0; r <= 2; ++r) {
      d.Net[c][r] = Vertex{float(rows[r][0]), float(c * 240.0 + rows[r][1]), float(rows[r][2]),
                           1.0f};
    }
  }
  hull.Rebuild();
}

TEST(HeeledSection, LastPointOnTheCentrelineGetsNoDeck) {
  // The sheer row drawn back to the centreline.
  const double rows[3][3] = {{0, 0, -18}, {48, 0, -18}, {0, 0, 30}};
  test::Hull hull;
  BoxFromRows(hull, rows);
  const CutResult cut = CutStation(hull.d(), *hull.surface, *hull.cuts, 120.0);
  ASSERT_GT(cut.last, 0);
  HeeledSection s;
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 0.0, 120.0, 0.0, s);
  EXPECT_EQ(s.last, 2 * cut.last + 1);
  EXPECT_NEAR(s.x[cut.last], 0.0, 1e-6);
  EXPECT_NEAR(s.z[cut.last], 30.0, 1e-6);
}

TEST(HeeledSection, LongCutIsThinnedWithinTheArrays) {
  // The sheer raked 120 aft: a station runs diagonally across the side's
  // quads, about 300 points on a 200 x 200 grid.
  const double rows[3][3] = {{0, 0, -18}, {48, 0, -18}, {48, 120, 30}};
  test::Hull hull;
  BoxFromRows(hull, rows, 200);
  const CutResult cut = CutStation(hull.d(), *hull.surface, *hull.cuts, 180.0);
  ASSERT_GT(cut.last, kHeeledCutLast);
  HeeledSection s;
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 0.0, 180.0, 0.0, s);
  EXPECT_EQ(s.last, 2 * (kHeeledCutLast + 6) + 1);
  EXPECT_LT(s.last, kHeeledSectionCapacity);
  // Both ends of the cut are kept: the keel and the sheer.
  EXPECT_NEAR(s.x[0], 0.0, 1e-6);
  EXPECT_NEAR(s.x[kHeeledCutLast], 48.0, 1e-6);
  EXPECT_NEAR(s.z[kHeeledCutLast], 30.0, 1e-3);
  EXPECT_NEAR(HeeledSectionArea(s).area, 96.0 * 18.0, 0.1);
}

TEST(HeeledSection, StationOffTheHullDisplacesNothing) {
  StabilityHull hull;
  MakeBox(hull);
  HeeledSection s;
  BuildHeeledSection(hull.d(), *hull.surface, *hull.cuts, 20.0, 500.0, 0.0, s);
  EXPECT_TRUE(s.empty);
  const SectionArea area = HeeledSectionArea(s);
  EXPECT_EQ(area.area, 0.0);
  EXPECT_EQ(area.breadth, 0.0);
  EXPECT_EQ(HeeledSectionGirth(s).girth, 0.0);
}

TEST(HeeledSection, CrossingsAndSubmergedDeckByHand) {
  // A square 2 wide from z = -1 to z = 1 around x = 0..2, walked
  // counter-clockwise: bottom out, side up, top back, side down.
  const HeeledSection square = Outline({{0, -1}, {2, -1}, {2, 1}, {0, 1}});
  const SectionArea a = HeeledSectionArea(square);
  EXPECT_DOUBLE_EQ(a.area, 2.0);      // the part below z = 0
  EXPECT_DOUBLE_EQ(a.breadth, 2.0);   // crossings at x = 2 and x = 0
  EXPECT_DOUBLE_EQ(a.xc, 1.0);
  EXPECT_DOUBLE_EQ(a.zc, -0.5);      // the strip's quarter of its summed depths
  const SectionGirth g = HeeledSectionGirth(square);
  EXPECT_DOUBLE_EQ(g.girth, 2.0 + 1.0 + 1.0);
  EXPECT_DOUBLE_EQ(g.lowestZ, -1.0);

  // Wholly under water: the top, walked back in -x, subtracts.
  const HeeledSection sunk = Outline({{0, -3}, {2, -3}, {2, -1}, {0, -1}});
  EXPECT_DOUBLE_EQ(HeeledSectionArea(sunk).area, 2.0 * 3.0 - 2.0 * 1.0);
  EXPECT_DOUBLE_EQ(HeeledSectionArea(sunk).breadth, 0.0);
  EXPECT_DOUBLE_EQ(HeeledSectionGirth(sunk).girth, 8.0);

  // A point exactly on the waterline still bounds a strip below it.
  const HeeledSection touching = Outline({{0, 0}, {2, -2}, {2, 0}});
  EXPECT_DOUBLE_EQ(HeeledSectionArea(touching).area, 2.0);
}

}  // namespace
}  // namespace skelmora

namespace skelmora {
namespace {

TEST(HeeledSection, BodySectionsSpanTheWaterline) {
  test::StabilityHull hull;
  test::MakeBox(hull);
  const std::vector<HeeledSection> body = UprightBodySections(hull.d(), *hull.surface, *hull.cuts);
  ASSERT_EQ(body.size(), 21u);
  // The bow station lies on the flat bow and cuts nothing; the others are
  // the whole closed box.
  EXPECT_TRUE(body[0].empty);
  for (size_t i = 1; i < body.size(); ++i) {
    EXPECT_NEAR(HeeledSectionArea(body[i]).area, 96.0 * 18.0, 1e-6) << i;
  }
  test::StabilityHull dry;
  test::MakePrism(dry, test::PrismShape{.draft = -10.0});
  for (const HeeledSection& s : UprightBodySections(dry.d(), *dry.surface, *dry.cuts)) {
    EXPECT_TRUE(s.empty);
  }
}

}  // namespace
}  // namespace skelmora
