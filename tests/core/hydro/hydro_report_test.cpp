#include "hydro/hydro_report.h"

#include <gtest/gtest.h>

namespace skelmora {
namespace {

HydrostaticResults SampleResults() {
  HydrostaticResults r;
  r.volume = 100.0;
  r.cp = 0.55;
  r.cb = 0.4;
  r.cw = 0.7;
  r.momentToTrim = 1234.5678;
  r.immersion = 853.3328;
  r.dispLengthRatio = 250.0;
  r.lwl = 300.0;
  r.halfBeamWl = 50.0;
  r.lowestZ = -20.0;
  r.vcgHull = -0.25;
  r.lcgHull = 14.5;
  r.lcb = 13.25;
  r.vcb = 0.6;
  r.gmt = 2.5;
  r.bmt = 3.1;
  r.loa = 360.0;
  r.halfBeamDeck = 60.0;
  r.maxFreeboard = 36.0;
  r.waterplaneArea = 160.25;
  r.lateralArea = 30.0;
  r.wettedArea = 220.0;
  r.hullSurfaceArea = 320.0;
  r.brakePower = 7.7741;
  r.lcf = 162.0;
  r.clpVertical = 9.0;
  r.clpLongitudinal = 150.0;
  r.gml = 40.0;
  r.bml = 41.0;
  return r;
}

TEST(HydroReport, PrintedTextInEnglishUnits) {
  const std::string text = FormatHydrostaticsReport(
      BuildHydrostaticsReport(SampleResults(), kInches), "/boats/yawl.s98", "12/10/26 06:49");
  EXPECT_EQ(text,
            "\n"
            "\n"
            "  Hydrostatics Data for /boats/yawl.s98\n"
            "\n"
            "  12/10/26 06:49\n"
            "\n"
            "  Displacement\n"
            "  Saltwater  6400.000 Lbs\n"
            "  Fresh Water  6220.000 Lbs\n"
            "\n"
            "  Coefficients\n"
            "  Prismatic Cp  0.550\n"
            "  Block Cb  0.400\n"
            "  Waterplane Cw  0.700\n"
            "  Mom To Trim 1\"  1234.568 Lbs-Ft\n"
            "  Pounds/In Immer  853.333\n"
            "\n"
            "  Ratios\n"
            "  Disp'ment/Length  250.000\n"
            "  Length/Beam  3.000\n"
            "  Length/Draft  15.000\n"
            "  Beam/Draft  5.000\n"
            "\n"
            "  Centers\n"
            "  VCG of Hull  -0.250 ft Below LWL\n"
            "  LCG of Hull  14.500 ft Aft \"0\"\n"
            "  LCB  13.250 ft Aft \"0\"\n"
            "  VCB  0.600 ft Below Lwl\n"
            "\n"
            "  Transverse Metacenters\n"
            "  Gmt  2.500 Ft\n"
            "  Bmt  3.100 Ft\n"
            "\n"
            "  Length - Width - Height\n"
            "  Load Waterline  25.000 Ft\n"
            "  Length Over All  30.000 Ft\n"
            "  Waterline Beam  8.333 Ft\n"
            "  Deck Beam  10.000 Ft\n"
            "  Max Freeboard  3.000 Ft\n"
            "  Fairbody Draft  1.667 Ft\n"
            "\n"
            "  Areas\n"
            "  Waterplane  160.250 SqFt\n"
            "  Lateral Plane  30.000 SqFt\n"
            "  Wetted Hull Area  220.000 SqFt\n"
            "  Total Hull Surface  320.000 SqFt\n"
            "\n"
            "  Required Power\n"
            "  Brake Horse Pwr  7.774 BHP\n"
            "\n"
            "  Centers of Action\n"
            "  Long.  Ctr of Float.  13.500 Ft aft \"0\"\n"
            "  Vertical CLP  0.750 Ft Below LWL\n"
            "  Longitudinal CLP  12.500 Ft aft \"0\"\n"
            "\n"
            "  Longitudinal Metacenters\n"
            "  Gml  40.000Ft\n"
            "  Bml  41.000Ft\n");
}

// The lines whose captions or units change in metric, by group and line.
TEST(HydroReport, MetricCaptionsUnitsAndFreshwater) {
  HydrostaticResults r = SampleResults();
  r.vcgHull = 0.0;
  r.lwl = 7500.0;
  r.lcf = 4000.0;
  const HydrostaticsReport report = BuildHydrostaticsReport(r, kMillimetres);
  ASSERT_EQ(report.groups.size(), 10u);
  struct Expect {
    size_t group, line;
    const char* caption;
    const char* value;
  };
  const Expect expected[] = {
      {0, 0, "Saltwater", "102500.000 Kgs"},
      {0, 1, "Fresh Water", "99609.500 Kgs"},  // 1025 x 0.9718 per cubic metre
      {1, 3, "Mom To Trim 1cm", "1234.568 Kg-m"},
      {1, 4, "KG/Cm Immer", "853.333"},
      {3, 0, "VCG of Hull", "0.000 M Above LWL"},
      {3, 1, "LCG of Hull", "14.500 M Aft \"0\""},
      {3, 3, "VCB", "0.600 M Below Lwl"},
      {4, 1, "Bmt", "3.100 Meters"},
      {5, 0, "Load Waterline", "7.500 Meters"},
      {5, 2, "Waterline Beam", "0.100 Meters"},
      {5, 5, "Fairbody Draft", "0.020 Meters"},
      {6, 2, "Wetted Hull Area", "220.000 SqMt"},
      {8, 0, "Long.  Ctr of Float.", "4.000 M aft \"0\""},
      {8, 1, "Vertical CLP", "0.009 M Below LWL"},
      {9, 0, "Gml", "40.000M"},
  };
  for (const Expect& e : expected) {
    const ReportLine& line = report.groups[e.group].lines[e.line];
    EXPECT_EQ(line.caption, e.caption);
    EXPECT_EQ(line.value, e.value) << e.caption;
  }
  EXPECT_EQ(report.groups[4].title, "Transverse Metacenters - Estimate");
  EXPECT_EQ(report.groups[5].title, "Length / Width / Height");
  EXPECT_DOUBLE_EQ(FreshwaterDisplacement(r, kMillimetres), 100.0 * 996.095);
  EXPECT_DOUBLE_EQ(SaltwaterDisplacement(r, kInches), 6400.0);
  EXPECT_DOUBLE_EQ(FreshwaterDisplacement(r, kInches), 6220.0);
}

TEST(HydroReport, VcgAboveOrBelowTheWaterline) {
  HydrostaticResults r;
  for (const auto& [vcg, text] : {std::pair{0.0, "0.000 ft Above LWL"},
                                  std::pair{1.5, "1.500 ft Above LWL"},
                                  std::pair{-0.001, "-0.001 ft Below LWL"}}) {
    r.vcgHull = vcg;
    EXPECT_EQ(BuildHydrostaticsReport(r, kInches).groups[3].lines[0].value, text);
  }
}

}  // namespace
}  // namespace skelmora
