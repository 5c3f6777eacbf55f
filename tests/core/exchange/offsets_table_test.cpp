// The table of offsets: the feet-inches-eighths rounding, and every
// half-breadth read back from the text against the waterline cut that
// crosses the station, to the table's precision.
#include "exchange/offsets_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/design_file.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

TEST(OffsetsTable, FeetInchesEighthsRounding) {
  const struct {
    double inches;
    const char* text;
  } cases[] = {
      {0.0, "0-00-0"},       {-0.0, "0-00-0"},       {0.06, "0-00-0"},   {0.0625, "0-00-1"},
      {-0.05, "0-00-0"},     {1.0, "0-01-0"},        {11.9375, "1-00-0"}, {11.93, "0-11-7"},
      {40.625, "3-04-5"},    {-18.0, "-1-06-0"},     {143.99, "12-00-0"}, {-0.126, "-0-00-1"},
      {1200.4, "100-00-3"},  {std::nan(""), "0-00-0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFeetInchesEighths(c.inches), c.text) << c.inches;
  EXPECT_EQ(FormatOffset(1234.56, kMillimetres), "1235");
  EXPECT_EQ(FormatOffset(-0.3, kMillimetres), "0");
}

// "F-II-E" back to inches.
double ReadFeetInches(const std::string& text) {
  const bool negative = text[0] == '-';
  std::istringstream in(negative ? text.substr(1) : text);
  int feet = 0, inches = 0, eighths = 0;
  char dash = 0;
  in >> feet >> dash >> inches >> dash >> eighths;
  const double value = feet * 12.0 + inches + eighths / 8.0;
  return negative ? -value : value;
}

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  std::string line;
  for (int k = 0; k < 6 && std::getline(in, line); ++k) {}  // headings, columns, levels
  while (std::getline(in, line)) {
    std::istringstream cells(line);
    std::vector<std::string> row;
    for (std::string cell; cells >> cell;) row.push_back(cell);
    rows.push_back(row);
  }
  return rows;
}

TEST(OffsetsTable, HalfBreadthsAreTheWaterlineCutsAtTheStations) {
  test::Hull hull;
  test::MakeSailboat(hull);
  HullDesign& d = hull.d();
  d.ShowButtocks = true;
  const std::string before = FormatDesignText(d, false);
  const OffsetTable table = ComputeOffsetTable(d, *hull.surface, *hull.cuts);
  const std::string text = FormatOffsetTable(d, table);
  EXPECT_EQ(FormatDesignText(d, false), before) << "the table changed the design";
  ASSERT_GT(table.rows.size(), 5u);
  ASSERT_GT(table.waterlines.size(), 2u);
  ASSERT_FALSE(table.buttocks.empty());
  const auto rows = Rows(text);
  ASSERT_EQ(rows.size(), table.rows.size());

  int compared = 0;
  for (size_t s = 0; s < rows.size(); ++s) {
    const double y = table.rows[s].station;
    ASSERT_EQ(rows[s].size(), 2 + table.waterlines.size() + table.buttocks.size() + 3);
    EXPECT_NEAR(ReadFeetInches(rows[s][1]), y, 1.0 / 16);
    for (size_t w = 0; w < table.waterlines.size(); ++w) {
      // The outermost point of the waterline where it crosses the station.
      const CutResult cut = CutWaterline(d, *hull.surface, *hull.cuts, table.waterlines[w]);
      double outermost = -1.0;
      ForEachWaterlinePiece(*hull.cuts, cut, [&](const auto& p, int first, int last) {
        for (int k = first; k < last; ++k) {
          if ((p[k].y - y) * (p[k + 1].y - y) > 0 || p[k].y == p[k + 1].y) continue;
          const double t = (y - p[k].y) / (p[k + 1].y - p[k].y);
          outermost = std::max(outermost, p[k].x + t * (p[k + 1].x - p[k].x));
        }
      });
      const std::string& cell = rows[s][2 + w];
      if (outermost < 0) {
        EXPECT_EQ(cell, "--") << "station " << s + 1 << " waterline " << w + 1;
        continue;
      }
      ASSERT_NE(cell, "--") << "station " << s + 1 << " waterline " << w + 1;
      // Printed to an eighth; the two cuts meet on the grid within a little more.
      EXPECT_NEAR(ReadFeetInches(cell), outermost, 1.0 / 16 + 0.03)
          << "station " << s + 1 << " waterline " << w + 1;
      ++compared;
    }
    const size_t sheer = 2 + table.waterlines.size() + table.buttocks.size();
    EXPECT_NEAR(ReadFeetInches(rows[s][sheer + 1]), table.rows[s].sheerHeight, 1.0 / 16);
    EXPECT_LT(ReadFeetInches(rows[s][sheer + 2]), ReadFeetInches(rows[s][sheer + 1]));
  }
  EXPECT_GT(compared, 10);
}

TEST(OffsetsTable, MetricInWholeMillimetresAndTheVertexTable) {
  test::Hull hull;
  test::MakeSailboat(hull, kMillimetres, 25.4);
  const std::string text = FormatOffsetTable(hull.design, ComputeOffsetTable(hull.design, *hull.surface, *hull.cuts));
  EXPECT_NE(text.find("Offsets in millimetres"), std::string::npos);
  for (const auto& row : Rows(text)) {
    for (const std::string& cell : row) {
      EXPECT_TRUE(cell == "--" || TryParseInt(cell)) << cell;
      EXPECT_NE(cell, "-0");
    }
  }
  const std::string vertices = FormatVertexTable(hull.design);
  std::istringstream in(vertices);
  std::string line;
  int count = 0;
  while (std::getline(in, line)) {
    TokenLine tokens(line);
    const auto c = TryParseInt(tokens.Token());
    if (!c) continue;
    const int r = tokens.Int();
    const Vertex& v = hull.design.Net[*c][r];
    EXPECT_NEAR(tokens.Real(), v.x, 5e-4);
    EXPECT_NEAR(tokens.Real(), v.y, 5e-4);
    EXPECT_NEAR(tokens.Real(), v.z, 5e-4);
    ++count;
  }
  EXPECT_EQ(count, 25);
}

}  // namespace
}  // namespace skelmora
