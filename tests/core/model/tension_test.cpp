#include "model/tension.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"

namespace skelmora {
namespace {

using Tension = edittest::EditTest;

TEST_F(Tension, MaximaFollowTheIntervalsUpToFour) {
  Open(8, 3, 2, 2);
  EXPECT_EQ(MaxStationTension(design()), 3);
  EXPECT_EQ(MaxWaterlineTension(design()), 4);
  Open(1, 30, 1, 2);
  EXPECT_EQ(MaxWaterlineTension(design()), 1);
  EXPECT_EQ(MaxStationTension(design()), 4);
}

TEST_F(Tension, StoresBothAndATensionOfOneEmptiesThatDirectionsChines) {
  SetRowChines({2, 4});
  SetColumnChines({3});
  ASSERT_TRUE(ChangeTension(design(), surface(), history(), prompter, 4, 1));
  const HullDesign& d = design();
  EXPECT_EQ(d.WaterlineTension, 4);
  EXPECT_EQ(d.StationTension, 1);
  EXPECT_EQ(d.RowChineCount, 0);
  EXPECT_EQ(ColumnChines(), std::vector<int>{3});
  EXPECT_EQ(WorkingLastColumn(d), 8 + 3);
  EXPECT_EQ(WorkingLastRow(d), 6);
  EXPECT_EQ(surface().knots.degreeU, 4);
  EXPECT_EQ(surface().knots.degreeV, 1);
  EXPECT_EQ(d.UndoCount, 1);
}

TEST_F(Tension, RefusedOutsideItsRangeOrPastFiftyWorkingLines) {
  // 40 columns with 4 chines: degree 3 gives 48 working columns, 4 would give 52.
  Open(40, 3, 3, 2);
  SetColumnChines({5, 10, 15, 20});
  const std::string before = State();
  EXPECT_FALSE(ChangeTension(design(), surface(), history(), prompter, 4, 2));
  EXPECT_FALSE(ChangeTension(design(), surface(), history(), prompter, 3, 4));
  EXPECT_FALSE(ChangeTension(design(), surface(), history(), prompter, 0, 2));
  ASSERT_EQ(prompter.errors.size(), 3u);
  EXPECT_EQ(prompter.errors[0],
            "Cannot set Waterline Tension=4: with the column chines the surface would need more "
            "than 51 working columns. Delete a chine or some columns first.");
  EXPECT_EQ(prompter.errors[1], "Station Tension must be from 1 to 3.");
  EXPECT_EQ(prompter.errors[2], "Waterline Tension must be from 1 to 4.");
  EXPECT_EQ(State(), before);
  EXPECT_EQ(design().UndoCount, 0);
  // Degree 1 empties the chines, so it always fits.
  EXPECT_TRUE(ChangeTension(design(), surface(), history(), prompter, 1, 3));
  EXPECT_EQ(WorkingLastColumn(design()), 40);
}

}  // namespace
}  // namespace skelmora
