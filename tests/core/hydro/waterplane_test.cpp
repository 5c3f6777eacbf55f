#include "hydro/waterplane.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/stability/stability_fixtures.h"

namespace skelmora {
namespace {

using test::MakePrism;
using test::MakeSailboat;
using test::PrismShape;
using test::StabilityHull;

// Box and wedge (240 long, 48 half-breadth at the stern, pointed at the
// bow) against their closed forms: the polylines are straight, so the
// integration is exact.
TEST(Waterplane, BoxAndWedgeMatchTheirClosedForms) {
  struct Case {
    double bowHalfBreadth;
    double area, lcf, transverse, longitudinal;
  };
  const Case cases[] = {
      {1.0, 240.0 * 96.0, 120.0, 2.0 / 3.0 * 48.0 * 48.0 * 48.0 * 240.0,
       96.0 * 240.0 * 240.0 * 240.0 / 12.0},
      {0.0, 240.0 * 48.0, 160.0, 2.0 / 3.0 * 48.0 * 48.0 * 48.0 * 60.0,
       0.1 * std::pow(240.0, 4) - 240.0 * 48.0 * 160.0 * 160.0},
  };
  for (const Case& c : cases) {
    test::Hull hull;
    PrismShape shape;
    shape.bowHalfBreadth = c.bowHalfBreadth;
    MakePrism(hull, shape);
    const auto w = WaterplaneOf(hull.d(), *hull.surface, *hull.cuts);
    ASSERT_TRUE(w) << c.bowHalfBreadth;
    EXPECT_NEAR(w->area, c.area, 1e-6 * c.area) << c.bowHalfBreadth;
    EXPECT_NEAR(w->lcf, c.lcf, 1e-6 * c.lcf) << c.bowHalfBreadth;
    EXPECT_NEAR(w->transverse, c.transverse, 1e-6 * c.transverse) << c.bowHalfBreadth;
    EXPECT_NEAR(w->longitudinal, c.longitudinal, 1e-6 * c.longitudinal) << c.bowHalfBreadth;
  }
}

// The stability run's upright BMt (21 stations by Simpson) and the
// waterplane's over the displaced volume are two integrations of one
// quantity.
TEST(Waterplane, TransverseInertiaAgreesWithTheUprightStabilityRun) {
  StabilityHull hull;
  MakeSailboat(hull);
  ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  const StabilityRun run = hull.Run(10.0, 5.0, -5.0, 150.0);
  ASSERT_TRUE(run.ok);
  const auto w = WaterplaneOf(hull.d(), *hull.surface, *hull.cuts);
  ASSERT_TRUE(w);
  const double bmt = w->transverse / run.targetVolume;
  EXPECT_NEAR(bmt, run.rows[0].bmt, 0.01 * run.rows[0].bmt);
}

TEST(Waterplane, AHullClearOfTheWaterHasNone) {
  test::Hull hull;
  PrismShape shape;
  shape.draft = -5.0;  // the bottom 5 above the waterline
  MakePrism(hull, shape);
  EXPECT_FALSE(WaterplaneOf(hull.d(), *hull.surface, *hull.cuts));
}

}  // namespace
}  // namespace skelmora
