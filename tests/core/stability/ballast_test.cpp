// The weights table, its totals and its ".bdt" file.
#include "stability/ballast.h"

#include <gtest/gtest.h>

#include "stability/ballast_file.h"
#include "stability/stability_run.h"

namespace skelmora {
namespace {

TEST(BallastTable, ResetAddAndDelete) {
  BallastTable t = BallastTable::Reset();
  ASSERT_EQ(t.RowCount(), 11);
  EXPECT_EQ(t.rows[0], (BallastRow{"Wt Name", "Weight", "Beam", "Aft Bow", "+/-LWL"}));
  EXPECT_EQ(t.rows[10], (BallastRow{"Name", "0", "0", "0", "0"}));
  ASSERT_TRUE(AddBallastRow(t));
  EXPECT_EQ(t.rows[11], (BallastRow{"Name12", "0.0", "0.0", "0.0", "0.0"}));

  BallastTable two = BallastTable::Reset(2);
  EXPECT_FALSE(DeleteBallastRow(two, 1));  // the only data row stays
  EXPECT_EQ(two.RowCount(), 2);
  BallastTable three = BallastTable::Reset(3);
  three.rows[1][0] = "keel";
  three.rows[2][0] = "engine";
  EXPECT_FALSE(DeleteBallastRow(three, 0));
  EXPECT_FALSE(DeleteBallastRow(three, 3));
  ASSERT_TRUE(DeleteBallastRow(three, 1));
  EXPECT_EQ(three.RowCount(), 2);
  EXPECT_EQ(three.rows[1][0], "engine");

  BallastTable full = BallastTable::Reset(kBallastMaxRows);
  EXPECT_FALSE(AddBallastRow(full));
}

TEST(BallastTable, CellsAndItems) {
  EXPECT_EQ(BallastCellValue(""), 0.0);
  EXPECT_EQ(BallastCellValue("-"), 0.0);
  EXPECT_EQ(BallastCellValue("  -2.5"), -2.5);
  EXPECT_EQ(BallastCellValue("12"), 12.0);
  EXPECT_FALSE(BallastCellValue("1,5"));
  EXPECT_FALSE(BallastCellValue("abc"));

  BallastTable t = BallastTable::Reset(3);
  t.rows[1] = {"keel", "100", "0", "120", "-30"};
  t.rows[2] = {"crew", "abc", "", "", ""};
  std::vector<BallastItem> items;
  std::string message;
  EXPECT_FALSE(BallastItems(t, items, message));
  EXPECT_EQ(message, "Row 2, \"Weight\": 'abc' is not a valid floating point value");
  // Binary or long text is named by its place, never quoted.
  t.rows[2][1] = std::string(280, '\x01');
  EXPECT_FALSE(BallastItems(t, items, message));
  EXPECT_EQ(message, "Row 2, \"Weight\": the cell is not a number");
  ASSERT_TRUE(FirstBadBallastCell(t));
  EXPECT_EQ(FirstBadBallastCell(t)->row, 2);
  EXPECT_EQ(FirstBadBallastCell(t)->column, kBallastWeight);
  t.rows[2][1] = "-";
  ASSERT_TRUE(BallastItems(t, items, message));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].weight, 100.0);
  EXPECT_EQ(items[0].aftBow, 120.0);
  EXPECT_EQ(items[0].height, -30.0);
  EXPECT_EQ(items[1].weight, 0.0);
}

TEST(BallastTable, TotalsAndNetCentre) {
  const std::vector<BallastItem> items = {{100, 10, 100, -10}, {300, 0, 200, 10}};
  const BallastTotals t = ComputeBallastTotals(items, 1000.0, 20.0, 150.0);
  EXPECT_EQ(t.weight, 400.0);
  EXPECT_DOUBLE_EQ(t.vcg, 5.0);
  EXPECT_DOUBLE_EQ(t.lcg, 175.0);
  EXPECT_DOUBLE_EQ(t.tcg, 2.5);
  EXPECT_DOUBLE_EQ(t.netVcg, 14.0);
  EXPECT_DOUBLE_EQ(t.netLcg, 160.0);
  EXPECT_FALSE(t.exceedsHull);
  EXPECT_TRUE(ComputeBallastTotals(items, 300.0, 20.0, 150.0).exceedsHull);
  const BallastTotals none = ComputeBallastTotals({{0, 5, 5, 5}}, 1000.0, 20.0, 150.0);
  EXPECT_EQ(none.vcg, 0.0);
  EXPECT_EQ(none.netVcg, 20.0);
}

TEST(BallastTable, ShiftMovesEveryHeightCell) {
  BallastTable t = BallastTable::Reset(3);
  t.rows[1][kBallastHeight] = "-10";
  t.rows[2][kBallastHeight] = "2";
  std::string message;
  ASSERT_TRUE(ShiftBallastHeights(t, 2.0, message));
  EXPECT_EQ(t.rows[1][kBallastHeight], " -12.0");
  EXPECT_EQ(t.rows[2][kBallastHeight], "   0.0");
  ASSERT_TRUE(ShiftBallastHeights(t, -2.0, message));
  EXPECT_EQ(t.rows[1][kBallastHeight], " -10.0");
  t.rows[2][kBallastHeight] = "x";
  EXPECT_FALSE(ShiftBallastHeights(t, 1.0, message));
  EXPECT_EQ(t.rows[1][kBallastHeight], " -10.0");  // nothing moved
}

TEST(CombineBallast, WeightsBecomeVolumeAndMoveTheCentre) {
  std::vector<BallastItem> items = {{10, 6, 100, -20}, {0, 50, 50, 50}};
  const CombinedCentre c = CombineBallast(items, kInches, 10000.0, 5.0, 50.0);
  EXPECT_EQ(items[0].weight, 270.0);
  EXPECT_DOUBLE_EQ(c.ballastVolume, 270.0);
  EXPECT_DOUBLE_EQ(c.tcg, 270.0 * 6.0 / 10000.0);  // the ballast's share of the weight
  EXPECT_DOUBLE_EQ(c.vcg, ((10000.0 - 270.0) * 5.0 + 270.0 * -20.0) / 10000.0);
  EXPECT_DOUBLE_EQ(c.lcg, ((10000.0 - 270.0) * 50.0 + 270.0 * 100.0) / 10000.0);

  std::vector<BallastItem> kilo = {{1, 0, 0, 0}};
  CombineBallast(kilo, kMillimetres, 1e9, 0.0, 0.0);
  EXPECT_EQ(kilo[0].weight, 975426.85);

  std::vector<BallastItem> none = {{0, 6, 6, 6}};
  const CombinedCentre same = CombineBallast(none, kInches, 10000.0, 5.0, 50.0);
  EXPECT_EQ(same.vcg, 5.0);
  EXPECT_EQ(same.lcg, 50.0);
  EXPECT_EQ(same.tcg, 0.0);
}

TEST(BallastFile, WritesBlocksAndReadsThemBack) {
  BallastTable t = BallastTable::Reset(3);
  t.rows[1] = {"keel", "100", "0", "120", "-30"};
  t.rows[2] = {"crew", "400", "10", "200", "12.5"};
  const std::string text = FormatBallastFile(t);
  EXPECT_EQ(text,
            "-NBAL-\r\n3\r\n"
            "keel\r\ncrew\r\n\r\n"
            "100\r\n400\r\n\r\n"
            "0\r\n10\r\n\r\n"
            "120\r\n200\r\n\r\n"
            "-30\r\n12.5\r\n\r\n");
  BallastTable back = BallastTable::Reset();
  std::string message;
  ASSERT_TRUE(ParseBallastFile(text, back, message)) << message;
  EXPECT_EQ(back.rows, t.rows);
}

TEST(BallastFile, WithoutTheMarkerTheTableHasTenRows) {
  std::string text = "old ballast file\n";  // not data
  for (int block = 0; block < 5; ++block) {
    for (int line = 1; line <= 10; ++line) {
      text += (block == 0 ? "w" : std::to_string(block * 100)) + std::to_string(line) + "\n";
    }
  }
  BallastTable t = BallastTable::Reset();
  std::string message;
  ASSERT_TRUE(ParseBallastFile(text, t, message)) << message;
  ASSERT_EQ(t.RowCount(), 10);
  EXPECT_EQ(t.rows[1], (BallastRow{"w1", "1001", "2001", "3001", "4001"}));
  EXPECT_EQ(t.rows[9], (BallastRow{"w9", "1009", "2009", "3009", "4009"}));
}

TEST(BallastFile, CountsTheTableCannotHoldAreRefused) {
  for (const char* text : {"-NBAL-\r\n1\r\n", "-NBAL-\r\n1002\r\n", "-NBAL-\r\n-5\r\n",
                           "-NBAL-\r\nmany\r\n", "-NBAL-\r\n99999999999\r\n", "-NBAL-"}) {
    BallastTable t = BallastTable::Reset(3);
    t.rows[1][0] = "kept";
    std::string message;
    EXPECT_FALSE(ParseBallastFile(text, t, message)) << text;
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.rows[1][0], "kept");
  }
  // A short file reads what it has; the rest is empty.
  BallastTable t = BallastTable::Reset();
  std::string message;
  ASSERT_TRUE(ParseBallastFile("-NBAL-\r\n4\r\nA\r\n", t, message));
  ASSERT_EQ(t.RowCount(), 4);
  EXPECT_EQ(t.rows[1][0], "A");
  EXPECT_EQ(t.rows[3][kBallastHeight], "");
}

}  // namespace
}  // namespace skelmora
