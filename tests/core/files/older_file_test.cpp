#include "files/older_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "files/design_file.h"
#include "model/undo.h"

namespace skelmora {
namespace {

using skelmora::testing::Fingerprint;
using skelmora::testing::JoinCrLf;
using skelmora::testing::ReadFileText;
using skelmora::testing::ScriptedPrompter;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

// Version 6: four columns by three rows, a chine each way.
const std::vector<std::string> kVersion6 = {
    "111234",
    "2 3 2 3 2",
    "1 1",
    "2",
    "1",
    "0.0000 0.0000 -1.0000",
    "0.5000 0.0000 0.0000",
    "0.7500 0.0000 1.0000",
    "0.0000 4.0000 -1.2000",
    "1.2500 4.0000 0.0000",
    "1.5000 4.0000 1.1000",
    "0.0000 8.0000 -1.2000",
    "1.3000 8.0000 0.0000",
    "1.6000 8.0000 1.2000",
    "0.0000 12.0000 -0.8000",
    "0.9000 12.0000 0.1000",
    "-1.1000 12.0000 1.3000",
    "  0.50000   0.25000  12.00000   1.25000 0.00500",
    "101 102 103 104 105 106 107 108 109 110 111",
    "1 0 1 0 1 1 0",
    "1 0 1",
    "0 1 0 1 0 0 0",
    "21 11 5 2 3 31 71 72",
    "41 26 27 0 0 0",
    "1 0 1",
    "/data/markers/hull one.mkr",
    "35.5000 -12.2500",
};

// Version 5 up to the chine marker: units, station and waterline tension,
// the six design dimensions, LastColumn 3, LastRow 2.
std::vector<std::string> Version5Head(const std::string& stationTension,
                                      const std::string& waterlineTension,
                                      const std::string& beam = "0.0000") {
  return {"1", stationTension, waterlineTension, "120.0000", beam, "30.0000", "20.0000",
          "45.0000", "10.0000", "3", "2"};
}

// The 4 x 3 net of kVersion6, a value per line.
std::vector<std::string> Version5Net() {
  std::vector<std::string> lines;
  for (size_t k = 5; k < 17; ++k) {
    TokenLine tokens(kVersion6[k]);
    for (int c = 0; c < 3; ++c) lines.emplace_back(tokens.Token());
  }
  return lines;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Five columns by four rows with a weight, chines, special sections and
// settings of its own in every field.
std::unique_ptr<HullDesign> SampleDesign() {
  auto d = std::make_unique<HullDesign>();
  d->DesignOpen = true;
  d->Units = kMillimetres;
  d->LastColumn = 4;
  d->LastRow = 3;
  d->WaterlineTension = 3;
  d->StationTension = 2;
  for (int c = 0; c <= 4; ++c) {
    for (int r = 0; r <= 3; ++r) {
      d->Net[c][r] = Vertex{0.5f * r + 0.25f * c, 10.0f * c, 1.0f * r - 1.5f,
                            c == 2 ? 0.75f : 1.0f};
    }
  }
  d->ColumnChineCount = 1;
  d->ColumnChines[0] = 2;
  d->RowChineCount = 1;
  d->RowChines[0] = 1;
  d->StationSpacing = 2.5;
  d->SurfaceAccuracy = 0.02;
  d->StationColor = 7;
  d->PaperColor = 9;
  d->SpecialStationsOn = true;
  d->SpecialStationCount = 2;
  d->SpecialStations[1] = 3.0;
  d->SpecialStations[2] = 4.0;
  d->ShowWaterlines = true;
  d->ProfileViewOn = d->ProfileViewOpen = true;
  d->BodyViewOn = d->BodyViewOpen = true;
  d->MarkerFileName = "m.mkr";
  d->PerspectiveAzimuth = 12.5;
  d->DesignDimensions = {100.0, 12.0, 8.0, 4.0, 30.0, 20.0};
  return d;
}

class OlderFileTest : public ::testing::Test {
 protected:
  OlderRead Parse(const std::string& text, std::string& message) {
    return ParseOlderText(*design, *surface, text, message, "hull.shl");
  }
  void ParseOk(const std::string& text) {
    std::string message;
    ASSERT_EQ(Parse(text, message), OlderRead::kRead) << message;
  }
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
};

TEST_F(OlderFileTest, Version6IsReadFieldByFieldAndWrittenBackByteForByte) {
  design->Net[1][1].w = 3.0f;
  design->SpecialStationsOn = true;
  ParseOk(JoinCrLf(kVersion6));
  const HullDesign& d = *design;
  EXPECT_EQ(d.Units, kMillimetres);
  EXPECT_EQ(d.WaterlineTension, 3);
  EXPECT_EQ(d.LastColumn, 3);
  EXPECT_EQ(d.LastRow, 2);
  EXPECT_EQ(d.ColumnChineCount, 1);
  EXPECT_EQ(d.ColumnChines[0], 2);
  EXPECT_EQ(d.RowChines[0], 1);
  EXPECT_EQ(WorkingLastColumn(d), 5);
  EXPECT_FLOAT_EQ(d.Net[1][1].x, 1.25f);
  EXPECT_FLOAT_EQ(d.Net[3][2].x, -1.1f);
  EXPECT_FLOAT_EQ(d.Net[1][1].w, 1.0f);  // no weights in the file
  EXPECT_EQ(d.WaterlineSpacing, 0.5);
  EXPECT_EQ(d.StationSpacing, 1.25);
  EXPECT_EQ(d.SurfaceAccuracy, 0.005);
  EXPECT_EQ(d.PaperColor, 111);
  EXPECT_TRUE(d.BodyViewOpen && d.ProfileViewOpen && !d.PlanViewOpen);
  EXPECT_FALSE(d.SpecialStationsOn);
  EXPECT_EQ(d.StationCount, 21);
  EXPECT_EQ(d.MarkerFileName, "/data/markers/hull one.mkr");
  EXPECT_EQ(d.PerspectiveElevation, -12.25);
  EXPECT_TRUE(d.DesignOpen);
  EXPECT_EQ(FormatOlderText(d, OlderVersion::kVersion6), JoinCrLf(kVersion6));

  std::string lfOnly;
  for (const auto& line : kVersion6) lfOnly += line + "\n";
  auto again = std::make_unique<HullDesign>();
  std::string message;
  ASSERT_EQ(ParseOlderText(*again, *surface, lfOnly, message), OlderRead::kRead) << message;
  EXPECT_EQ(Fingerprint(*again), Fingerprint(d));
}

TEST_F(OlderFileTest, Version5MarkerOtherThanNMeansNoChinesAndAll999) {
  design->ColumnChineCount = 2;
  design->PaperColor = 1234;  // version 5 carries no colours: kept
  ParseOk(JoinCrLf(Joined(Joined(Version5Head("2.0000", "3.0000"), {"Y"}), Version5Net())));
  const HullDesign& d = *design;
  EXPECT_EQ(d.ColumnChineCount, 0);
  EXPECT_EQ(d.RowChineCount, 0);
  for (int i = 0; i < kMaxChines; ++i) {
    EXPECT_EQ(d.ColumnChines[i], 999);
    EXPECT_EQ(d.RowChines[i], 999);
  }
  EXPECT_EQ(d.Units, kInches);
  EXPECT_EQ(d.StationTension, 2);
  EXPECT_EQ(d.WaterlineTension, 3);
  EXPECT_EQ(d.DesignDimensions[0], 120.0);
  EXPECT_FLOAT_EQ(d.Net[1][1].x, 1.25f);
  EXPECT_FLOAT_EQ(d.Net[3][2].z, 1.3f);
  EXPECT_EQ(d.PaperColor, 1234);
  EXPECT_TRUE(d.BodyViewOpen && d.BodyViewOn && !d.PlanViewOpen && !d.ProfileViewOn);
}

TEST_F(OlderFileTest, Version5RealTensionsAreTruncatedAndATensionOfOneDropsItsChines) {
  // Column chine 2, row chine 1, each two wide as the old writer put them.
  const auto chines = std::vector<std::string>{"N", " 1", " 1", " 2", " 1"};
  ParseOk(JoinCrLf(Joined(Joined(Version5Head("3.0000", "1.0000"), chines), Version5Net())));
  EXPECT_EQ(design->StationTension, 3);
  EXPECT_EQ(design->WaterlineTension, 1);
  EXPECT_EQ(design->ColumnChineCount, 0);
  EXPECT_EQ(design->ColumnChines[0], 999);
  EXPECT_EQ(design->RowChineCount, 1);
  EXPECT_EQ(design->RowChines[0], 1);
  EXPECT_EQ(design->RowChines[1], 999);
  EXPECT_EQ(WorkingLastRow(*design), 4);
  // 2.9999 is not 3.
  ParseOk(JoinCrLf(Joined(Joined(Version5Head("2.9999", "1.0000"), {"Y"}), Version5Net())));
  EXPECT_EQ(design->StationTension, 2);
}

TEST_F(OlderFileTest, Version5WithABeamReadsASixteenBySixteenGrid) {
  std::vector<std::string> lines = Joined(Version5Head("3.0000", "3.0000", "10.0000"), {"Y"});
  for (int c = 0; c < 16; ++c) {
    for (int r = 0; r < 16; ++r) {
      lines.push_back(FormatFixed(c, 5, 4));
      lines.push_back(FormatFixed(r, 5, 4));
      lines.push_back(FormatFixed(c + r / 100.0, 5, 4));
    }
  }
  ParseOk(JoinCrLf(lines));
  EXPECT_EQ(design->LastColumn, 3);
  EXPECT_EQ(design->LastRow, 2);
  EXPECT_FLOAT_EQ(design->Net[2][1].x, 2.0f);
  EXPECT_FLOAT_EQ(design->Net[2][1].y, 1.0f);
  EXPECT_FLOAT_EQ(design->Net[15][14].z, 15.14f);
  // One line short of the grid is refused.
  lines.pop_back();
  std::string message;
  EXPECT_EQ(Parse(JoinCrLf(lines), message), OlderRead::kRefused);
  EXPECT_NE(message.find("ends early"), std::string::npos) << message;
}

TEST_F(OlderFileTest, Version6RoundTripKeepsAllButWeightsAndSpecialSections) {
  const auto sample = SampleDesign();
  ParseOk(FormatOlderText(*sample, OlderVersion::kVersion6));
  // What the design file would hold, less what version 6 drops.
  auto expected = std::make_unique<HullDesign>(*sample);
  for (auto& column : expected->Net) {
    for (Vertex& v : column) v.w = 1.0f;
  }
  expected->SpecialStationsOn = false;
  expected->SpecialStationCount = 0;
  expected->SpecialStations.fill(0.0);
  EXPECT_EQ(FormatDesignText(*design, false), FormatDesignText(*expected, false));
  EXPECT_FLOAT_EQ(design->Net[2][1].w, 1.0f);
}

TEST_F(OlderFileTest, Version5RoundTripKeepsNetTensionsChinesAndUnitsOnly) {
  auto sample = SampleDesign();
  TempDir dir;
  std::string message;
  ASSERT_TRUE(WriteOlderFile(*sample, dir.File("hull.shl"), OlderVersion::kVersion5, message));
  EXPECT_EQ(sample->DesignDimensions[kDimensionBeam], 0.0);  // cleared in memory too
  const std::string text = ReadFileText(dir.File("hull.shl"));
  EXPECT_EQ(text.substr(0, 3), "2\r\n");

  ScriptedPrompter prompter;
  ASSERT_EQ(ReadOlderFile(*design, *surface, dir.File("hull.shl"), prompter, message),
            OlderRead::kRead)
      << message;
  const HullDesign& d = *design;
  EXPECT_EQ(d.Units, kMillimetres);
  EXPECT_EQ(d.LastColumn, 4);
  EXPECT_EQ(d.LastRow, 3);
  EXPECT_EQ(d.WaterlineTension, 3);
  EXPECT_EQ(d.StationTension, 2);
  EXPECT_EQ(d.ColumnChineCount, 1);
  EXPECT_EQ(d.ColumnChines[0], 2);
  EXPECT_EQ(d.RowChines[0], 1);
  for (int c = 0; c <= 4; ++c) {
    for (int r = 0; r <= 3; ++r) {
      EXPECT_FLOAT_EQ(d.Net[c][r].x, sample->Net[c][r].x);
      EXPECT_FLOAT_EQ(d.Net[c][r].y, sample->Net[c][r].y);
      EXPECT_FLOAT_EQ(d.Net[c][r].z, sample->Net[c][r].z);
      EXPECT_FLOAT_EQ(d.Net[c][r].w, 1.0f);
    }
  }
  EXPECT_EQ(d.DesignDimensions[0], 100.0);
  EXPECT_EQ(d.DesignDimensions[kDimensionBeam], 0.0);
  // Dropped: colours, settings, special sections and the other views.
  EXPECT_EQ(d.StationColor, HullDesign().StationColor);
  EXPECT_EQ(d.StationSpacing, 0.0);
  EXPECT_FALSE(d.SpecialStationsOn);
  EXPECT_FALSE(d.ProfileViewOn);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(OlderFileTest, RefusedFilesLeaveTheDesignUntouched) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    const char* says;
  };
  std::vector<std::string> tooManyColumns = kVersion6;
  tooManyColumns[1] = "2 3 2 51 2";
  std::vector<std::string> elevenChines = kVersion6;
  elevenChines[2] = "11 1";
  std::vector<std::string> chineOutside = kVersion6;
  chineOutside[3] = "3";
  const std::vector<Case> cases = {
      {"version 6, 52 columns", tooManyColumns, "52 columns"},
      {"version 6, 11 column chines", elevenChines, "11 column chines"},
      {"version 6, chine on the last column", chineOutside, "column chine at column 3"},
      {"version 6, cut in the net", {kVersion6.begin(), kVersion6.begin() + 10}, "ends early"},
      {"version 5, tension below 1",
       Joined(Joined(Version5Head("0.5000", "3.0000"), {"Y"}), Version5Net()),
       "station tension of 0"},
      {"version 5, 60 row chines",
       Joined(Joined(Version5Head("3.0000", "3.0000"), {"N", " 0", "60"}), Version5Net()),
       "60 row chines"},
      {"version 5, ends after the header", Version5Head("3.0000", "3.0000"), "ends early"},
      {"empty", {}, "This file type is NOT a SKELMORA hull file"},
      {"a text file", {"Shopping list", "2 3 2 3 2"}, "This file type is NOT a SKELMORA hull file"},
      {"one letter first", {"x", "3.0000"}, "This file type is NOT a SKELMORA hull file"},
  };
  auto last = Version5Head("3.0000", "3.0000");
  last[10] = "-1";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto before = SampleDesign();
    *design = *before;
    std::string message;
    EXPECT_EQ(Parse(c.lines.empty() ? std::string() : JoinCrLf(c.lines), message),
              OlderRead::kRefused);
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
    EXPECT_EQ(Fingerprint(*design), Fingerprint(*before));
  }
  std::string message;
  EXPECT_EQ(Parse(JoinCrLf(Joined(Joined(last, {"Y"}), Version5Net())), message),
            OlderRead::kRefused);
  EXPECT_NE(message.find("invalid number of rows"), std::string::npos) << message;
}

TEST_F(OlderFileTest, CurrentFormatFileIsRenamedAndLeavesNoDesignOpen) {
  TempDir dir;
  auto sample = SampleDesign();
  const std::string current = FormatDesignText(*sample, false);
  WriteFileText(dir.File("hull.shl"), current);
  *design = *sample;
  ScriptedPrompter prompter;
  std::string message;
  EXPECT_EQ(ReadOlderFile(*design, *surface, dir.File("hull.shl"), prompter, message),
            OlderRead::kCurrent);
  EXPECT_FALSE(design->DesignOpen);
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
  EXPECT_EQ(ReadFileText(dir.File("hull.s98")), current);
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(prompter.errors[0], "File " + dir.File("hull") + ".shl is in S98 format and has been "
                                "renamed " + dir.File("hull.s98"));
  EXPECT_EQ(prompter.information,
            std::vector<std::string>{"Please reopen " + dir.File("hull.s98") + " as a S98 file"});
  // A damaged version 6 line is no current-format vertex: read leniently,
  // never renamed.
  std::vector<std::string> damaged = kVersion6;
  damaged[2] = "x y";
  EXPECT_NE(ParseOlderText(*design, *surface, JoinCrLf(damaged), message), OlderRead::kCurrent);
  // The new name opens as a design file.
  EXPECT_TRUE(ReadDesignFile(*design, *surface, dir.File("hull.s98"), message)) << message;

  // A file already there under the new name is never replaced.
  WriteFileText(dir.File("boat.shl"), current);
  WriteFileText(dir.File("boat.s98"), "keep me");
  ScriptedPrompter second;
  EXPECT_EQ(ReadOlderFile(*design, *surface, dir.File("boat.shl"), second, message),
            OlderRead::kCurrent);
  EXPECT_EQ(ReadFileText(dir.File("boat.s98")), "keep me");
  EXPECT_EQ(second.errors, std::vector<std::string>{"Cannot Rename " + dir.File("boat.shl") +
                                                    " Please rename the file manually"});

  // Without renaming (the CLI) the file stays and the read is refused.
  design->DesignOpen = true;
  OlderReadOptions options;
  options.renameCurrentFormat = false;
  EXPECT_EQ(ReadOlderFile(*design, *surface, dir.File("boat.shl"), second, message, options),
            OlderRead::kRefused);
  EXPECT_TRUE(design->DesignOpen);
  EXPECT_TRUE(std::filesystem::exists(dir.File("boat.shl")));
}

TEST(OlderFileNames, CorrectedAndCurrentFormatNames) {
  EXPECT_EQ(CorrectedOlderName("/tmp/hull.txt"), "/tmp/hull.shl");
  EXPECT_EQ(CorrectedOlderName("/tmp/hull"), "/tmp/hull.shl");
  EXPECT_EQ(CorrectedOlderName("/my.designs/hull.shl"), "/my.designs/hull.shl");
  EXPECT_EQ(CorrectedOlderName("hull.abcdef"), "hullef.shl");
  EXPECT_EQ(CurrentFormatName("/a/HULL.SHL"), "/a/HULL.s98");
  EXPECT_EQ(CurrentFormatName("/a/hull"), "/a/hull.s98");
}

TEST(OlderFileSave, FileNameErrorLoopUntilAWritableNameOrCancel) {
  TempDir dir;
  // A directory that is a plain file cannot hold anything, whoever asks.
  WriteFileText(dir.File("locked"), "not a directory");
  auto design = SampleDesign();
  const std::string blocked = dir.File("locked/hull.shl");

  ScriptedPrompter prompter;
  prompter.texts = {dir.File("locked/again.shl"), dir.File("fixed.txt")};
  int asked = 0;
  EXPECT_TRUE(SaveOlderFile(*design, blocked, prompter, [&] {
    ++asked;
    return OlderVersion::kVersion6;
  }));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(prompter.errors, (std::vector<std::string>{"Cannot save the file: " + blocked,
                                                       "Cannot save the file: " +
                                                           dir.File("locked/again.shl")}));
  EXPECT_EQ(prompter.questions, (std::vector<std::string>{"File Name ERROR", "File Name ERROR"}));
  EXPECT_EQ(design->DesignFileName, dir.File("fixed.shl"));
  EXPECT_EQ(ReadFileText(dir.File("fixed.shl")), FormatOlderText(*design, OlderVersion::kVersion6));

  ScriptedPrompter cancel;
  cancel.texts = {std::nullopt};
  design->DesignFileName = blocked;
  EXPECT_FALSE(SaveOlderFile(*design, blocked, cancel, [] { return OlderVersion::kVersion5; }));
  EXPECT_EQ(cancel.errors.size(), 1u);
  EXPECT_EQ(design->DesignFileName, blocked);
}

TEST(OlderFileSave, SaveFlowWritesTheOlderFormatWhenConversionIsDeclined) {
  TempDir dir;
  auto design = SampleDesign();
  design->DesignFileName = dir.File("hull.shl");
  design->UndoCount = 3;
  ScriptedPrompter prompter({false});
  SaveOptions options;
  options.writeOlder = [&](HullDesign& d, const std::string& path, std::string& message) {
    message.clear();
    return SaveOlderFile(d, path, prompter, [] { return OlderVersion::kVersion5; });
  };
  ASSERT_TRUE(SaveDesign(*design, prompter, options));
  EXPECT_EQ(prompter.questions, std::vector<std::string>{
                                    "File is Older Skelmora 5/6 type. Save it as SKELMORA V7 "
                                    "Version?"});
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.shl"});
  EXPECT_EQ(ReadFileText(dir.File("hull.shl")), FormatOlderText(*design, OlderVersion::kVersion5));
  EXPECT_EQ(design->UndoCount, 0);
}

}  // namespace
}  // namespace skelmora
