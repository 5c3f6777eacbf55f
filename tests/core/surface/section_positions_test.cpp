#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/surface/test_nets.h"
#include "surface/sections.h"

namespace skelmora {
namespace {

using nets::Hull;
using nets::MakeHull;
using nets::V;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Settings {
  int count;
  double spacing;
};

struct Expected {
  int count;  // of the placement
  double first;
  double spacing;
  Settings written;  // what the design holds afterwards
};

void ExpectPlacement(const SectionPlacement& got, const HullDesign& design, const Expected& want,
                     int32_t HullDesign::*count, double HullDesign::*spacing) {
  EXPECT_EQ(got.count, want.count);
  EXPECT_NEAR(got.first, want.first, 1e-9);
  EXPECT_NEAR(got.spacing, want.spacing, 1e-9);
  EXPECT_EQ(design.*count, want.written.count);
  EXPECT_NEAR(design.*spacing, want.written.spacing, 1e-9);
}

TEST(StationPositions, ByNumberBySpacingAndFromTheOrigin) {
  struct Case {
    Settings set;
    double length, smallestY, bowOffset;
    Expected want;
  } cases[] = {
      {{15, 0}, 100, 0, 0, {15, 6.25, 6.25, {15, 6.25}}},
      {{0, 7}, 100, 0, 0, {14, 7, 7, {14, 7}}},
      {{0, 0}, 100, 0, 0, {1, 100, 100, {1, 100}}},
      {{8, 0}, 100, 4, 6, {8, 20, 10, {8, 10}}},      // origin = 4 + 6
      {{0, 0}, 0, 0, 0, {0, 0, 0, {0, 0}}},           // nothing to divide
      {{-4, 0}, 100, 0, 0, {1, 100, 100, {1, 100}}},  // a negative number counts as 0
      {{5, kNaN}, 60, 0, 0, {5, 10, 10, {5, 10}}},    // an unusable spacing is derived
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.set.count << " " << c.set.spacing << " " << c.length);
    HullDesign design;
    auto surface = std::make_unique<Surface>();
    surface->extents.hullLength = c.length;
    surface->extents.smallestY = c.smallestY;
    design.UserBowOffset = c.bowOffset;
    design.StationCount = c.set.count;
    design.StationSpacing = c.set.spacing;
    CutBuffers buffers;
    const SectionPlacement p = StationPositions(design, *surface, buffers);
    ExpectPlacement(p, design, c.want, &HullDesign::StationCount, &HullDesign::StationSpacing);
  }
}

// Degree 1, so the stem is straight: it runs from y = 8 at the keel
// (z = -1.5) to y = 0 at the sheer (z = 2.5) and meets z = 0 at y = 5.
Hull RakedStemHull(double zShift) {
  Hull hull = MakeHull(10, 4, 1, 1, [&](double s, double t) {
    const double y = s == 0 ? 8.0 * (1 - t) : 100.0 * s;
    return V(s == 0 || s == 1 ? 0.0 : 4.0 * t, y, -1.5 + 4 * t + zShift);
  });
  hull.d().SurfaceAccuracy = 1e-9;
  return hull;
}

TEST(StationPositions, CutwaterReferenceLinesUpWithTheWaterlineForwardEnd) {
  Hull hull = RakedStemHull(0.0);
  CutBuffers buffers;
  EXPECT_NEAR(WaterlineForwardEnd(hull.d(), hull.s(), buffers), 5.0, 1e-6);

  HullDesign& d = hull.d();
  d.StationCount = 9;
  d.StationSpacing = 0;
  SectionPlacement p = StationPositions(d, hull.s(), buffers);
  EXPECT_EQ(p.count, 9);
  EXPECT_DOUBLE_EQ(p.first, 10.0);  // from the origin at y = 0

  d.StationRefCutwater = true;
  p = StationPositions(d, hull.s(), buffers);
  EXPECT_NEAR(p.first, 5.0, 1e-6);
  EXPECT_DOUBLE_EQ(p.spacing, 10.0);
  EXPECT_EQ(p.count, 10);  // room for one more aft of 85
  EXPECT_EQ(d.StationCount, 10);

  d.StationCount = 0;
  d.StationSpacing = 2;  // 5 -> 3 -> 1: the first station one spacing aft of the origin
  p = StationPositions(d, hull.s(), buffers);
  EXPECT_EQ(p.count, 50);
  EXPECT_NEAR(p.first, 1.0, 1e-6);
  EXPECT_NEAR(p.At(3), 5.0, 1e-6);
}

TEST(StationPositions, CutwaterReferenceWithoutAWaterline) {
  Hull hull = RakedStemHull(10.0);  // wholly above z = 0
  CutBuffers buffers;
  EXPECT_EQ(WaterlineForwardEnd(hull.d(), hull.s(), buffers), 1e10);
  hull.d().StationRefCutwater = true;
  hull.d().StationCount = 9;
  const SectionPlacement p = StationPositions(hull.d(), hull.s(), buffers);
  ASSERT_TRUE(std::isfinite(p.first));
  EXPECT_GT(p.first, 0.0);
  EXPECT_LE(p.first, 10.0 + 1e-3);
  EXPECT_GE(p.count, 9);
}

TEST(WaterlinePositions, OnMultiplesOfTheSpacingFromZero) {
  struct Case {
    Settings set;
    double lowest, highest;
    Expected want;
  } cases[] = {
      {{9, 0}, -5.3, 4.0, {9, -5 * 9.3 / 9, 9.3 / 9, {9, 9.3 / 9}}},
      {{0, 2}, -4.0, 5.0, {4, -4, 2, {4, 2}}},  // 4.5 rounds to even
      {{0, 1}, -5.7, 2.0, {8, -5, 1, {8, 1}}},  // 7.7 rounds, 5.7 truncates
      {{0, 0}, -5.3, 4.0, {0, 0, 0, {0, 0}}},   // nothing to derive from
      {{4, 0}, -2.0, -2.0, {0, 0, 0, {4, 0}}},  // no depth
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.set.count << " " << c.set.spacing << " " << c.lowest);
    HullDesign design;
    auto surface = std::make_unique<Surface>();
    surface->extents.lowestZ = c.lowest;
    surface->extents.highestZ = c.highest;
    surface->extents.depth = c.highest - c.lowest;
    design.WaterlineCount = c.set.count;
    design.WaterlineSpacing = c.set.spacing;
    const SectionPlacement p = WaterlinePositions(design, *surface);
    ExpectPlacement(p, design, c.want, &HullDesign::WaterlineCount, &HullDesign::WaterlineSpacing);
  }
}

TEST(WaterlinePositions, SpacingOneFromMinusFivePointThree) {
  HullDesign design;
  auto surface = std::make_unique<Surface>();
  surface->extents.lowestZ = -5.3;
  surface->extents.highestZ = 3.1;
  surface->extents.depth = 8.4;
  design.WaterlineCount = 0;
  design.WaterlineSpacing = 1.0;
  const SectionPlacement p = WaterlinePositions(design, *surface);
  ASSERT_EQ(p.count, 8);
  for (int k = 1; k <= p.count; ++k) EXPECT_DOUBLE_EQ(p.At(k), -6.0 + k) << k;
}

TEST(ButtockPositions, ByNumberAndBySpacing) {
  struct Case {
    Settings set;
    double halfBreadth;
    Expected want;
  } cases[] = {
      {{3, 0}, 10, {3, 2.5, 2.5, {3, 2.5}}},
      {{0, 2}, 10, {4, 2, 2, {4, 2}}},
      {{0, 4}, 10, {2, 4, 4, {2, 4}}},  // 1.5 rounds to even
      {{0, 4.4}, 10, {1, 4.4, 4.4, {1, 4.4}}},
      {{0, 0}, 10, {0, 10, 10, {0, 10}}},   // one spacing across: no buttock fits
      {{3, 0}, 0, {0, 0, 0, {3, 0}}},       // no breadth
      {{0, 25}, 10, {0, 25, 25, {0, 25}}},  // spacing wider than the hull
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.set.count << " " << c.set.spacing << " " << c.halfBreadth);
    HullDesign design;
    auto surface = std::make_unique<Surface>();
    surface->extents.halfBreadth = c.halfBreadth;
    design.ButtockCount = c.set.count;
    design.ButtockSpacing = c.set.spacing;
    const SectionPlacement p = ButtockPositions(design, *surface);
    ExpectPlacement(p, design, c.want, &HullDesign::ButtockCount, &HullDesign::ButtockSpacing);
    if (p.count > 0) {
      EXPECT_DOUBLE_EQ(p.At(p.count), p.count * p.spacing);
    }
  }
}

}  // namespace
}  // namespace skelmora
