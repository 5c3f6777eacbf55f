// Righting levers at free trim: on a hull symmetric fore and aft with G
// amidships they are the fixed-trim levers of the stability run; on the
// sailboat they are not, and every heel holds the displacement and B on
// the vertical through G.
#include <algorithm>
#include <cmath>

#include "loading/floating.h"
#include "loading_fixture.h"
#include "model/silent_prompter.h"
#include "stability/stability_run.h"

namespace skelmora {
namespace {

HeelSteps Steps(double most, double step) {
  std::string message;
  return *CheckHeelInputs(most, step, message);
}

// The stability run at fixed trim for the hull as it floats now, G set by hand.
StabilityRun FixedTrim(DesignSession& session, double vcg, double lcg, const HeelSteps& steps) {
  StabilityInputs inputs;
  inputs.heel = steps;
  inputs.manualCentre = true;
  inputs.manualVcg = vcg;
  inputs.manualLcg = lcg;
  SilentPrompter prompter;
  StabilityRecords records = StabilityRecordsOf(session);
  return RunStability(records, inputs, prompter);
}

TEST(FreeTrimLevers, SymmetricHullWithGAmidshipsMatchesTheFixedTrimRun) {
  DesignSession session;
  test_loading::MakeBox(session, 120.0, 24.0, 16.0);  // floats at half its depth
  const double vcg = -3.0, lcg = 60.0;
  const HeelSteps steps = Steps(80.0, 5.0);
  const StabilityRun fixed = FixedTrim(session, vcg, lcg, steps);
  ASSERT_TRUE(fixed.ok);

  // The displacement at the design waterline, where the fixed-trim run
  // floats it upright; the run's case (no ballast) as the stability command
  // would hand it over.
  const FloatingHull hull = BuildFloatingHull(*session.surface, session.design.Units);
  const double volume = CutBelow(hull.soup, {0.0, 0.0, 1.0}, 0.0).below.volume;
  EXPECT_NEAR(volume, 120.0 * 24.0 * 8.0, 1e-7 * volume);
  const ConditionRun run =
      RunCondition(*session.surface, session.design.Units,
                   StabilityCaseCondition(SeawaterWeight(volume, hull.units), vcg, lcg, {}), steps);
  ASSERT_TRUE(run.equilibrium.ok()) << run.equilibrium.message;
  ASSERT_TRUE(run.levers.has_value());
  const LeverCurve& free = *run.levers;
  ASSERT_EQ(free.rows.size(), fixed.rows.size());
  double largest = 0.0;
  for (const StabilityRow& row : fixed.rows) largest = std::max(largest, std::fabs(row.gz));
  ASSERT_GT(largest, 0.0);
  for (size_t p = 0; p < free.rows.size(); ++p) {
    ASSERT_TRUE(free.rows[p].found) << free.rows[p].heel;
    EXPECT_NEAR(free.rows[p].gz, fixed.rows[p].gz, 0.005 * largest) << free.rows[p].heel;
    EXPECT_NEAR(free.rows[p].trimAngle, 0.0, 1e-6) << free.rows[p].heel;
  }
  // Wall-sided until the deck edge goes under at atan(8 / 12) = 33.7 degrees:
  // GZ = sin(phi) (GM + BM tan^2(phi) / 2).
  const double t = 8.0, bm = 24.0 * 24.0 / (12 * t), gm = bm - (vcg - (-8.0 + t / 2));
  for (const LeverRow& row : free.rows) {
    if (row.heel > 33.0) break;
    const double phi = row.heel * kDegreesToRadians;
    EXPECT_NEAR(row.gz, std::sin(phi) * (gm + bm * std::tan(phi) * std::tan(phi) / 2), 1e-6 * 24.0)
        << row.heel;
  }
}

TEST(FreeTrimLevers, SailboatTrimsAsItHeelsAndHoldsItsDisplacement) {
  DesignSession session;
  test_loading::LoadExample(session, "sailboat");
  const HeelSteps steps = Steps(90.0, 10.0);
  const FloatingHull hull = BuildFloatingHull(*session.surface, session.design.Units);
  // G where the upright hull's B is, a little lower: it floats at its
  // design waterline at zero trim.
  const PlaneCut upright = CutBelow(hull.soup, {0.0, 0.0, 1.0}, 0.0);
  const Vec3 b = upright.below.Centroid();
  const double vcg = b.z + 0.3 * (0.0 - hull.keelZ);
  const StabilityRun fixed = FixedTrim(session, vcg, b.y, steps);
  ASSERT_TRUE(fixed.ok);

  LoadingCondition c;
  c.lightship = {"LIGHTSHIP", SeawaterWeight(upright.below.volume, hull.units), b.y, vcg, 0.0};
  const ConditionWeights w = SumCondition(hull, c);
  const Equilibrium e = FindEquilibrium(hull, w);
  ASSERT_TRUE(e.ok()) << e.message;
  EXPECT_NEAR(e.trimAngle, 0.0, 1e-3);
  EXPECT_NEAR(e.draftMid - e.draftFore, 0.0, 1e-3 * hull.Length());
  const LeverCurve free = FreeTrimLevers(hull, w, e, steps);
  double largestDifference = 0.0, largestTrim = 0.0;
  for (size_t p = 0; p < free.rows.size(); ++p) {
    const LeverRow& row = free.rows[p];
    ASSERT_TRUE(row.found) << row.heel;
    EXPECT_NEAR(row.displacement, w.weight, 1e-3 * w.weight) << row.heel;
    EXPECT_NEAR(row.lcb, row.lcg, 1e-3 * hull.Length()) << row.heel;
    largestDifference = std::max(largestDifference, std::fabs(row.gz - fixed.rows[p].gz));
    largestTrim = std::max(largestTrim, std::fabs(row.trimAngle));
  }
  EXPECT_GT(largestTrim, 0.5);  // degrees: the hull trims as it heels
  EXPECT_GT(largestDifference, 0.01 * std::fabs(fixed.rows[3].gz));
  EXPECT_TRUE(free.vanishingAngle.has_value() || free.rows.back().gz > 0.0);
}

}  // namespace
}  // namespace skelmora

namespace skelmora {
namespace {

// The stability window's case as a condition: the hull weighs the
// displacement less the ballast, so the whole weighs the displacement and
// its centre is the weighted mean of the hull's and the ballast's.
TEST(FreeTrimLevers, StabilityCaseWeighsTheDisplacementWithItsBallast) {
  const std::vector<BallastItem> ballast = {{500.0, 3.0, 200.0, -30.0}, {0.0, 9.0, 9.0, 9.0},
                                            {250.0, -6.0, 260.0, -20.0}};
  const LoadingCondition c = StabilityCaseCondition(9000.0, -4.0, 230.0, ballast);
  ASSERT_EQ(c.items.size(), 2u);  // the empty item is left out
  EXPECT_EQ(c.items[1].name, "Ballast3");
  EXPECT_DOUBLE_EQ(c.lightship.weight, 8250.0);
  FloatingHull none;
  const ConditionWeights w = SumCondition(none, c);
  EXPECT_DOUBLE_EQ(w.weight, 9000.0);
  EXPECT_NEAR(w.lcg, (8250.0 * 230.0 + 500.0 * 200.0 + 250.0 * 260.0) / 9000.0, 1e-9);
  EXPECT_NEAR(w.vcg, (8250.0 * -4.0 + 500.0 * -30.0 + 250.0 * -20.0) / 9000.0, 1e-9);
  EXPECT_NEAR(w.tcg, (500.0 * 3.0 + 250.0 * -6.0) / 9000.0, 1e-12);
}

}  // namespace
}  // namespace skelmora
