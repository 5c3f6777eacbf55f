// The run on hulls whose stability is known by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "core/stability/stability_fixtures.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

using test::MakeBox;
using test::MakeSailboat;
using test::RecordingProgress;
using test::SameBytes;
using test::StabilityHull;

// The box with G on the waterline: KB = 9, BM = B^2 / 12T = 96^2 / 216,
// KG = 18. The bilge comes out of the water at atan(18 / 48) = 20.6 deg.
constexpr double kBoxBm = 96.0 * 96.0 / (12.0 * 18.0);
constexpr double kBoxGm = 9.0 + kBoxBm - 18.0;

TEST(StabilityPhysics, WallSidedBoxFollowsTheFormulaUntilTheBilgeEmerges) {
  StabilityHull hull;
  MakeBox(hull);
  const StabilityRun run = hull.Run(20, 2, 0.0, 120.0);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 11u);
  EXPECT_NEAR(run.rows[0].gz, 0.0, 1e-9);
  EXPECT_NEAR(run.rows[0].tcb, 0.0, 1e-9);
  for (const StabilityRow& row : run.rows) {
    const double phi = row.heel * kDegreesToRadians;
    const double expected = std::sin(phi) * (kBoxGm + 0.5 * kBoxBm * std::pow(std::tan(phi), 2));
    // Within 0.5 % of the formula (plus a hundredth of an inch near upright).
    EXPECT_NEAR(row.gz, expected, 0.005 * expected + 0.01) << row.heel;
    // Wall-sided: the heeled waterline passes through the same centre.
    EXPECT_NEAR(row.volume, run.targetVolume, 0.002 * run.targetVolume) << row.heel;
  }
}

TEST(StabilityPhysics, InitialSlopeOfGzIsTheMetacentricHeight) {
  for (double vcg : {0.0, 12.0}) {
    StabilityHull hull;
    MakeSailboat(hull);
    const StabilityRun run = hull.Run(4, 1, vcg, 180.0);
    ASSERT_TRUE(run.ok);
    EXPECT_NEAR(run.rows[0].gz, 0.0, 1e-6) << "symmetric hull upright";
    const double slope = run.rows[1].gz / std::sin(1.0 * kDegreesToRadians);
    EXPECT_NEAR(slope, run.rows[0].gmt, 0.03 * std::fabs(run.rows[0].gmt)) << vcg;
    EXPECT_GT(run.rows[0].gmt, 0.0);
  }
}

TEST(StabilityPhysics, UprightStepMakesOnePassAndSetsTheTarget) {
  StabilityHull hull;
  MakeSailboat(hull);
  RecordingProgress progress;
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(45, 5, message);
  const StabilityRun run = RunStability(hull.records, inputs, hull.prompter, &progress);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 10u);
  EXPECT_EQ(run.rows[0].passes, 1);
  EXPECT_EQ(run.targetVolume, run.rows[0].volume);
  int passes = 0;
  for (const StabilityRow& row : run.rows) {
    passes += row.passes;
    EXPECT_LE(row.passes, kMaxSearchPasses);
    if (row.passes < kMaxSearchPasses) {
      EXPECT_LT(std::fabs(row.volume - run.targetVolume) / run.targetVolume, 0.002) << row.heel;
    }
    EXPECT_EQ(row.trim, 0.0);
  }
  EXPECT_EQ(passes, run.totalPasses);
  // What the dialog is shown: each heel, the reference once, every pass,
  // and every section built.
  EXPECT_EQ(progress.heels, (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30",
                                                      "35", "40", "45"}));
  ASSERT_EQ(progress.references.size(), 1u);
  EXPECT_EQ(progress.references[0],
            FormatFixed(run.targetVolume * 0.03704, 0, 0) + " Pounds");
  EXPECT_EQ(static_cast<int>(progress.passes.size()), passes);
  EXPECT_EQ(progress.sections, 21 * passes);
  EXPECT_TRUE(hull.prompter.shown.empty());
}

TEST(StabilityPhysics, RunLeavesTheDesignAndItsSurfaceAsFound) {
  StabilityHull hull;
  MakeSailboat(hull);
  hull.d().ScratchNet[3][3].x = 42.0f;  // whatever a caller kept there
  auto before = std::make_unique<HullDesign>(hull.d());
  auto surfaceBefore = std::make_unique<Surface>(*hull.surface);
  for (double maxHeel : {5.0, 180.0}) {
    StabilityInputs inputs;
    std::string message;
    inputs.heel = *CheckHeelInputs(maxHeel, maxHeel == 5.0 ? 1.0 : 30.0, message);
    ASSERT_TRUE(RunStability(hull.records, inputs, hull.prompter).ok);
    EXPECT_TRUE(SameBytes(&before->Net, &hull.d().Net, sizeof(VertexNet)));
    EXPECT_TRUE(SameBytes(&before->ScratchNet, &hull.d().ScratchNet, sizeof(VertexNet)));
    EXPECT_EQ(before->ExtentsValid, hull.d().ExtentsValid);
    EXPECT_TRUE(SameBytes(&surfaceBefore->grid, &hull.surface->grid, sizeof(SurfaceGrid)));
    EXPECT_TRUE(SameBytes(&surfaceBefore->working, &hull.surface->working, sizeof(WorkingNet)));
    EXPECT_TRUE(SameBytes(&surfaceBefore->knots, &hull.surface->knots, sizeof(KnotVectors)));
    EXPECT_TRUE(SameBytes(&surfaceBefore->extents, &hull.surface->extents, sizeof(HullExtents)));
  }
}

TEST(StabilityPhysics, BallastLowersTheCentreOfGravityAndRaisesGz) {
  StabilityHull light, ballasted;
  MakeSailboat(light);
  MakeSailboat(ballasted);
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(30, 10, message);
  const StabilityRun a = RunStability(light.records, inputs, light.prompter);
  inputs.ballast = {BallastItem{500.0, 0.0, 180.0, -30.0}, BallastItem{0.0, 9.0, 9.0, 9.0}};
  const StabilityRun b = RunStability(ballasted.records, inputs, ballasted.prompter);
  ASSERT_TRUE(a.ok && b.ok);
  EXPECT_LT(b.vcg, a.vcg);
  EXPECT_EQ(b.lcgHullAlone, a.lcgHullAlone);
  EXPECT_DOUBLE_EQ(b.ballastVolume, 500.0 * 27.0);
  for (size_t p = 1; p < a.rows.size(); ++p) EXPECT_GT(b.rows[p].gz, a.rows[p].gz);
}

TEST(StabilityPhysics, BallastOffTheCentrelineHeelsByItsShareOfTheWeight) {
  // 300 lb of ballast 20 in off the centreline on a 7,880 lb box: upright
  // GZ = -W x TCG / displacement = -300 x 20 / 7880 in = -0.0634 ft.
  // The run's volume of the box is linear in the draft: one run at a draft
  // of 10 gives the draft for 7,880 lb.
  StabilityHull first;
  test::MakePrism(first, test::PrismShape{.draft = 10.0});
  const double perInch = first.Run(10, 5, 0.0, 120.0).targetVolume * 0.03704 / 10.0;
  const double draft = 7880.0 / perInch;
  StabilityHull hull;
  test::MakePrism(hull, test::PrismShape{.draft = draft});
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(10, 5, message);
  inputs.ballast = {BallastItem{300.0, 20.0, 120.0, -draft}};
  const StabilityRun run = RunStability(hull.records, inputs, hull.prompter);
  ASSERT_TRUE(run.ok);
  const double displacement = run.targetVolume * 0.03704;
  ASSERT_NEAR(displacement, 7880.0, 0.5);
  const double ballast = 300.0 * 27.0 * 0.03704;  // the 300 lb as the run weighs it
  EXPECT_NEAR(-ballast * 20.0 / displacement / 12.0, -0.0635, 0.0001);
  EXPECT_NEAR(run.rows[0].gz / 12.0, -0.0635, 0.0002);
  EXPECT_NEAR(run.tcg, ballast * 20.0 / displacement, 1e-9);
}

TEST(StabilityPhysics, MirroredHalfGivesTheSpanWhenTheTurnedHalfIsUnderWater) {
  StabilityHull hull;
  MakeBox(hull);
  const VertexNet before = hull.d().Net;
  // At 90 deg the stored half lies in z <= 0; lowered by 1 it is wholly under
  // water, and only the port half crosses the waterline (along its bottom).
  const WaterlineStations span = HeeledWaterlineSpan(hull.records, 90.0, -1.0);
  EXPECT_NEAR(span.firstY, 0.0, 0.5);
  EXPECT_NEAR(span.spacing, 12.0, 0.05);
  EXPECT_TRUE(SameBytes(&before, &hull.d().Net, sizeof before));
}

TEST(StabilityPhysics, FailuresShowTheErrorAndRunNoFurther) {
  {
    StabilityHull hull;
    MakeBox(hull);
    const StabilityRun run = hull.Run(45, 5, 0.0, 0.0);
    EXPECT_FALSE(run.ok);
    EXPECT_TRUE(run.rows.empty());
    EXPECT_EQ(hull.prompter.shown, std::vector<std::string>{kStabilityErrorMessage});
  }
  {
    StabilityHull hull;
    test::MakePrism(hull, test::PrismShape{.draft = -10.0});  // bottom 10 above the waterline
    const VertexNet before = hull.d().Net;
    const StabilityRun run = hull.Run(45, 5, 20.0, 120.0);
    EXPECT_FALSE(run.ok);
    EXPECT_TRUE(run.rows.empty());
    EXPECT_EQ(hull.prompter.shown, std::vector<std::string>{kStabilityErrorMessage});
    EXPECT_TRUE(SameBytes(&before, &hull.d().Net, sizeof before));
  }
}

TEST(StabilityHeelInputs, LimitsStepsAndRefusals) {
  struct Case {
    double maxHeel, step;
    const char* message;  // nullptr: accepted
    double takenMax;
    int steps;
  };
  const Case cases[] = {
      {45, 5, nullptr, 45, 9},      {47, 5, nullptr, 47, 9},
      {200, 5, nullptr, 180, 36},   {180, 1, nullptr, 180, 180},
      {45, 2, nullptr, 45, 22},     // 22.5 rounds to even
      {15, 2, nullptr, 15, 8},      // 7.5 rounds to even
      {5, 5, kHeelBelowStepMessage, 0, 0},  {3, 5, kHeelBelowStepMessage, 0, 0},
      {-1, 5, kHeelNegativeMessage, 0, 0},  {45, 0.5, kStepTooSmallMessage, 0, 0},
      {45, -5, kStepTooSmallMessage, 0, 0},
  };
  for (const Case& c : cases) {
    std::string message;
    const std::optional<HeelSteps> steps = CheckHeelInputs(c.maxHeel, c.step, message);
    if (c.message) {
      EXPECT_FALSE(steps) << c.maxHeel << "/" << c.step;
      EXPECT_EQ(message, c.message);
    } else {
      ASSERT_TRUE(steps) << c.maxHeel << "/" << c.step;
      EXPECT_EQ(steps->maxHeel, c.takenMax);
      EXPECT_EQ(steps->steps, c.steps);
    }
  }
}

TEST(StabilityPhysics, LastStepIsTheMaximumAngle) {
  StabilityHull hull;
  MakeBox(hull);
  const StabilityRun run = hull.Run(47, 5, 0.0, 120.0);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 10u);
  EXPECT_EQ(run.rows[8].heel, 40.0);
  EXPECT_EQ(run.rows[9].heel, 47.0);
}

}  // namespace
}  // namespace skelmora

namespace skelmora {
namespace {

TEST(StabilitySearch, NewtonInsideTheBracketsRegulaFalsiOutside) {
  SinkageSearch s;
  s.reach = 100.0;
  // Too deep by 10 over a waterplane of 5: Newton lifts by 2.
  EXPECT_DOUBLE_EQ(s.Next(1.0, 110.0, 100.0, 5.0), 3.0);
  EXPECT_TRUE(s.hasHigh);
  EXPECT_FALSE(s.hasLow);
  // Too shallow by 10: Newton would land on the other bracket (1), so the
  // chord between (1, +10) and (3, -10) is taken instead.
  EXPECT_DOUBLE_EQ(s.Next(3.0, 90.0, 100.0, 5.0), 2.0);
  // A Newton step inside the brackets that more than halves the miss is kept.
  EXPECT_DOUBLE_EQ(s.Next(2.0, 102.0, 100.0, 10.0), 2.2);
  // Same side again (Illinois): the low bracket's miss counts half.
  EXPECT_DOUBLE_EQ(s.Next(2.2, 101.5, 100.0, 0.0),
                   2.2 - 1.5 * (3.0 - 2.2) / (-5.0 - 1.5));
}

TEST(StabilitySearch, WithoutAWaterplaneOrBeyondReachItHalvesTowardsTheReach) {
  SinkageSearch s;
  s.reach = 100.0;
  // No waterplane and too little volume: halfway down to where the hull is
  // wholly under water.
  EXPECT_DOUBLE_EQ(s.Next(4.0, 50.0, 100.0, 0.0), -48.0);
  SinkageSearch t;
  t.reach = 100.0;
  // Newton would throw the hull 1e5 up, far past wholly dry: halfway there.
  EXPECT_DOUBLE_EQ(t.Next(0.0, 200.0, 100.0, 0.001), 50.0);
}

TEST(StabilitySearch, ClosesOnAVolumeThatJumps) {
  // V(s) = 150 below s = 1, 50 above: no sinkage gives 100, and the
  // brackets close on the jump instead of running on.
  SinkageSearch s;
  s.reach = 10.0;
  double sinkage = 0.0;
  int passes = 0;
  while (!s.Closed() && passes < 200) {
    const double v = sinkage < 1.0 ? 150.0 : 50.0;
    sinkage = s.Next(sinkage, v, 100.0, 0.0);
    ++passes;
  }
  EXPECT_TRUE(s.Closed());
  EXPECT_NEAR(s.low, 1.0, 1e-9);
  EXPECT_NEAR(s.high, 1.0, 1e-9);
}

}  // namespace
}  // namespace skelmora
