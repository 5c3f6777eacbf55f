// The stability data file as written and as the results window reads it.
#include "stability/stability_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "files/text_io.h"

#include "core/stability/stability_fixtures.h"
#include "stability/fixed_text.h"

namespace skelmora {
namespace {

using test::MakeBox;
using test::StabilityHull;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

StabilityRun BallastedBoxRun(StabilityHull& hull, double maxHeel, double step) {
  MakeBox(hull);
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(maxHeel, step, message);
  inputs.ballast = {{100, 10, 120, -10}, {0, 5, 5, 5}, {50, 0, 60, -15}};
  return RunStability(hull.records, inputs, hull.prompter);
}

TEST(StabilityData, FileLayout) {
  StabilityHull hull;
  const StabilityRun run = BallastedBoxRun(hull, 45, 5);
  ASSERT_TRUE(run.ok);
  const std::vector<std::string> l = Lines(FormatStabilityData(run, "/boats/box.s98", kInches));
  ASSERT_EQ(l.size(), 6u + 10 + 4 + 3 + 10 + 1 + 2);
  EXPECT_EQ(l[0], "SKELMORA V7 Hydrostatics Analysis For.../boats/box.s98...");
  EXPECT_EQ(l[1], "");
  EXPECT_EQ(l[2], "Units are Pounds or Tons & Feet");
  EXPECT_EQ(l[3], std::string(78, '*'));
  EXPECT_EQ(l[4], kStabilityHeading);
  EXPECT_EQ(l[4].size(), 164u);
  EXPECT_EQ(l[5], std::string(78, '_'));
  for (int p = 0; p < 10; ++p) {
    const std::string& row = l[6 + p];
    EXPECT_EQ(row.substr(0, 6), StabilityFixed(5.0 * p, 6, 2));
    // 18 columns: widths 6, 9, 8, 8, 8, 10 x 3, 8 x 10, one blank between.
    EXPECT_EQ(row.size(), 6u + 9 + 8 * 3 + 10 * 3 + 8 * 10 + 17) << row;
    std::istringstream values(row);
    double ang, disp, trim;
    values >> ang >> disp >> trim;
    EXPECT_NEAR(disp, run.rows[p].volume * 0.03704, 0.05);
    EXPECT_EQ(trim, 0.0);
  }
  EXPECT_EQ(l[16], "");
  EXPECT_EQ(l[17], "LCG of Hull Alone=" + StabilityFixed(run.lcgHullAlone / 12, 6, 3) +
                       " Overall LCG with Ballast=" + StabilityFixed(run.lcgOverall / 12, 6, 2));
  EXPECT_EQ(l[18], "");
  EXPECT_EQ(l[19], "");
  EXPECT_EQ(l[20], "SKELMORA V7 Stability Analysis in Feet");
  EXPECT_EQ(l[21], std::string(67, '_'));
  EXPECT_EQ(l[22], kMetacentricHeading);
  for (int p = 0; p < 10; ++p) {
    const StabilityRow& r = run.rows[p];
    EXPECT_EQ(l[23 + p], StabilityFixed(r.heel, 6, 3) + "   " + StabilityFixed(r.bmt / 12, 6, 3) +
                             "   " + StabilityFixed(r.gmt / 12, 6, 3) + "    " +
                             StabilityFixed(r.bml / 12, 6, 3) + "    " +
                             StabilityFixed(r.gml / 12, 6, 3) + "    " +
                             StabilityFixed(r.gz / 12, 6, 3));
  }
  // GZ stays positive to 45: no crossing, the line holds only 0.
  EXPECT_EQ(l[33], "  0.000 ");
  // Ballast lines for the two weights that are not 0, numbered in the table.
  EXPECT_EQ(l[34], "1 Ballast=100.000 Ballast beam=10.000 Ballast +/-LWL=-10.000 "
                   "Ballast Aft Bow=120.000");
  EXPECT_EQ(l[35], "3 Ballast=50.000 Ballast beam= 0.000 Ballast +/-LWL=-15.000 "
                   "Ballast Aft Bow=60.000");
}

TEST(StabilityData, BallastLinesAlsoWithTheCentreSetByHand) {
  StabilityHull hull;
  MakeBox(hull);
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(10, 5, message);
  inputs.manualCentre = true;
  inputs.manualVcg = 0.0;
  inputs.manualLcg = 120.0;
  inputs.ballast = {{100, 10, 120, -10}, {0, 5, 5, 5}};
  const StabilityRun run = RunStability(hull.records, inputs, hull.prompter);
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.tcg, 0.0);  // the centre given by hand is the whole weight's
  const std::vector<std::string> l = Lines(FormatStabilityData(run, "box", kInches));
  EXPECT_EQ(l.back(), "1 Ballast=100.000 Ballast beam=10.000 Ballast +/-LWL=-10.000 "
                      "Ballast Aft Bow=120.000");
}

TEST(StabilityData, NumbersNeverOverflowTheirColumns) {
  // Ordinary values keep their decimals (the width is a minimum) ...
  EXPECT_EQ(StabilityCell(123.456, 6, 3), "123.456");
  EXPECT_EQ(StabilityCell(123456.789, 8, 3), "123456.789");
  // ... past ten characters they lose decimals, then take the exponent.
  EXPECT_EQ(StabilityCell(12345678.9, 8, 3), "12345678.9");
  EXPECT_EQ(StabilityCell(-123456789.0, 8, 3), "-123456789");
  for (const double huge : {1e308, -1e308, 3.5e15, -2.5e11}) {
    const std::string text = StabilityCell(huge, 8, 3);
    EXPECT_LE(text.size(), 10u) << text;
    EXPECT_NEAR(ParseReal(text), huge, std::fabs(huge) * 0.05) << text;
  }
  // A centre far off gives a data file whose rows keep their length.
  StabilityRun run;
  run.ok = true;
  run.heel = HeelSteps{10, 10, 1};
  for (int p = 0; p <= 1; ++p) {
    StabilityRow row;
    row.heel = 10.0 * p;
    row.vcgx = 1e300;
    row.vcgz = -1e300;
    row.gz = -1e300;
    row.gmt = 1e300;
    run.rows.push_back(row);
  }
  run.lcgHullAlone = run.lcgOverall = -1e308;
  for (const std::string& line : Lines(FormatStabilityData(run, "far", kInches))) {
    EXPECT_LE(line.size(), 170u) << line;
  }
}

TEST(StabilityData, CentresFarFromTheHullAreRefused) {
  HullExtents e;
  e.smallestY = 0.0;
  e.hullLength = 240.0;
  e.lowestZ = -18.0;
  e.highestZ = 30.0;
  e.depth = 48.0;
  std::string message;
  EXPECT_TRUE(CheckCentreOfGravity(10.0, 120.0, e, message));
  EXPECT_TRUE(CheckCentreOfGravity(30.0 + 24000.0, -24000.0, e, message));
  EXPECT_FALSE(CheckCentreOfGravity(30.0 + 24001.0, 120.0, e, message));
  EXPECT_NE(message.find("VCG"), std::string::npos);
  EXPECT_FALSE(CheckCentreOfGravity(1e308, -1e308, e, message));
  EXPECT_LT(message.size(), 120u);
  EXPECT_FALSE(CheckCentreOfGravity(0.0, -24001.0, e, message));
  EXPECT_NE(message.find("LCG"), std::string::npos);
  EXPECT_FALSE(CheckCentreOfGravity(std::nan(""), 0.0, e, message));
}

TEST(StabilityData, LastRowOfAnUnevenRunAndMetricTexts) {
  StabilityHull hull;
  const StabilityRun run = BallastedBoxRun(hull, 47, 5);
  ASSERT_TRUE(run.ok);
  const std::vector<std::string> l = Lines(FormatStabilityData(run, "box", kMillimetres));
  EXPECT_EQ(l[2], "Units are Kg & Meters or 1000*Kg & Meters");
  EXPECT_EQ(l[20], "SKELMORA V7 Stability Analysis in Meters");
  // The first table counts steps (45), the second gives the angle (47).
  EXPECT_EQ(l[15].substr(0, 6), " 45.00");
  EXPECT_EQ(l[32].substr(0, 6), "47.000");
}

TEST(StabilityData, CrossingLineAndNoBallastLines) {
  StabilityRun run;
  run.ok = true;
  run.heel = HeelSteps{30, 10, 3};
  const double gz[] = {0.0, 12.0, 6.0, -6.0};
  for (int p = 0; p <= 3; ++p) {
    StabilityRow row;
    row.heel = p * 10.0;
    row.gz = gz[p];
    run.rows.push_back(row);
  }
  run.maxPositiveStability = MaxPositiveStability(run.rows);
  run.ballastCombined = true;
  run.ballast = {{0, 1, 1, 1}};
  const std::vector<std::string> l = Lines(FormatStabilityData(run, "x", kInches));
  EXPECT_EQ(l.back(), " Max Pos Stab @ 25.000 ");
}

TEST(StabilityData, MaxPositiveStabilityCrossings) {
  auto rows = [](std::initializer_list<std::pair<double, double>> heelGz) {
    std::vector<StabilityRow> r;
    for (const auto& [heel, gz] : heelGz) {
      StabilityRow row;
      row.heel = heel;
      row.gz = gz;
      r.push_back(row);
    }
    return r;
  };
  EXPECT_EQ(MaxPositiveStability(rows({{0, 0}, {10, 1}, {20, 0}, {30, -1}})), 20.0);
  EXPECT_DOUBLE_EQ(*MaxPositiveStability(rows({{0, 0}, {10, 3}, {20, -1}})), 17.5);
  // The last crossing wins.
  EXPECT_DOUBLE_EQ(*MaxPositiveStability(rows({{0, 0}, {10, 1}, {20, -1}, {30, 1}, {40, -3}})),
                   32.5);
  EXPECT_FALSE(MaxPositiveStability(rows({{0, 0}, {10, 1}, {20, 2}})));
  EXPECT_FALSE(MaxPositiveStability(rows({{0, 0}, {10, -1}, {20, -2}})));
  // Between the last two steps of an uneven run: 40 and 47.
  EXPECT_DOUBLE_EQ(*MaxPositiveStability(rows({{0, 0}, {40, 1}, {47, -1}})), 43.5);
}

TEST(StabilityData, DisplacementUnitsAndSigns) {
  std::string unit;
  EXPECT_DOUBLE_EQ(TableDisplacement(99000.0 / 0.03704, kInches, &unit), 99000.0);
  EXPECT_EQ(unit, "lb");
  EXPECT_DOUBLE_EQ(TableDisplacement(2.0 * 99000.0 / 0.03704, kInches, &unit), 198000.0 / 2240);
  EXPECT_EQ(unit, "ton");
  EXPECT_DOUBLE_EQ(TableDisplacement(1e9, kMillimetres, &unit), 1025.1922);
  EXPECT_EQ(unit, "kg");
  EXPECT_DOUBLE_EQ(TableDisplacement(1e12, kMillimetres, &unit), 1025.1922);
  EXPECT_EQ(unit, "t");

  EXPECT_EQ(StabilityFixed(-0.0004, 7, 3), "  0.000");
  EXPECT_EQ(StabilityFixed(-0.0006, 7, 3), " -0.001");
  EXPECT_EQ(StabilityFixed(-1e-300, 6, 2), "  0.00");
  EXPECT_EQ(StabilityFixed(-12.0, 6, 1), " -12.0");
}

TEST(StabilityData, TablesReadBack) {
  StabilityHull hull;
  const StabilityRun run = BallastedBoxRun(hull, 45, 5);
  ASSERT_TRUE(run.ok);
  // A design named with both headings' words does not fool the reader.
  const std::string text = FormatStabilityData(run, "Bmt Ang.s98", kInches);
  const StabilityTables t = ReadStabilityTables(text, 10);
  ASSERT_TRUE(t.hasSecondTable);
  ASSERT_EQ(t.first.size(), 10u);
  ASSERT_EQ(t.second.size(), 10u);
  for (int p = 0; p < 10; ++p) {
    ASSERT_EQ(t.first[p].size(), 18u);
    ASSERT_EQ(t.second[p].size(), 6u);
    EXPECT_EQ(t.first[p][0], 5.0 * p);
    EXPECT_NEAR(t.first[p][3], run.rows[p].lwl / 12, 0.0005);
    EXPECT_NEAR(t.second[p][5], run.rows[p].gz / 12, 0.0005);
  }
  EXPECT_FALSE(ReadStabilityTables(text.substr(0, text.find("SKELMORA V7 Stability")), 10)
                   .hasSecondTable);
}

TEST(StabilityData, FailedRunWritesWhatItHad) {
  StabilityHull hull;
  MakeBox(hull);
  const StabilityRun run = hull.Run(45, 5, 0.0, 0.0);
  ASSERT_FALSE(run.ok);
  const std::vector<std::string> l = Lines(FormatStabilityData(run, "box", kInches));
  ASSERT_EQ(l.size(), 6u);
  EXPECT_EQ(l[5], std::string(78, '_'));
}

}  // namespace
}  // namespace skelmora
