#include "model/offset_entry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "core/surface/test_nets.h"

namespace skelmora {
namespace {

TEST(OffsetEntry, BuildsTheBoxNetFromTheThreeDimensions) {
  nets::Hull hull;
  testing::ScriptedPrompter prompter;
  OffsetEntryValues values;
  values.stations = 5;
  values.offsets = 4;
  values.units = kMillimetres;
  hull.d().RowChineCount = 2;  // left over from an earlier design
  hull.d().Net[20][20].x = 5.0f;
  ASSERT_TRUE(NewDesignFromOffsets(hull.d(), hull.s(), prompter, values));
  const HullDesign& d = hull.d();
  EXPECT_EQ(d.Units, kMillimetres);
  EXPECT_EQ(d.LastColumn, 4);
  EXPECT_EQ(d.LastRow, 3);
  EXPECT_EQ(WorkingLastColumn(d), 4);
  EXPECT_EQ(WorkingLastRow(d), 3);
  EXPECT_EQ(d.WaterlineTension, 2);
  EXPECT_EQ(d.StationTension, 2);
  EXPECT_EQ(d.RowChineCount, 0);
  EXPECT_EQ(d.DesignFileName, "Newdesgn.s98");
  EXPECT_EQ(d.Net[20][20].x, 0.0f);

  auto expect = [&](int c, int r, float x, float y, float z) {
    SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
    EXPECT_FLOAT_EQ(d.Net[c][r].x, x);
    EXPECT_FLOAT_EQ(d.Net[c][r].y, y);
    EXPECT_FLOAT_EQ(d.Net[c][r].z, z);
    EXPECT_EQ(d.Net[c][r].w, 1.0f);
  };
  expect(4, 0, 0.0f, 360.0f, -9.6f);
  expect(4, 3, 48.0f, 360.0f, 48.0f);
  expect(2, 1, 16.0f, 180.0f, 16.0f - 0.2f * 48.0f * 2.0f / 3.0f);
  for (int r = 0; r <= 3; ++r) expect(0, r, 0.0f, 0.0f, 16.0f * r);  // a vertical stem
  EXPECT_EQ(hull.s().knots.lastColumn, 4);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST(OffsetEntry, RefusesZeroDimensionsAndCountsTheNetCannotHold) {
  struct Case {
    OffsetEntryValues values;
    std::string message;
  };
  std::vector<Case> cases(5);
  cases[0].values.beam = 0.0;
  cases[0].message = "One or more hull dimensions are zero";
  cases[1].values.length = 0.0;
  cases[1].message = "One or more hull dimensions are zero";
  cases[2].values.stations = 52;
  cases[2].message = "The number of stations must be from 3 to 51.";
  cases[3].values.offsets = 100;
  cases[3].message = "The number of offsets per station must be from 3 to 51.";
  cases[4].values.offsets = 2;
  cases[4].message = "The number of offsets per station must be from 3 to 51.";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    nets::Hull hull;
    testing::ScriptedPrompter prompter;
    hull.d().LastColumn = 7;
    hull.d().Net[1][1].x = 3.0f;
    EXPECT_FALSE(NewDesignFromOffsets(hull.d(), hull.s(), prompter, c.values));
    EXPECT_EQ(prompter.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(hull.d().LastColumn, 7);
    EXPECT_EQ(hull.d().Net[1][1].x, 3.0f);
  }
  // The largest net the arrays hold.
  nets::Hull hull;
  testing::ScriptedPrompter prompter;
  OffsetEntryValues big;
  big.stations = big.offsets = 51;
  EXPECT_TRUE(NewDesignFromOffsets(hull.d(), hull.s(), prompter, big));
  EXPECT_EQ(hull.d().Net[50][50].y, 360.0f);
}

}  // namespace
}  // namespace skelmora
