#include "model/units_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"
#include "model/net_edit.h"

namespace skelmora {
namespace {

using UnitsAxes = edittest::EditTest;

TEST_F(UnitsAxes, InchesToMillimetresAndBackWithinSinglePrecision) {
  design().StationSpacing = 12.0;
  design().SpecialStationCount = 1;
  design().SpecialStations[1] = 100.0;
  design().Net[2][2].w = 1.5f;
  const HullDesign before = design();
  prompter = testing::ScriptedPrompter({true, true});

  ASSERT_TRUE(ChangeUnits(design(), surface(), history(), prompter));
  EXPECT_EQ(design().Units, kMillimetres);
  EXPECT_EQ(design().Net[8][6].y, static_cast<float>(before.Net[8][6].y * 25.4));
  EXPECT_EQ(design().StationSpacing, 0.0);
  EXPECT_NEAR(surface().extents.hullLength, 400.0 * 25.4, 1e-2);  // extents are fresh

  ASSERT_TRUE(ChangeUnits(design(), surface(), history(), prompter));
  EXPECT_EQ(prompter.questions, (std::vector<std::string>{"Change From INCHES to MILLIMETERS?",
                                                          "Change From MILLIMETERS to INCHES?"}));
  const HullDesign& d = design();
  EXPECT_EQ(d.Units, kInches);
  for (int c = 0; c <= 8; ++c) {
    for (int r = 0; r <= 6; ++r) {
      const Vertex& was = before.Net[c][r];
      const Vertex& now = d.Net[c][r];
      EXPECT_NEAR(now.x, was.x, 4e-7 * std::fabs(was.x));
      EXPECT_NEAR(now.y, was.y, 4e-7 * std::fabs(was.y));
      EXPECT_NEAR(now.z, was.z, 4e-7 * std::fabs(was.z));
      EXPECT_EQ(now.w, was.w);
    }
  }
  EXPECT_EQ(d.SpecialStations[1], 100.0);
  EXPECT_EQ(d.SurfaceAccuracy, before.SurfaceAccuracy);
  EXPECT_EQ(d.UndoCount, 2);
}

TEST_F(UnitsAxes, AnsweringNoChangesNothing) {
  prompter = testing::ScriptedPrompter({false});
  const std::string before = State();
  EXPECT_FALSE(ChangeUnits(design(), surface(), history(), prompter));
  EXPECT_EQ(State(), before);
  EXPECT_EQ(design().UndoCount, 0);
}

// A coordinate that 25.4 times would not fit a float refuses the change.
TEST_F(UnitsAxes, MillimetresBeyondTheNetAreRefused) {
  design().Net[4][3].y = 2e37f;
  hull.Rebuild();
  prompter = testing::ScriptedPrompter({true});
  const std::string before = State();
  EXPECT_FALSE(ChangeUnits(design(), surface(), history(), prompter));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{kNetOverflowMessage});
  EXPECT_EQ(State(), before);
  EXPECT_EQ(design().Units, kInches);
  EXPECT_EQ(design().UndoCount, 0);
}

TEST_F(UnitsAxes, ExchangingTwiceRestoresTheHullExactly) {
  SetRowChines({2});
  SetColumnChines({3, 5});
  const std::string before = State();
  for (AxisPair pair : {AxisPair::kBeamLength, AxisPair::kBeamHeight, AxisPair::kLengthHeight}) {
    const HullDesign was = design();
    ASSERT_TRUE(ExchangeAxes(design(), surface(), history(), pair));
    EXPECT_NE(State(), before);
    if (pair == AxisPair::kBeamLength) {
      EXPECT_EQ(design().Net[3][2].x, was.Net[3][2].y);
      EXPECT_EQ(design().Net[3][2].y, was.Net[3][2].x);
      EXPECT_EQ(design().Net[3][2].z, was.Net[3][2].z);
    }
    ASSERT_TRUE(ExchangeAxes(design(), surface(), history(), pair));
    EXPECT_EQ(State(), before);
  }
}

TEST_F(UnitsAxes, LengthAndHeightTransposeTheNetWithEverythingTiedToItsDirections) {
  Open(8, 6, 3, 2);
  SetRowChines({2, 4});
  SetColumnChines({5});
  design().PickedColumn = 7;
  design().PickedRow = 1;
  const HullDesign before = design();
  auto old = std::make_unique<Surface>(surface());
  ASSERT_TRUE(ExchangeAxes(design(), surface(), history(), AxisPair::kLengthHeight));
  const HullDesign& d = design();
  EXPECT_EQ(d.LastColumn, 6);
  EXPECT_EQ(d.LastRow, 8);
  EXPECT_EQ(d.WaterlineTension, 2);
  EXPECT_EQ(d.StationTension, 3);
  EXPECT_EQ(ColumnChines(), (std::vector<int>{2, 4}));
  EXPECT_EQ(RowChines(), std::vector<int>{5});
  EXPECT_EQ(WorkingLastColumn(d), WorkingLastRow(before));
  EXPECT_EQ(WorkingLastRow(d), WorkingLastColumn(before));
  EXPECT_EQ(d.PickedColumn, 1);
  EXPECT_EQ(d.PickedRow, 7);
  for (int c = 0; c <= 8; ++c) {
    for (int r = 0; r <= 6; ++r) {
      EXPECT_EQ(d.Net[r][c].x, before.Net[c][r].x);
      EXPECT_EQ(d.Net[r][c].y, before.Net[c][r].z);
      EXPECT_EQ(d.Net[r][c].z, before.Net[c][r].y);
    }
  }
  // The same surface with y and z exchanged.
  for (double u : {0.0, 0.3, 0.77, 1.0}) {
    for (double v : {0.0, 0.45, 1.0}) {
      const SurfacePoint was = EvaluateSurfacePoint(*old, u, v);
      const SurfacePoint now = EvaluateSurfacePoint(surface(), v, u);
      EXPECT_NEAR(now.x, was.x, 1e-4);
      EXPECT_NEAR(now.y, was.z, 1e-4);
      EXPECT_NEAR(now.z, was.y, 1e-4);
    }
  }
}

}  // namespace
}  // namespace skelmora
