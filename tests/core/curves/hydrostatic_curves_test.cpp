#include "curves/hydrostatic_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/hydro/hydro_fixtures.h"
#include "support/same_bytes.h"
#include "hydro/draft_search.h"
#include "hydro/result_fields.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::MakeSailboat;
using test::PrismShape;

using skelmora::testing::SameBytes;

std::vector<CurveRow> Curves(Hull& hull, const std::vector<double>& drafts) {
  std::vector<CurveRow> rows;
  std::string message;
  EXPECT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  EXPECT_TRUE(ComputeHydrostaticCurves(hull.d(), *hull.surface, *hull.cuts, drafts,
                                       hull.prompter, rows, message))
      << message;
  return rows;
}

// The row at the design draft is the hydrostatics run itself, and the hull
// comes back bit for bit after being moved through the drafts.
TEST(HydrostaticCurves, DesignDraftRowIsTheHydrostaticsRunAndTheHullIsRestored) {
  Hull hull;
  MakeSailboat(hull);
  ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  const auto netBefore = std::make_unique<VertexNet>(hull.d().Net);
  const auto surfaceBefore = std::make_unique<Surface>(*hull.surface);
  const auto dimensionsBefore = hull.d().DesignDimensions;
  hull.results.volume = 123.0;  // the session's results are left alone

  const std::vector<CurveRow> rows = Curves(hull, {-4.0, 0.0, 3.3});
  ASSERT_EQ(rows.size(), 3u);

  EXPECT_TRUE(SameBytes(&hull.d().Net, netBefore.get(), sizeof(VertexNet)));
  EXPECT_TRUE(SameBytes(&hull.surface->grid, &surfaceBefore->grid, sizeof(SurfaceGrid)));
  EXPECT_TRUE(SameBytes(&hull.surface->working, &surfaceBefore->working, sizeof(WorkingNet)));
  EXPECT_EQ(hull.surface->extents.lowestZ, surfaceBefore->extents.lowestZ);
  EXPECT_EQ(hull.surface->extents.highestZ, surfaceBefore->extents.highestZ);
  EXPECT_TRUE(SameBytes(&hull.d().DesignDimensions, &dimensionsBefore, sizeof(dimensionsBefore)));
  EXPECT_EQ(hull.results.volume, 123.0);

  Hull plain;
  MakeSailboat(plain);
  ASSERT_TRUE(HullGuard(plain.d(), *plain.surface, plain.prompter));
  ASSERT_TRUE(ComputeHydrostatics(plain.d(), *plain.surface, *plain.cuts, plain.results,
                                  plain.prompter));
  const auto expected = HydrostaticFields(plain.results, kInches);
  const auto actual = HydrostaticFields(rows[1].results, kInches);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t k = 0; k < actual.size(); ++k) {
    EXPECT_EQ(actual[k].value, expected[k].value) << actual[k].name;
  }
  // The other drafts really moved the hull.
  EXPECT_LT(rows[0].results.volume, rows[1].results.volume);
  EXPECT_GT(rows[2].results.volume, rows[1].results.volume);
}

// Box barge 240 x 2*48, 18 deep, freeboard 30, at drafts 12, 18 and 24: the
// station sums carry 299 of 300 Simpson weights (see the hydrostatics tests).
TEST(HydrostaticCurves, BoxBargeColumnsFollowTheFormulasAtThreeDrafts) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const std::vector<CurveRow> rows = Curves(hull, {-6.0, 0.0, 6.0});
  ASSERT_EQ(rows.size(), 3u);
  const double fraction = 299.0 / 300.0;
  const double length = 20.0, beam = 8.0;  // ft
  for (const CurveRow& row : rows) {
    const double t = 18.0 + row.draft;  // inches
    const double tf = t / 12.0;
    const HydrostaticResults& r = row.results;
    auto close = [](double actual, double expected, const char* what, double t) {
      EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)))
          << what << " at draft " << t;
    };
    const double volume = length * beam * tf * fraction;
    close(r.lowestZ, -t, "lowestZ", t);
    close(r.volume, volume, "volume", t);
    close(r.waterplaneArea, length * beam * fraction, "waterplaneArea", t);
    close(r.wettedArea, 2.0 * (240.0 * 48.0 + 240.0 * t) / 144.0, "wettedArea", t);
    close(r.lcb, 10.0 / fraction, "lcb", t);
    close(r.lcf, 120.0 / fraction, "lcf", t);
    close(r.cp, fraction, "cp", t);
    close(r.cb, fraction, "cb", t);
    close(r.cw, fraction, "cw", t);
    close(r.immersion, length * beam * fraction * 5.33333, "immersion", t);
    close(row.kb, tf / 2.0, "kb", t);
    const double bmt = fraction * 0.0822 * length * beam * beam * beam / volume;
    const double bml = fraction * 0.0723 * beam * length * length * length / volume;
    close(r.bmt, bmt, "bmt", t);
    close(r.bml, bml, "bml", t);
    // KMt and KMl from the waterplane's own inertia, exact for the box.
    close(row.kmt, tf / 2.0 + length * beam * beam * beam / 12.0 / volume, "kmt", t);
    close(row.kml, tf / 2.0 + beam * length * length * length / 12.0 / volume, "kml", t);
    // Surface centroid: bottom 48 wide at -t, side 48 high from -t to 48 - t.
    const double vcg = (48.0 * -t + 48.0 * (24.0 - t)) / 96.0 / 12.0;
    const double gml = bml - std::fabs(vcg + tf / 2.0);
    close(r.momentToTrim, volume * 64.0 * gml / 240.0, "momentToTrim", t);
  }
}

TEST(HydrostaticCurves, DisplacementIncreasesWithDraft) {
  Hull hull;
  MakeSailboat(hull);
  std::string message;
  const auto drafts = DraftSeries(-15.0, 30.0, 5.0, message);
  ASSERT_TRUE(drafts) << message;
  const std::vector<CurveRow> rows = Curves(hull, *drafts);
  ASSERT_EQ(rows.size(), 10u);
  for (std::size_t k = 1; k < rows.size(); ++k) {
    EXPECT_GT(rows[k].results.volume, rows[k - 1].results.volume) << rows[k].draft;
    EXPECT_GT(rows[k].results.wettedArea, rows[k - 1].results.wettedArea) << rows[k].draft;
  }
}

// Drafts that lift the box clear (the keel is at -18) or sink it past its
// top (30) are refused before anything moves.
TEST(HydrostaticCurves, DraftsOutsideTheHullAreRefused) {
  for (const double d : {-18.0, -25.0, 30.0, 40.0}) {
    Hull hull;
    MakePrism(hull, PrismShape{});
    ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
    const auto netBefore = std::make_unique<VertexNet>(hull.d().Net);
    std::vector<CurveRow> rows;
    std::string message;
    EXPECT_FALSE(ComputeHydrostaticCurves(hull.d(), *hull.surface, *hull.cuts, {0.0, d},
                                          hull.prompter, rows, message))
        << d << " lowest " << hull.surface->extents.lowestZ << " highest "
        << hull.surface->extents.highestZ;
    EXPECT_TRUE(rows.empty());
    EXPECT_NE(message.find("outside the hull"), std::string::npos) << message;
    EXPECT_TRUE(SameBytes(&hull.d().Net, netBefore.get(), sizeof(VertexNet)));
  }
}

// The sailboat's sheer dips below its bow: sinking it past the lowest point
// of the deck edge is refused, though the bow would still stand clear.
TEST(HydrostaticCurves, DraftsPastTheDeckEdgeAreRefused) {
  Hull hull;
  MakeSailboat(hull);
  ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  const double top = GridLowestTop(*hull.surface);
  ASSERT_LT(top, hull.surface->extents.highestZ - 1.0);
  std::vector<CurveRow> rows;
  std::string message;
  EXPECT_TRUE(ComputeHydrostaticCurves(hull.d(), *hull.surface, *hull.cuts, {top - 1.0},
                                       hull.prompter, rows, message))
      << message;
  EXPECT_FALSE(ComputeHydrostaticCurves(hull.d(), *hull.surface, *hull.cuts, {top + 1.0},
                                        hull.prompter, rows, message));
  EXPECT_NE(message.find("deck edge"), std::string::npos) << message;
}

TEST(HydrostaticCurves, DraftSeries) {
  struct Case {
    double from, to, step;
    std::size_t count;  // 0: refused
    double last;
  };
  const Case cases[] = {
      {0.0, 1.0, 0.1, 11, 1.0},  {-6.0, 6.0, 6.0, 3, 6.0}, {0.0, 5.0, 2.0, 3, 4.0},
      {2.0, 2.0, 1.0, 1, 2.0},   {0.0, 1.0, 0.0, 0, 0.0},  {0.0, 1.0, -1.0, 0, 0.0},
      {1.0, 0.0, 0.5, 0, 0.0},   {0.0, 1e6, 1.0, 0, 0.0},  {0.0, NAN, 1.0, 0, 0.0},
  };
  for (const Case& c : cases) {
    std::string message;
    const auto drafts = DraftSeries(c.from, c.to, c.step, message);
    if (c.count == 0) {
      EXPECT_FALSE(drafts) << c.from << ":" << c.to << ":" << c.step;
      EXPECT_FALSE(message.empty());
      continue;
    }
    ASSERT_TRUE(drafts) << message;
    EXPECT_EQ(drafts->size(), c.count);
    EXPECT_NEAR(drafts->back(), c.last, 1e-12);
  }
}

}  // namespace
}  // namespace skelmora
