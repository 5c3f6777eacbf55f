#include "hydro/draft_search.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "core/hydro/hydro_fixtures.h"
#include "support/same_bytes.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::MakeSailboat;
using test::PrismShape;

// Box barge 240 x 2*48 inches: 299/300 of the true volume (the bow station
// cuts nothing), so 64 x 299/300 x 96 x 240 / 1728 pounds per inch of draft.
constexpr double kBoxPoundsPerInch = 64.0 * 299.0 / 300.0 * 96.0 * 240.0 / 1728.0;

TEST(DraftSearch, StationVolumeOfBoxAndWedge) {
  Hull box, wedge;
  MakePrism(box, PrismShape{});
  MakePrism(wedge, PrismShape{.bowHalfBreadth = 0.0});
  wedge.d().SurfaceAccuracy = 1e-7;
  EXPECT_NEAR(StationVolume(box.d(), *box.surface, *box.cuts), 240.0 * 299.0 / 300.0, 1e-9);
  EXPECT_NEAR(StationVolume(wedge.d(), *wedge.surface, *wedge.cuts), 120.0, 1e-5);
  EXPECT_DOUBLE_EQ(DisplacementWeight(2.0, kInches), 128.0);
  EXPECT_DOUBLE_EQ(DisplacementWeight(2.0, kMillimetres), 2050.0);
}

TEST(DraftSearch, ZeroTargetIsRefusedAndNothingMoves) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const VertexNet before = hull.d().Net;
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  EXPECT_FALSE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter, search, 0.0));
  EXPECT_EQ(hull.prompter.shown,
            std::vector<std::string>{"Please enter a value for the new displacement"});
  EXPECT_TRUE(search.steps.empty());
  EXPECT_FALSE(search.adjusted);
  EXPECT_EQ(search.accumulatedShift, 0.0);
  EXPECT_EQ(std::memcmp(&before, &hull.d().Net, sizeof before), 0);
}

void ExpectHeightsRestored(const HullDesign& design, const VertexNet& before, double moved) {
  for (int c = 0; c <= design.LastColumn; ++c) {
    for (int r = 0; r <= design.LastRow; ++r) {
      const double tolerance = 16 * FLT_EPSILON * (std::fabs(before[c][r].z) + moved);
      EXPECT_NEAR(design.Net[c][r].z, before[c][r].z, tolerance) << c << "," << r;
      EXPECT_EQ(design.Net[c][r].x, before[c][r].x);
      EXPECT_EQ(design.Net[c][r].y, before[c][r].y);
    }
  }
}

// The box's weight is linear in the draft, so one secant step lands on the
// target and the next confirms it.
TEST(DraftSearch, BoxReachesTheTargetAndOkKeepsTheMovedHull) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  hull.d().DesignDimensions[kDimensionDraft] = -5.0;
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  EXPECT_DOUBLE_EQ(search.initialDraft, -18.0);
  EXPECT_DOUBLE_EQ(hull.d().DesignDimensions[kDimensionDraft], -18.0);
  EXPECT_NEAR(search.initialDisplacement, 18.0 * kBoxPoundsPerInch, 1e-6);

  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, 10000.0));
  ASSERT_EQ(search.steps.size(), 3u);  // probe and two iterations
  EXPECT_EQ(search.iterations, 2);
  EXPECT_EQ(search.steps[0].shift, 1.0);  // lighter target: the probe raises the hull
  EXPECT_NEAR(search.steps[0].rate, kBoxPoundsPerInch, 1e-6);
  EXPECT_NEAR(search.steps[1].displacement, 10000.0, 1e-4);
  const double draft = 10000.0 / kBoxPoundsPerInch;
  EXPECT_NEAR(search.finalDisplacement, 10000.0, 1.0);
  EXPECT_TRUE(search.reached);
  EXPECT_NEAR(search.finalDraft, -draft, 1e-4);
  EXPECT_EQ(hull.results.lowestZ, search.finalDraft);
  EXPECT_EQ(hull.d().DesignDimensions[kDimensionDraft], search.finalDraft);
  EXPECT_NEAR(search.accumulatedShift, 18.0 - draft, 1e-4);
  // Ok: the net stays where the search left it.
  EXPECT_NEAR(hull.d().Net[1][1].z, -draft, 1e-4);
  EXPECT_NEAR(hull.d().Net[0][2].z, 30.0 + 18.0 - draft, 1e-4);
  // One adjustment per showing.
  EXPECT_FALSE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter, search, 5000.0));
  EXPECT_EQ(search.steps.size(), 3u);
}

TEST(DraftSearch, CancelRestoresEveryHeight) {
  Hull hull;
  MakeSailboat(hull);
  const VertexNet before = hull.d().Net;
  const double lowest = GridLowestZ(*hull.surface);
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, search.initialDisplacement * 1.4));
  EXPECT_NEAR(search.finalDisplacement, search.initialDisplacement * 1.4, 1.0);
  EXPECT_LE(search.iterations, 8);
  EXPECT_LT(search.finalDraft, lowest - 1.0);
  double moved = 0.0;
  for (const DraftStep& step : search.steps) moved += std::fabs(step.shift);
  CancelDraftSearch(hull.d(), *hull.surface, search);
  ExpectHeightsRestored(hull.d(), before, moved);
  // Bit for bit, not to single-precision rounding of the shifts.
  EXPECT_TRUE(skelmora::testing::SameNet(hull.d().Net, before));
  EXPECT_NEAR(GridLowestZ(*hull.surface), lowest, 1e-4);
}

// The target equal to the start still probes one inch down and comes back.
TEST(DraftSearch, TargetEqualToTheStartProbesAndReturns) {
  Hull hull;
  MakeSailboat(hull);
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, search.initialDisplacement));
  EXPECT_EQ(search.steps[0].shift, -1.0);
  EXPECT_GT(search.steps[1].shift, 0.9);
  EXPECT_NEAR(search.finalDisplacement, search.initialDisplacement, 1.0);
  EXPECT_NEAR(search.finalDraft, search.initialDraft, 0.01);
}

TEST(DraftSearch, MetricProbeIsOneInchInMillimetres) {
  Hull hull;
  MakePrism(hull, PrismShape{.units = kMillimetres, .scale = 25.4});
  EXPECT_DOUBLE_EQ(DraftProbeStep(kMillimetres), 25.4);
  EXPECT_DOUBLE_EQ(DraftProbeStep(kInches), 1.0);
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, search.initialDisplacement + 500.0));
  EXPECT_EQ(search.steps[0].shift, -25.4);
  EXPECT_NEAR(search.finalDisplacement, search.initialDisplacement + 500.0, 1.0);
}

// No waterline before or after the probe: there is no rate to step with,
// so the hull stays at the probe and the search runs out its 8 steps.
TEST(DraftSearch, HullAboveTheWaterlineStaysAtTheProbe) {
  Hull hull;
  MakePrism(hull, PrismShape{.draft = -3.0});
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  EXPECT_EQ(search.initialDisplacement, 0.0);
  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, 1000.0));
  EXPECT_EQ(search.iterations, 8);
  EXPECT_EQ(search.finalDisplacement, 0.0);
  EXPECT_FALSE(search.reached);
  EXPECT_FLOAT_EQ(hull.d().Net[1][1].z, 2.0);
  EXPECT_DOUBLE_EQ(search.accumulatedShift, -1.0);
}

// The closed box (a flat deck at its sheer) holds 240 x 96 x 48 cubic
// inches: 640 ft^3, 40960 lb of seawater, exactly, as the grid of a box is.
TEST(DraftSearch, ClosedHullDisplacementOfTheBox) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  EXPECT_NEAR(ClosedHullDisplacement(*hull.surface, kInches), 40960.0, 1e-6);
  Hull metric;
  MakePrism(metric, PrismShape{.units = kMillimetres, .scale = 25.4});
  EXPECT_NEAR(ClosedHullDisplacement(*metric.surface, kMillimetres),
              240.0 * 96.0 * 48.0 * std::pow(0.0254, 3) * 1025.0, 1e-3);  // float net
}

// A target no draft can give is refused before anything moves, with a
// message naming it: below 0, or above what the closed hull displaces.
TEST(DraftSearch, TargetsNoDraftCanGiveAreRefusedBeforeAnythingMoves) {
  const struct {
    double target;
    std::string says;
  } cases[] = {
      {-5.0, "The new displacement -5.0 lb cannot be sought: it must be greater than 0."},
      {1e15, "The new displacement 1.00000E+15 lb is more than this hull can displace: closed by "
             "a flat deck at its sheer and wholly immersed it displaces 40960.0 lb."},
      {100.0 * kBoxPoundsPerInch, "is more than this hull can displace"},
      {std::nan(""), "must be greater than 0"},
  };
  for (const auto& c : cases) {
    Hull hull;
    MakePrism(hull, PrismShape{});
    const VertexNet before = hull.d().Net;
    DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
    EXPECT_FALSE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                    hull.prompter, search, c.target));
    ASSERT_EQ(hull.prompter.errors.size(), 1u) << c.target;
    EXPECT_NE(hull.prompter.errors[0].find(c.says), std::string::npos) << hull.prompter.errors[0];
    EXPECT_TRUE(search.steps.empty());
    EXPECT_FALSE(search.adjusted);
    EXPECT_EQ(std::memcmp(&before, &hull.d().Net, sizeof before), 0);
  }
}

// Within the closed hull's capacity but past where the deck edge goes
// under (48 inches of the box's station volume is 40823 lb): the search
// runs, ends short of the target, and says so.
TEST(DraftSearch, TargetPastTheDeckEdgeIsNotReached) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const VertexNet before = hull.d().Net;
  DraftSearch search = BeginDraftSearch(hull.d(), *hull.surface, *hull.cuts, hull.results);
  ASSERT_TRUE(AdjustDisplacement(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                 hull.prompter, search, 40950.0));
  EXPECT_FALSE(search.reached);
  EXPECT_LT(search.finalDisplacement, 49.0 * kBoxPoundsPerInch);
  for (const DraftStep& step : search.steps) EXPECT_LE(std::fabs(step.shift), 48.0 + 1.0);
  const double moved = std::fabs(search.accumulatedShift);
  CancelDraftSearch(hull.d(), *hull.surface, search);
  ExpectHeightsRestored(hull.d(), before, moved);
}

}  // namespace
}  // namespace skelmora
