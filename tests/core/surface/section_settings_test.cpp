#include "surface/section_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "core/surface/test_nets.h"

namespace skelmora {
namespace {

nets::Hull Boat() { return nets::MakeHull(8, 6, 3, 3, nets::BoatVertex); }

TEST(CurveSettings, CloseWritesTheDerivedHalfBackToZeroByMode) {
  nets::Hull hull = Boat();
  HullDesign& d = hull.d();
  d.ShowStations = true;
  d.ShowWaterlines = true;
  d.ShowButtocks = false;
  CurveSettings s = CurveSettingsOf(d, false);
  s.stationCount = 20;
  s.stationSpacing = 5.0;
  s.waterlineSpacing = 2.0;
  s.buttockSpacing = 1.5;
  s.stationReference = StationReference::kUserSpecified;
  s.userBowOffset = -12.5;

  CloseCurveSettings(d, hull.s(), s, true);  // "Number": spacings go
  EXPECT_EQ(d.StationCount, 20);
  EXPECT_EQ(d.StationSpacing, 0.0);
  EXPECT_EQ(d.WaterlineSpacing, 0.0);
  EXPECT_EQ(d.ButtockSpacing, 0.0);
  EXPECT_EQ(d.UserBowOffset, 12.5);

  s.spacingMode = true;  // "Spacing": the numbers of the kinds shown go
  CloseCurveSettings(d, hull.s(), s, false);
  EXPECT_EQ(d.StationCount, 0);
  EXPECT_EQ(d.WaterlineCount, 0);
  EXPECT_EQ(d.ButtockCount, 3);  // buttocks are not shown
  EXPECT_EQ(d.StationSpacing, 5.0);
  EXPECT_EQ(d.ButtockSpacing, 1.5);

  EXPECT_EQ(CurveSettingsOf(d, true).stationReference, StationReference::kUserSpecified);
  s.stationReference = StationReference::kCutwater;
  CloseCurveSettings(d, hull.s(), s, false);
  EXPECT_TRUE(d.StationRefCutwater);
  EXPECT_EQ(d.UserBowOffset, 0.0);
  EXPECT_EQ(CurveSettingsOf(d, true).stationReference, StationReference::kCutwater);
  s.stationReference = StationReference::kBow;
  CloseCurveSettings(d, hull.s(), s, false);
  EXPECT_FALSE(d.StationRefCutwater);
}

TEST(LinesQuality, DivisionsAreTheIntervalsTimesTheFactorUpTo200) {
  nets::Hull hull = Boat();
  HullDesign& d = hull.d();
  EXPECT_EQ(CurrentLinesQuality(d), LinesQuality::kNone);  // 50 x 50 matches none on 8 x 6
  SetLinesQuality(d, LinesQuality::kBest);
  EXPECT_EQ(d.ColumnDivisions, 80);
  EXPECT_EQ(d.RowDivisions, 60);
  EXPECT_EQ(CurrentLinesQuality(d), LinesQuality::kBest);
  SetLinesQuality(d, LinesQuality::kGood);
  EXPECT_EQ(d.ColumnDivisions, 24);
  EXPECT_EQ(d.RowDivisions, 18);
  EXPECT_EQ(CurrentLinesQuality(d), LinesQuality::kGood);

  d.LastColumn = 30;
  SetLinesQuality(d, LinesQuality::kBetter);
  EXPECT_EQ(d.ColumnDivisions, 150);
  SetLinesQuality(d, LinesQuality::kBest);
  EXPECT_EQ(d.ColumnDivisions, 200);
  EXPECT_EQ(CurrentLinesQuality(d), LinesQuality::kBest);
}

TEST(SingleSections, EnteredValuesAreCheckedAgainstTheHull) {
  nets::Hull hull = Boat();  // 100 long, z -5..5, largest vertex x 10
  testing::ScriptedPrompter prompter;
  struct Case {
    SectionKind kind;
    double entered, kept;
  };
  const Case cases[] = {
      {SectionKind::kStation, 40.0, 40.0}, {SectionKind::kStation, -3.0, 0.0},
      {SectionKind::kStation, 100.5, 0.0}, {SectionKind::kWaterline, -4.5, -4.5},
      {SectionKind::kWaterline, 5.5, 0.0}, {SectionKind::kWaterline, -5.5, 0.0},
      {SectionKind::kButtock, 10.5, 10.5}, {SectionKind::kButtock, 11.5, 0.0},
      {SectionKind::kButtock, -1.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckSingleSection(hull.d(), hull.s(), prompter, c.kind, c.entered), c.kept)
        << c.entered;
  }
  EXPECT_EQ(prompter.errors, (std::vector<std::string>{kStationTooFar, kWaterlineTooFar,
                                                       kWaterlineTooFar, kButtockTooFar}));
}

TEST(SingleSections, OkPacksTheFilledCellsInGridOrder) {
  nets::Hull hull = Boat();
  HullDesign& d = hull.d();
  SingleSections cells;
  cells.stations[0] = 10.0;
  cells.stations[3] = 40.0;
  cells.stations[8] = 25.0;
  cells.waterlines[5] = -2.0;
  cells.buttocks[1] = 3.0;
  cells.stationsChecked = true;
  cells.waterlinesChecked = true;
  ApplySingleSections(d, cells);
  EXPECT_EQ(d.SpecialStationCount, 3);
  EXPECT_EQ(d.SpecialStations[1], 10.0);
  EXPECT_EQ(d.SpecialStations[2], 40.0);
  EXPECT_EQ(d.SpecialStations[3], 25.0);
  EXPECT_TRUE(d.SpecialStationsOn);
  EXPECT_EQ(d.SpecialWaterlineCount, 1);
  EXPECT_EQ(d.SpecialButtockCount, 0);  // unchecked
  EXPECT_FALSE(d.SpecialButtocksOn);

  // A list longer than the grid survives the dialog when the rest is passed back.
  d.SpecialStationCount = 40;
  for (int k = 1; k <= 40; ++k) d.SpecialStations[k] = k;
  SingleSections again;
  again.stations = StationCellsOf(d);
  again.stationsChecked = true;
  ApplySingleSections(d, again);
  EXPECT_EQ(d.SpecialStationCount, 40);
  EXPECT_EQ(d.SpecialStations[40], 40.0);

  ApplySingleSections(d, SingleSections{});  // "Hide All Lines"
  EXPECT_EQ(d.SpecialStationCount, 0);
  EXPECT_FALSE(d.SpecialStationsOn);
}

TEST(Accuracy, CancelOrATinyValueFallsBackToTheDefault) {
  HullDesign d;
  d.Units = kMillimetres;
  EXPECT_STREQ(AccuracyLabel(d), "Accuracy in mm");
  d.SurfaceAccuracy = 0.5;
  EXPECT_FALSE(CloseAccuracy(d, false));
  EXPECT_EQ(d.SurfaceAccuracy, 0.01);
  d.SurfaceAccuracy = 0.00001;
  EXPECT_FALSE(CloseAccuracy(d, true));
  EXPECT_EQ(d.SurfaceAccuracy, 0.01);
  d.SurfaceAccuracy = 0.002;
  EXPECT_TRUE(CloseAccuracy(d, true));
  EXPECT_EQ(d.SurfaceAccuracy, 0.002);
}

}  // namespace
}  // namespace skelmora
