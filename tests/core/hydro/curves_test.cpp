#include "hydro/curves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::PrismShape;

CurveResults Compute(Hull& hull, int stations) {
  CurveResults curves;
  EXPECT_TRUE(ComputeCurves(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter,
                            stations, curves));
  return curves;
}

// Box barge 240 x 2*48 x 18 inches: 12 sq ft sections, 66 inches of girth
// a side. Station 0 lies on the bow end, which its plane just misses.
TEST(Curves, BoxBargeAreasAndGirths) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const CurveResults curves = Compute(hull, 10);
  EXPECT_EQ(curves.stations, 10);
  EXPECT_EQ(curves.areas[0], 0.0);
  EXPECT_EQ(curves.lengths[0], 0.0);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_NEAR(curves.areas[k], 2.0 * 48.0 * 18.0 / 144.0, 1e-9) << k;
    EXPECT_NEAR(curves.lengths[k], (48.0 + 18.0) / 12.0, 1e-3) << k;
  }
  EXPECT_EQ(curves.areas[11], 0.0);
  EXPECT_NEAR(curves.maxArea, 12.0, 1e-9);
  EXPECT_NEAR(curves.maxLength, 5.5, 1e-3);
}

// Wedge pointed at the bow: areas and girths grow linearly along the
// waterline (stations are traced 1e-6 forward of their place).
TEST(Curves, WedgeAreasGrowLinearly) {
  Hull hull;
  MakePrism(hull, PrismShape{.bowHalfBreadth = 0.0, .units = kMillimetres});
  hull.d().SurfaceAccuracy = 1e-7;
  const CurveResults curves = Compute(hull, 4);
  for (int k = 0; k <= 4; ++k) {
    const double halfBreadth = 48.0 * k / 4.0;
    EXPECT_NEAR(curves.areas[k], 2.0 * halfBreadth * 18.0 * 1e-6, 1e-10) << k;
    if (k > 0) {
      EXPECT_NEAR(curves.lengths[k], (halfBreadth + 18.0) * 0.001, 1e-9) << k;
    }
  }
}

TEST(Curves, StationCountDefaultsToTenAndStopsAtFifty) {
  EXPECT_EQ(CurveStationCount(0), 10);
  EXPECT_EQ(CurveStationCount(-4), 10);
  EXPECT_EQ(CurveStationCount(1), 1);
  EXPECT_EQ(CurveStationCount(50), 50);
  EXPECT_EQ(CurveStationCount(100), 50);

  Hull hull;
  MakePrism(hull, PrismShape{});
  const CurveResults curves = Compute(hull, 80);
  EXPECT_EQ(curves.stations, 50);
  EXPECT_NEAR(curves.areas[50], 12.0, 1e-9);
}

// Lowest z not below -0.1: refused, and lowestZ (with the design's draft) is 1.
TEST(Curves, ShallowHullIsRefused) {
  Hull hull;
  MakePrism(hull, PrismShape{.draft = 0.05});
  CurveResults curves;
  curves.areas[3] = 4.0;
  EXPECT_FALSE(ComputeCurves(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter,
                             10, curves));
  EXPECT_EQ(hull.prompter.shown,
            std::vector<std::string>{"This hull has no displacement below the LWL. Please Shift Hull"});
  EXPECT_EQ(hull.results.lowestZ, 1.0);
  EXPECT_EQ(hull.d().DesignDimensions[kDimensionDraft], 1.0);
  EXPECT_EQ(curves.areas[3], 4.0);
}

TEST(Curves, PrintedTableOfAreasAndLengths) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const CurveResults curves = Compute(hull, 3);
  const std::string label(17, ' ');
  // Station 0 (the prism's end, where the cut has no area) first; each
  // number ends under the end of its heading word.
  EXPECT_EQ(FormatCurveTable(curves, CurveKind::kAreas, false, "Barge"),
            "\n\n" + label + "Barge\n\n"
            "      Section     Area SqFt    % Of Max\n"
            "            0         0.000        0.00\n"
            "            1        12.000      100.00\n"
            "            2        12.000      100.00\n"
            "            3        12.000      100.00\n");
  EXPECT_EQ(FormatCurveTable(curves, CurveKind::kLengths, true, "B"),
            "\n\n" + label + "B\n\n"
            "      Section    Length Meters\n"
            "            0        0.000\n"
            "            1        5.500\n"
            "            2        5.500\n"
            "            3        5.500\n");

  // Metric heading, and a zero largest area prints 0 %.
  CurveResults empty;
  empty.stations = 2;
  empty.areas[1] = 0.0;
  EXPECT_EQ(FormatCurveTable(empty, CurveKind::kAreas, true, ""),
            "\n\n" + label + "\n\n"
            "      Section     Area SqM     % of Max\n"
            "            0         0.000        0.00\n"
            "            1         0.000        0.00\n"
            "            2         0.000        0.00\n");
}

TEST(Curves, PrintedTableKeepsItsColumnsOnTwoDigitStationsAndLargeAreas) {
  CurveResults curves;
  curves.stations = 12;
  for (int k = 0; k <= 12; ++k) curves.areas[k] = k == 11 ? 2345.5 : 7.25;
  curves.maxArea = 2345.5;
  const std::string text = FormatCurveTable(curves, CurveKind::kAreas, false, "Ship");
  std::vector<std::string> rows;
  for (size_t at = text.find("% Of Max\n") + 9; at < text.size();) {
    const size_t end = text.find('\n', at);
    rows.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  ASSERT_EQ(rows.size(), 13u);  // stations 0..12
  const std::string heading = "      Section     Area SqFt    % Of Max";
  for (size_t k = 0; k < rows.size(); ++k) {
    SCOPED_TRACE(rows[k]);
    ASSERT_EQ(rows[k].size(), heading.size());
    // The station's last digit under "Section"'s last letter, the area's
    // under "SqFt"'s.
    EXPECT_EQ(rows[k].substr(0, 13).find_first_not_of(' '), 13 - std::to_string(k).size());
    EXPECT_EQ(rows[k][12], std::to_string(k).back());
    EXPECT_EQ(rows[k].substr(22, 5), std::string(k == 11 ? "5.500" : "7.250"));
  }
  EXPECT_EQ(rows[11], "           11      2345.500      100.00");
}

TEST(Curves, ChartTitles) {
  EXPECT_EQ(CurveChartTitle("/d/boat.s98", CurveKind::kAreas),
            "/d/boat.s98 - Curve of Immersed Areas");
  EXPECT_EQ(CurveChartTitle("b.s98", CurveKind::kLengths), "b.s98 - Curve of Immersed Lengths");
  EXPECT_EQ(CurveAxisTitle(CurveKind::kAreas, false), "Section Area - SqFt");
  EXPECT_EQ(CurveAxisTitle(CurveKind::kAreas, true), "Section Area - SqMeters");
  EXPECT_EQ(CurveAxisTitle(CurveKind::kLengths, false), "Wetted Lengths - Ft");
  EXPECT_EQ(CurveAxisTitle(CurveKind::kLengths, true), "Wetted Lengths - Meters");
}

}  // namespace
}  // namespace skelmora
