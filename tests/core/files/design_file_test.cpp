#include "files/design_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using skelmora::testing::Fingerprint;
using skelmora::testing::JoinCrLf;
using skelmora::testing::ReadFileText;
using skelmora::testing::ScriptedPrompter;
using skelmora::testing::SplitCrLf;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

// Two columns by two rows, no special sections, no chines.
const std::vector<std::string> kPlainFile = {
    "111234",
    "1 3 2 1 1",
    "0.0000 0.0000 -1.2500 1.0000",
    "1.5000 0.0000 0.7500 1.0000",
    "0.2500 10.0000 -1.0000 1.0000",
    "2.0000 10.0000 1.0000 0.5000",
    "0.0000 0.0000 0.0000 0.0000 0.01000",
    "16711680 255 8388608 32768 0 255 16776960 128 12632256 8421376 16777215",
    "1 0 1 0 0 1 0",
    "0 0 0",
    "0 1 1 0 0 0 0",
    "15 9 3 0 0 30 70 70",
    "30 40 40 0 0 0",
    "0 0 0",
    "",
    "30.0000 20.0000",
    "0 0",
    "0 0 0 0 0",
    "0 0 0 0 0",
    "0 0 0 0 0",
    "0 0 0 0 0",
};

// Four columns by three rows, every special list, a chine each way with
// the unused slots filled as older files do. Every field has its own value.
const std::vector<std::string> kFullFile = {
    "111234",                                         // 0
    "2 3 2 3 2",                                      // 1
    "0.0000 0.0000 -1.0000 1.0000",                   // 2  [0][0]
    "0.5000 0.0000 0.0000 1.0000",                    //    [0][1]
    "0.7500 0.0000 1.0000 1.0000",                    //    [0][2]
    "0.0000 4.0000 -1.2000 1.0000",                   // 5  [1][0]
    "1.2500 4.0000 0.0000 0.7500",                    //    [1][1]
    "1.5000 4.0000 1.1000 1.0000",                    //    [1][2]
    "0.0000 8.0000 -1.2000 1.0000",                   // 8  [2][0]
    "1.3000 8.0000 0.0000 2.0000",                    //    [2][1]
    "1.6000 8.0000 1.2000 1.0000",                    //    [2][2]
    "0.0000 12.0000 -0.8000 1.0000",                  // 11 [3][0]
    "0.9000 12.0000 0.1000 1.0000",                   //    [3][1]
    "-1.1000 12.0000 1.3000 1.0000",                  //    [3][2]
    "0.5000 0.2500 12.0000 1.2500 0.00500",           // 14 spacings, accuracy
    "101 102 103 104 105 106 107 108 109 110 111",    // 15 colours
    "1 0 1 0 1 1 0",                                  // 16 flags 1
    "1 0 1",                                          // 17 flags 2
    "1 1 0 1 0 1 1",                                  // 18 flags 3
    "SINGLESTATION",                                  // 19
    "7",                                              // 20
    "  0.250   1.500 -12.125 100.000 1234.500",       // 21
    "  3.000   4.000",                                // 22
    "SINGLEWATERLINE",                                // 23
    "5",                                              // 24
    " -0.500   0.000   0.500   1.000   1.500",        // 25
    "SINGLEBUTT",                                     // 26
    "0",                                              // 27
    "21 11 5 2 3 31 71 72",                           // 28 settings A
    "41 26 27 7 5 0",                                 // 29 settings B
    "1 0 1",                                          // 30
    "/data/markers/hull one.mkr",                     // 31
    "35.5000 -12.2500",                               // 32
    "1 1",                                            // 33 chine block
    "1 999 999 999 999",                              // 34
    "999 999 999 999 999",                            // 35
    "1 999 999 999 999",                              // 36
    "999 999 999 999 999",                            // 37
};

std::vector<std::string> Replaced(std::vector<std::string> lines, size_t index,
                                  const std::string& text) {
  lines.at(index) = text;
  return lines;
}

std::vector<std::string> Prefix(const std::vector<std::string>& lines, size_t count) {
  return {lines.begin(), lines.begin() + count};
}

class DesignFileTest : public ::testing::Test {
 protected:
  bool Parse(const std::string& text, std::string& message) {
    return ParseDesignText(*design, *surface, text, message, "hull.s98");
  }
  void ParseOk(const std::string& text) {
    std::string message;
    ASSERT_TRUE(Parse(text, message)) << message;
    EXPECT_EQ(message, "");
  }
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
};

TEST_F(DesignFileTest, ReadWriteRoundTripIsByteForByte) {
  for (const auto* lines : {&kPlainFile, &kFullFile}) {
    const std::string text = JoinCrLf(*lines);
    ParseOk(text);
    EXPECT_EQ(FormatDesignText(*design, false), text);
  }
}

TEST_F(DesignFileTest, ReadsLfOnlyFilesAndWritesCrLf) {
  std::string text;
  for (const auto& line : kFullFile) text += line + "\n";
  ParseOk(text);
  EXPECT_EQ(FormatDesignText(*design, false), JoinCrLf(kFullFile));
}

TEST_F(DesignFileTest, ReaderPutsEveryValueInItsField) {
  design->Net[10][10] = Vertex{5.0f, 5.0f, 5.0f, 5.0f};  // outside the file's net
  design->SpecialStations[8] = 9.0;
  ParseOk(JoinCrLf(kFullFile));
  const HullDesign& d = *design;
  EXPECT_EQ(d.Units, kMillimetres);
  EXPECT_EQ(d.WaterlineTension, 3);
  EXPECT_EQ(d.StationTension, 2);
  EXPECT_EQ(d.LastColumn, 3);
  EXPECT_EQ(d.LastRow, 2);
  // Column by column: line 6 is column 1, row 1.
  EXPECT_FLOAT_EQ(d.Net[1][1].x, 1.25f);
  EXPECT_FLOAT_EQ(d.Net[1][1].y, 4.0f);
  EXPECT_FLOAT_EQ(d.Net[1][1].w, 0.75f);
  EXPECT_FLOAT_EQ(d.Net[2][1].w, 2.0f);
  EXPECT_FLOAT_EQ(d.Net[3][2].x, -1.1f);
  EXPECT_FLOAT_EQ(d.Net[10][10].x, 0.0f);
  EXPECT_FLOAT_EQ(d.Net[10][10].w, 1.0f);
  EXPECT_EQ(d.WaterlineSpacing, 0.5);
  EXPECT_EQ(d.ButtockSpacing, 0.25);
  EXPECT_EQ(d.SectionPosition, 12.0);
  EXPECT_EQ(d.StationSpacing, 1.25);
  EXPECT_EQ(d.SurfaceAccuracy, 0.005);
  const Rgb colours[] = {d.StationColor, d.MarkerColor,   d.ButtockColor, d.WaterlineColor,
                         d.EdgeColor,    d.ChineColor,    d.HighlightColor, d.NetColor,
                         d.RefHullColor, d.SpecialLineColor, d.PaperColor};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(colours[i], 101 + i) << "colour " << i;
  EXPECT_TRUE(d.BodyViewOn && !d.PlanViewOn && d.ProfileViewOn && !d.PerspectiveViewOn);
  EXPECT_TRUE(d.BodyViewOpen && !d.PlanViewOpen && d.ProfileViewOpen && !d.PerspectiveViewOpen);
  EXPECT_TRUE(d.StationRefCutwater && d.ShowVertexNet && !d.KeelRudderShown);
  EXPECT_TRUE(d.HighlightPending && !d.HighlightRows && d.HighlightColumns);
  EXPECT_TRUE(d.SpecialStationsOn && d.ShowStations && !d.ShowWaterlines && d.ShowButtocks &&
              !d.ShowSurface && d.SpecialWaterlinesOn && d.SpecialButtocksOn);
  EXPECT_EQ(d.SpecialStationCount, 7);
  EXPECT_EQ(d.SpecialStations[1], 0.25);
  EXPECT_EQ(d.SpecialStations[3], -12.125);
  EXPECT_EQ(d.SpecialStations[7], 4.0);
  EXPECT_EQ(d.SpecialStations[8], 0.0);  // not another design's value
  EXPECT_EQ(d.SpecialWaterlineCount, 5);
  EXPECT_EQ(d.SpecialWaterlines[1], -0.5);
  EXPECT_EQ(d.SpecialWaterlines[5], 1.5);
  EXPECT_EQ(d.SpecialButtockCount, 0);
  EXPECT_EQ(d.StationCount, 21);
  EXPECT_EQ(d.WaterlineCount, 11);
  EXPECT_EQ(d.ButtockCount, 5);
  EXPECT_EQ(d.KeelRudderCount, 2);
  EXPECT_EQ(d.HighlightIndex, 3);
  EXPECT_EQ(d.SectionPointCount, 31);
  EXPECT_EQ(d.EdgeLinePoints, 71);
  EXPECT_EQ(d.ChineLinePoints, 72);
  EXPECT_EQ(d.StoredSetting1, 41);
  EXPECT_EQ(d.StoredSetting2, 26);
  EXPECT_EQ(d.StoredSetting3, 27);
  EXPECT_TRUE(d.RefHullShown && !d.RefHullLoaded && d.MarkersShown);
  EXPECT_EQ(d.MarkerFileName, "/data/markers/hull one.mkr");
  EXPECT_EQ(d.PerspectiveAzimuth, 35.5);
  EXPECT_EQ(d.PerspectiveElevation, -12.25);
  EXPECT_EQ(d.ColumnChineCount, 1);
  EXPECT_EQ(d.RowChineCount, 1);
  EXPECT_EQ(d.ColumnChines[0], 1);
  EXPECT_EQ(d.ColumnChines[9], 999);
  EXPECT_EQ(d.RowChines[0], 1);
}

TEST_F(DesignFileTest, ReadSetsRunTimeStateAndRebuildsSurface) {
  design->DesignFileName = "/old/name.s98";
  design->UndoCount = 4;
  design->UserBowOffset = 2.5;
  design->ViewZoomed[kPlanView] = true;
  design->ExtentsValid = true;
  ParseOk(JoinCrLf(kFullFile));
  EXPECT_EQ(design->DesignFileName, "/old/name.s98");
  EXPECT_EQ(design->UndoCount, 4);
  EXPECT_EQ(design->UserBowOffset, 0.0);
  EXPECT_TRUE(design->DesignOpen);
  EXPECT_FALSE(design->ViewZoomed[kPlanView]);
  EXPECT_FALSE(design->ExtentsValid);
  // One chine each way: 1 * (3 - 1) + 3 columns, 1 * (2 - 1) + 2 rows.
  EXPECT_EQ(WorkingLastColumn(*design), 5);
  EXPECT_EQ(WorkingLastRow(*design), 3);
  EXPECT_EQ(surface->working.lastColumn, 5);
  EXPECT_EQ(surface->working.lastRow, 3);
  // The grid was evaluated: its corner is the corner vertex.
  EXPECT_NEAR(surface->grid[0][0].z, -1.0, 1e-6);
  EXPECT_NEAR(surface->grid[surface->columnDivisions][0].y, 12.0, 1e-5);
}

TEST_F(DesignFileTest, WeightsOfZeroOrLessBecomeOne) {
  auto lines = Replaced(kPlainFile, 3, "1.5000 0.0000 0.7500 -2.0000");
  lines = Replaced(lines, 4, "0.2500 10.0000 -1.0000 0.0000");
  ParseOk(JoinCrLf(lines));
  EXPECT_EQ(design->Net[0][1].w, 1.0f);
  EXPECT_EQ(design->Net[1][0].w, 1.0f);
  EXPECT_EQ(FormatDesignText(*design, false), JoinCrLf(kPlainFile));

  // Written as 1; formatting leaves the net alone, saving sets it to 1 in
  // memory at the same time.
  design->Net[1][1].w = -2.0f;
  const auto written = SplitCrLf(FormatDesignText(*design, false));
  EXPECT_EQ(written[5], "2.0000 10.0000 1.0000 1.0000");
  EXPECT_EQ(design->Net[1][1].w, -2.0f);
  TempDir dir;
  std::string message;
  ASSERT_TRUE(WriteDesignFile(*design, dir.File("hull.s98"), message)) << message;
  EXPECT_EQ(SplitCrLf(ReadFileText(dir.File("hull.s98")))[5], "2.0000 10.0000 1.0000 1.0000");
  EXPECT_EQ(design->Net[1][1].w, 1.0f);
}

TEST_F(DesignFileTest, MalformedOrMissingNumbersReadAsZero) {
  auto lines = Replaced(kPlainFile, 2, "1,5 abc 2.5 1.0000 extra ignored");
  lines = Replaced(lines, 7, "16711680 red");  // colours cut short
  ParseOk(JoinCrLf(lines));
  EXPECT_EQ(design->Net[0][0].x, 0.0f);
  EXPECT_EQ(design->Net[0][0].y, 0.0f);
  EXPECT_EQ(design->Net[0][0].z, 2.5f);
  EXPECT_EQ(design->StationColor, 16711680);
  EXPECT_EQ(design->MarkerColor, 0);
  EXPECT_EQ(design->PaperColor, 0);
  EXPECT_EQ(design->LastColumn, 1);  // the following lines are still in step
  EXPECT_EQ(design->PerspectiveAzimuth, 30.0);
}

TEST_F(DesignFileTest, LaterSpecialCountsWin) {
  design->SpecialButtocks[1] = 9.0;
  ParseOk(JoinCrLf(Replaced(kFullFile, 29, "41 26 27 6 5 2")));
  EXPECT_EQ(design->SpecialStationCount, 6);
  EXPECT_EQ(design->SpecialButtockCount, 2);
  EXPECT_EQ(design->SpecialButtocks[1], 0.0);
  const auto written = SplitCrLf(FormatDesignText(*design, false));
  EXPECT_EQ(written[20], "6");
  EXPECT_EQ(written[22], "  3.000");
}

TEST_F(DesignFileTest, FileEndingBeforeChineBlockClearsChines) {
  ParseOk(JoinCrLf(kFullFile));
  ASSERT_EQ(design->ColumnChineCount, 1);
  ParseOk(JoinCrLf(Prefix(kFullFile, 33)));
  EXPECT_EQ(design->ColumnChineCount, 0);
  EXPECT_EQ(design->RowChineCount, 0);
  EXPECT_EQ(design->ColumnChines[0], 0);
  EXPECT_EQ(WorkingLastColumn(*design), 3);
  const auto written = SplitCrLf(FormatDesignText(*design, false));
  ASSERT_EQ(written.size(), kFullFile.size());
  EXPECT_EQ(written[33], "0 0");
  EXPECT_EQ(written[37], "0 0 0 0 0");
}

TEST_F(DesignFileTest, LastChineBlockWinsAndBlankLinesAreSkipped) {
  auto lines = Replaced(kFullFile, 33, "0 1");
  lines.insert(lines.end(), {"1 0", "2 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0"});
  ParseOk(JoinCrLf(lines));
  EXPECT_EQ(design->ColumnChineCount, 1);
  EXPECT_EQ(design->ColumnChines[0], 2);
  EXPECT_EQ(design->RowChineCount, 0);

  // Trailing blank lines are not an empty block.
  lines = kFullFile;
  lines.insert(lines.end(), {"", "  "});
  ParseOk(JoinCrLf(lines));
  EXPECT_EQ(design->ColumnChineCount, 1);
  EXPECT_EQ(design->RowChineCount, 1);
}

struct Refusal {
  const char* what;
  std::vector<std::string> lines;
  const char* message;
};

TEST_F(DesignFileTest, RefusedFilesLeaveTheDesignAsItWas) {
  auto unordered = Replaced(kFullFile, 33, "2 1");
  unordered = Replaced(unordered, 34, "2 1 999 999 999");
  auto repeated = Replaced(unordered, 34, "1 1 999 999 999");
  const Refusal refusals[] = {
      {"too many columns", Replaced(kFullFile, 1, "2 3 2 59 2"),
       "The file hull.s98 has 60 columns; at most 51 are allowed."},
      {"too many rows", Replaced(kFullFile, 1, "2 3 2 3 51"), "has 52 rows"},
      {"negative rows", Replaced(kFullFile, 1, "2 3 2 3 -1"), "invalid number of rows"},
      {"zero waterline tension", Replaced(kFullFile, 1, "2 0 2 3 2"), "waterline tension of 0"},
      {"negative station tension", Replaced(kFullFile, 1, "2 3 -4 3 2"),
       "station tension of -4"},
      {"special list longer than its slots", Replaced(kFullFile, 20, "51"),
       "lists 51 special stations"},
      {"negative special list", Replaced(kFullFile, 20, "-1"), "lists -1 special stations"},
      {"later waterline count too large", Replaced(kFullFile, 29, "41 26 27 7 31 0"),
       "31 as its number of special waterlines"},
      {"later buttock count negative", Replaced(kFullFile, 29, "41 26 27 7 5 -2"),
       "-2 as its number of special buttocks"},
      {"eleven column chines", Replaced(kFullFile, 33, "11 1"), "lists 11 column chines"},
      {"negative row chines", Replaced(kFullFile, 33, "1 -1"), "lists -1 row chines"},
      {"chine on the first column", Replaced(kFullFile, 34, "0 999 999 999 999"),
       "column chine at column 0"},
      {"chine on the last column", Replaced(kFullFile, 34, "3 999 999 999 999"),
       "column chine at column 3"},
      {"chine on the last row", Replaced(kFullFile, 36, "2 999 999 999 999"),
       "row chine at row 2"},
      {"chines out of order", unordered, "column chine at column 1"},
      {"repeated chine", repeated, "column chine at column 1"},
      {"chine expansion past 51", Replaced(kFullFile, 1, "2 49 2 3 2"),
       "needs 52 working columns"},
      {"chine expansion overflowing", Replaced(kFullFile, 1, "2 2147483647 2 3 2"),
       "working columns"},
      {"cut inside the net", Prefix(kFullFile, 10), "ends early"},
      {"cut before the angles", Prefix(kFullFile, 32), "ends early, after line 32"},
      // Not designs at all: no marker on the first line.
      {"empty", {}, "This file type is NOT a SKELMORA hull file"},
      {"a text file", {"Shopping list", "2 3 2 3 2"}, "This file type is NOT a SKELMORA hull file"},
      {"a PDF", {"%PDF-1.4", "%\xe2\xe3\xcf\xd3", "1 0 obj"},
       "This file type is NOT a SKELMORA hull file"},
      {"the marker damaged", Replaced(kFullFile, 0, "11234"),
       "This file type is NOT a SKELMORA hull file"},
  };

  ParseOk(JoinCrLf(kPlainFile));
  design->DesignFileName = "/work/plain.s98";
  design->UserBowOffset = 1.5;
  design->ViewZoomed[kBodyView] = true;
  design->ExtentsValid = true;
  design->UndoCount = 2;
  const std::string before = Fingerprint(*design);
  for (const auto& refusal : refusals) {
    std::string message;
    EXPECT_FALSE(Parse(JoinCrLf(refusal.lines), message)) << refusal.what;
    EXPECT_NE(message.find(refusal.message), std::string::npos)
        << refusal.what << ": " << message;
    EXPECT_EQ(Fingerprint(*design), before) << refusal.what;
  }
}

TEST_F(DesignFileTest, WriterLaysOutSpecialListsFiveToALine) {
  ParseOk(JoinCrLf(kPlainFile));
  design->SpecialStationsOn = true;
  design->SpecialStationCount = 7;
  for (int i = 1; i <= 7; ++i) design->SpecialStations[i] = i * 0.25;
  design->SpecialWaterlinesOn = true;
  design->SpecialWaterlineCount = 5;
  for (int i = 1; i <= 5; ++i) design->SpecialWaterlines[i] = -i;
  design->SpecialButtocksOn = false;  // count kept in the settings line only
  design->SpecialButtockCount = 3;
  const auto lines = SplitCrLf(FormatDesignText(*design, false));
  const std::vector<std::string> expected = {
      "SINGLESTATION",
      "7",
      "  0.250   0.500   0.750   1.000   1.250",
      "  1.500   1.750",
      "SINGLEWATERLINE",
      "5",
      " -1.000  -2.000  -3.000  -4.000  -5.000",
      "15 9 3 0 0 30 70 70",
      "30 40 40 7 5 3",
  };
  ASSERT_EQ(lines.size(), kPlainFile.size() + 7);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 11, lines.begin() + 20), expected);
}

TEST_F(DesignFileTest, ChineBlockIsAlwaysWrittenInFull) {
  HullDesign& d = *design;
  d.LastColumn = 0;
  d.LastRow = 0;
  d.WaterlineTension = 1;
  d.StationTension = 1;
  const auto lines = SplitCrLf(FormatDesignText(d, false));
  ASSERT_EQ(lines.size(), 17u + 1u);
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"0 0", "0 0 0 0 0", "0 0 0 0 0", "0 0 0 0 0",
                                            "0 0 0 0 0"}));

  d.ColumnChineCount = 2;
  d.ColumnChines = {3, 7, 999, 999, 999, 999, 999, 999, 999, 42};
  d.RowChineCount = 0;
  d.RowChines = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const auto withChines = SplitCrLf(FormatDesignText(d, false));
  const std::vector<std::string> block(withChines.end() - 5, withChines.end());
  EXPECT_EQ(block, (std::vector<std::string>{"2 0", "3 7 999 999 999", "999 999 999 999 42",
                                             "1 2 3 4 5", "6 7 8 9 10"}));
}

TEST_F(DesignFileTest, SnapshotLayoutCarriesCountAndOpenFlags) {
  ParseOk(JoinCrLf(kFullFile));
  design->UndoCount = 12;
  design->BodyViewOpen = false;
  design->PerspectiveViewOpen = true;
  const auto lines = SplitCrLf(FormatDesignText(*design, true));
  ASSERT_EQ(lines.size(), kFullFile.size());
  EXPECT_EQ(lines[0], "Undocount=12");
  EXPECT_EQ(lines[16], "0 0 1 1 1 1 0");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 16),
            std::vector<std::string>(kFullFile.begin() + 1, kFullFile.begin() + 16));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.end()),
            std::vector<std::string>(kFullFile.begin() + 17, kFullFile.end()));
}

TEST_F(DesignFileTest, EveryExampleRoundTripsByteForByteInBothLayouts) {
  int examples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SKELMORA_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".s98") continue;
    SCOPED_TRACE(entry.path().string());
    ++examples;
    const std::string text = ReadFileText(entry.path());
    ParseOk(text);
    EXPECT_EQ(FormatDesignText(*design, false), text);

    // As an undo snapshot, what the history writes it reads back the same.
    design->UndoCount = 4;
    const std::string snapshot = FormatDesignText(*design, true);
    auto restored = std::make_unique<HullDesign>();
    restored->UndoCount = 4;
    std::string message;
    ASSERT_TRUE(ParseSnapshotText(*restored, snapshot.substr(snapshot.find('\n') + 1), message))
        << message;
    EXPECT_EQ(FormatDesignText(*restored, true), snapshot);
  }
  EXPECT_GE(examples, 2);
}

// What follows a snapshot's "Undocount=" line.
std::string SnapshotBody(const std::vector<std::string>& lines) {
  return JoinCrLf(std::vector<std::string>(lines.begin() + 1, lines.end()));
}

TEST_F(DesignFileTest, SnapshotMustBeExactlyAsWritten) {
  const std::vector<std::string> snapshot = SplitCrLf(JoinCrLf(kFullFile));
  auto withLine = [&](size_t at, const std::string& text) {
    auto lines = snapshot;
    lines.insert(lines.begin() + at, text);
    return SnapshotBody(lines);
  };
  const std::string body = SnapshotBody(snapshot);
  struct Case {
    const char* what;
    std::string text;
    bool accepted;
  };
  const Case cases[] = {
      {"as written", body, true},
      {"LF line ends", [&] {
         std::string lf;
         for (size_t i = 1; i < snapshot.size(); ++i) lf += snapshot[i] + "\n";
         return lf;
       }(), true},
      {"the next snapshot follows", body + "Undocount=13\r\n1 3 2 1 1\r\n", true},
      {"last line cut", body.substr(0, body.size() - 2), false},
      {"last value cut", body.substr(0, body.size() - 4), false},
      {"chine block missing", SnapshotBody(Prefix(snapshot, 33)), false},
      {"chine block cut", SnapshotBody(Prefix(snapshot, 35)), false},
      {"vertex value missing", SnapshotBody(Replaced(snapshot, 3, "0.5000 0.0000 0.0000")), false},
      {"vertex value extra", SnapshotBody(Replaced(snapshot, 3, "0.5 0 0 1 7")), false},
      {"malformed number", SnapshotBody(Replaced(snapshot, 14, "0.5 0.25 12 1,25 0.005")), false},
      {"flag not 0 or 1", SnapshotBody(Replaced(snapshot, 17, "1 0 2")), false},
      {"keyword changed", SnapshotBody(Replaced(snapshot, 19, "SINGLEWATERLINE")), false},
      {"blank line before the chines", withLine(33, ""), false},
      {"a second chine block", body + "0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n",
       false},
      {"a count past its list", SnapshotBody(Replaced(snapshot, 20, "51")), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    design = std::make_unique<HullDesign>();
    ParseOk(JoinCrLf(kPlainFile));
    const std::string before = Fingerprint(*design);
    std::string message;
    EXPECT_EQ(ParseSnapshotText(*design, c.text, message, "undofile.txt"), c.accepted) << message;
    if (c.accepted) {
      EXPECT_EQ(message, "");
      EXPECT_EQ(design->ColumnChineCount, 1);
      EXPECT_EQ(design->PerspectiveElevation, -12.25);
      // Flags line 1 holds the open flags; the draw flags follow them.
      EXPECT_TRUE(design->BodyViewOn && design->BodyViewOpen && !design->PlanViewOn);
    } else {
      EXPECT_NE(message, "");
      EXPECT_EQ(Fingerprint(*design), before);
    }
  }
}

TEST_F(DesignFileTest, WriterNeverBreaksTheLineLayout) {
  ParseOk(JoinCrLf(kPlainFile));
  design->MarkerFileName = "/m/a.mkr\r\nsecond line";
  const auto lines = SplitCrLf(FormatDesignText(*design, false));
  ASSERT_EQ(lines.size(), kPlainFile.size());
  EXPECT_EQ(lines[14], "/m/a.mkr");
}

TEST_F(DesignFileTest, WriteThenReadFile) {
  TempDir dir;
  const std::string path = dir.File("hull.s98");
  ParseOk(JoinCrLf(kFullFile));
  std::string message;
  ASSERT_TRUE(WriteDesignFile(*design, path, message)) << message;
  EXPECT_EQ(ReadFileText(path), JoinCrLf(kFullFile));
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});

  auto other = std::make_unique<HullDesign>();
  auto otherSurface = std::make_unique<Surface>();
  ASSERT_TRUE(ReadDesignFile(*other, *otherSurface, path, message)) << message;
  EXPECT_EQ(FormatDesignText(*other, false), JoinCrLf(kFullFile));

  WriteFileText(path, JoinCrLf(Replaced(kFullFile, 1, "2 3 2 60 2")));
  const std::string before = Fingerprint(*other);
  EXPECT_FALSE(ReadDesignFile(*other, *otherSurface, path, message));
  EXPECT_EQ(message, "The file " + path + " has 61 columns; at most 51 are allowed.");
  EXPECT_FALSE(ReadDesignFile(*other, *otherSurface, dir.File("none.s98"), message));
  EXPECT_EQ(message, "Cannot open the file: " + dir.File("none.s98"));
  EXPECT_EQ(Fingerprint(*other), before);
}

TEST_F(DesignFileTest, FailedWriteReportsAndKeepsWhatWasThere) {
  TempDir dir;
  ParseOk(JoinCrLf(kPlainFile));
  std::string message;
  const std::string folder = dir.File("hull.s98");
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(WriteDesignFile(*design, folder, message));
  EXPECT_EQ(message, "Cannot save the file: " + folder);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});

  if (::geteuid() != 0) {  // permissions do not bind root
    const std::string path = dir.File("old.s98");
    WriteFileText(path, "old contents");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(WriteDesignFile(*design, path, message));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(message, "Cannot save the file: " + path);
    EXPECT_EQ(ReadFileText(path), "old contents");
  }
}

// The save flow, with a scripted answer to each question it asks.
class SaveDesignTest : public DesignFileTest {
 protected:
  void SetUp() override {
    ParseOk(JoinCrLf(kPlainFile));
    design->UndoCount = 3;
    design->UndoFileFresh = false;
  }
  bool HistoryWasReset() const { return design->UndoCount == 0 && design->UndoFileFresh; }

  TempDir dir;
  std::vector<std::string> olderWrites;
  SaveOptions WithOlderWriter(bool succeeds = true) {
    SaveOptions options;
    options.writeOlder = [this, succeeds](HullDesign&, const std::string& path,
                                          std::string& message) {
      olderWrites.push_back(path);
      if (!succeeds) message = "Cannot save the file: " + path;
      return succeeds;
    };
    return options;
  }
};

constexpr const char* kConfirm = "Save Design to Disk?";
constexpr const char* kOlderQuestion =
    "File is Older Skelmora 5/6 type. Save it as SKELMORA V7 Version?";

TEST_F(SaveDesignTest, ConfirmationNoSavesNothing) {
  design->DesignFileName = dir.File("hull.s98");
  ScriptedPrompter prompter({false});
  SaveOptions options;
  options.confirm = true;
  EXPECT_FALSE(SaveDesign(*design, prompter, options));
  EXPECT_EQ(prompter.questions, std::vector<std::string>{kConfirm});
  EXPECT_TRUE(dir.Listing().empty());
  EXPECT_EQ(design->UndoCount, 3);
}

TEST_F(SaveDesignTest, ThisFormatIsWrittenUnderItsNameAndResetsHistory) {
  design->DesignFileName = dir.File("hull.s98");
  ScriptedPrompter prompter({true});
  SaveOptions options = WithOlderWriter();
  options.confirm = true;
  EXPECT_TRUE(SaveDesign(*design, prompter, options));
  EXPECT_EQ(prompter.questions, std::vector<std::string>{kConfirm});
  EXPECT_EQ(ReadFileText(dir.File("hull.s98")), JoinCrLf(kPlainFile));
  EXPECT_TRUE(olderWrites.empty());
  EXPECT_TRUE(HistoryWasReset());
}

TEST_F(SaveDesignTest, OlderFileSavedInThisFormatBecomesS98) {
  struct Case {
    const char* name;
    const char* saved;
  };
  for (const Case& c : {Case{"hull.shl", "hull.s98"}, Case{"HULL.SHL", "HULL.s98"},
                        Case{"plain", "plain"}}) {
    SetUp();
    const std::string original = dir.File(c.name);
    WriteFileText(original, "older");
    design->DesignFileName = original;
    ScriptedPrompter prompter({true});
    EXPECT_TRUE(SaveDesign(*design, prompter, WithOlderWriter())) << c.name;
    EXPECT_EQ(prompter.questions, std::vector<std::string>{kOlderQuestion});
    EXPECT_EQ(design->DesignFileName, dir.File(c.saved));
    EXPECT_EQ(ReadFileText(dir.File(c.saved)), JoinCrLf(kPlainFile)) << c.name;
    if (std::string(c.name) != c.saved) {
      EXPECT_EQ(ReadFileText(original), "older") << c.name;
    }
    EXPECT_TRUE(HistoryWasReset());
    std::filesystem::remove(dir.File(c.saved));
    std::filesystem::remove(original);
  }
  EXPECT_TRUE(olderWrites.empty());
}

TEST_F(SaveDesignTest, AnsweringNoWritesTheOlderFormat) {
  design->DesignFileName = dir.File("hull.shl");
  ScriptedPrompter prompter({false});
  EXPECT_TRUE(SaveDesign(*design, prompter, WithOlderWriter()));
  EXPECT_EQ(olderWrites, std::vector<std::string>{dir.File("hull.shl")});
  EXPECT_EQ(design->DesignFileName, dir.File("hull.shl"));
  EXPECT_TRUE(dir.Listing().empty());  // the fake writer writes nothing
  EXPECT_TRUE(HistoryWasReset());
}

TEST_F(SaveDesignTest, WithoutOlderWriterThisFormatIsWrittenUnasked) {
  design->DesignFileName = dir.File("hull.shl");
  ScriptedPrompter prompter;
  EXPECT_TRUE(SaveDesign(*design, prompter, SaveOptions{}));
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_EQ(design->DesignFileName, dir.File("hull.s98"));
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
}

TEST_F(SaveDesignTest, FailuresAreShownAndKeepNameAndHistory) {
  // This format, onto a directory.
  const std::string folder = dir.File("hull.s98");
  std::filesystem::create_directory(folder);
  design->DesignFileName = dir.File("hull.shl");
  ScriptedPrompter prompter({true, false});
  EXPECT_FALSE(SaveDesign(*design, prompter, WithOlderWriter()));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{"Cannot save the file: " + folder});
  EXPECT_EQ(design->DesignFileName, dir.File("hull.shl"));
  EXPECT_EQ(design->UndoCount, 3);

  // The older format's writer fails.
  EXPECT_FALSE(SaveDesign(*design, prompter, WithOlderWriter(false)));
  EXPECT_EQ(prompter.errors.back(), "Cannot save the file: " + dir.File("hull.shl"));
  EXPECT_EQ(design->UndoCount, 3);
  EXPECT_FALSE(design->UndoFileFresh);
  EXPECT_TRUE(prompter.AllAnswersUsed());
}

TEST_F(SaveDesignTest, NothingHappensWithoutADesign) {
  design->DesignOpen = false;
  design->DesignFileName = dir.File("hull.s98");
  ScriptedPrompter prompter;
  SaveOptions options;
  options.confirm = true;
  EXPECT_FALSE(SaveDesign(*design, prompter, options));
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_TRUE(dir.Listing().empty());
}

}  // namespace
}  // namespace skelmora
