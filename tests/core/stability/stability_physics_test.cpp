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

TEST(StabilitySearch, NewtonThenBracketsThenAFreshStart) {
  // Passes 0..8: Newton on the waterplane; the first low and high volumes
  // set the brackets.
  SinkageSearch s;
  EXPECT_DOUBLE_EQ(s.Next(0, 1.0, 110.0, 100.0, 5.0, -9.0), 3.0);  // too deep: lift by 2
  EXPECT_EQ(s.high, 1.0);
  EXPECT_EQ(s.low, 0.0);
  EXPECT_DOUBLE_EQ(s.Next(1, 3.0, 90.0, 100.0, 5.0, -9.0), 1.0);
  EXPECT_EQ(s.low, 3.0);
  // Both set: later passes before the tenth leave them be.
  EXPECT_DOUBLE_EQ(s.Next(8, 1.5, 95.0, 100.0, 10.0, -9.0), 1.0);
  EXPECT_EQ(s.low, 3.0);
  EXPECT_EQ(s.high, 1.0);
  // Pass 9: the pass's sinkage replaces a bracket and the middle is next.
  EXPECT_DOUBLE_EQ(s.Next(9, 2.0, 104.0, 100.0, 10.0, -9.0), 2.5);
  EXPECT_EQ(s.high, 2.0);
  // Pass 10: half the last station's lowest height, whatever else.
  EXPECT_DOUBLE_EQ(s.Next(10, 2.5, 99.0, 100.0, 10.0, -9.0), -4.5);
  EXPECT_EQ(s.low, 2.5);
  // No waterplane: back to 0.
  SinkageSearch none;
  EXPECT_EQ(none.Next(3, 4.0, 50.0, 100.0, 0.0, -9.0), 0.0);
  // Without both brackets pass 9 is still Newton, and a bracket is set.
  SinkageSearch one;
  EXPECT_DOUBLE_EQ(one.Next(9, 1.0, 80.0, 100.0, 10.0, -9.0), -1.0);
  EXPECT_EQ(one.low, 1.0);
}

}  // namespace
}  // namespace skelmora
