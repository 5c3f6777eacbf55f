#include "files/ghs_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using skelmora::testing::JoinCrLf;
using skelmora::testing::ReadFileText;
using skelmora::testing::ScriptedPrompter;
using skelmora::testing::SplitCrLf;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

// Two sections at 2.0 and 4.0 with two and three points.
std::vector<std::string> GhsLines(const std::string& unitsLine) {
  std::vector<std::string> lines = {"GHS geometry", "units follow"};
  if (!unitsLine.empty()) lines.push_back(unitsLine);
  const std::vector<std::string> rest = {"*",       "Test hull", "2",         "2.0,2",
                                         "0.0,0.0", "1.5,2.25",  "4.0,3,0",   "0.0,-0.5",
                                         "1.0,0.5", "2.125,3.0"};
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

class GhsImportTest : public ::testing::Test {
 protected:
  GhsConvert Convert(const std::string& ghs, ScriptedPrompter& prompter,
                     GhsUnits units = GhsUnits::kAsk) {
    return ConvertGhsText(ghs, *design, prompter, units, text, message);
  }
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::string text;
  std::string message;
};

TEST_F(GhsImportTest, FeetLineScalesByTwelveFromTheForemostSection) {
  ScriptedPrompter prompter;
  design->Units = kMillimetres;
  ASSERT_EQ(Convert(JoinCrLf(GhsLines("P:F")), prompter), GhsConvert::kDone) << message;
  EXPECT_EQ(SplitCrLf(text), (std::vector<std::string>{
                                 "1 0     0.00000     0.00000     0.00000",
                                 "1 1    18.00000     0.00000    27.00000",
                                 "2 0     0.00000    24.00000    -6.00000",
                                 "2 1    12.00000    24.00000     6.00000",
                                 "2 2    25.50000    24.00000    36.00000",
                             }));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(design->Units, kMillimetres);  // a units line leaves the design's unit
}

// The zero point is the foremost section written: a section ahead of it
// with no points leaves nothing to measure from.
TEST_F(GhsImportTest, ASectionWithoutPointsIsNotTheZeroPoint) {
  std::vector<std::string> lines = {"P:F", "*", "Test hull", "3", "1.0,0", "2.0,1",
                                    "1.5,2.25", "4.0,1", "1.0,0.5"};
  ScriptedPrompter prompter;
  ASSERT_EQ(Convert(JoinCrLf(lines), prompter), GhsConvert::kDone) << message;
  EXPECT_EQ(SplitCrLf(text), (std::vector<std::string>{
                                 "2 0    18.00000     0.00000    27.00000",
                                 "3 0    12.00000    24.00000     6.00000",
                             }));
}

TEST_F(GhsImportTest, MetresLineAndLfLineEnds) {
  std::string lf;
  for (const std::string& line : GhsLines("P:M")) lf += line + "\n";
  ScriptedPrompter prompter;
  ASSERT_EQ(Convert(lf, prompter), GhsConvert::kDone) << message;
  const std::vector<std::string> lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "1 1   457.20000     0.00000   685.80000");
  EXPECT_EQ(lines[2], "2 0     0.00000   609.60000  -152.40000");
}

TEST_F(GhsImportTest, WithoutAUnitsLineTheBoxAsksUntilFOrM) {
  ScriptedPrompter prompter;
  prompter.texts = {std::string("x"), std::string("f")};
  design->Units = kMillimetres;
  ASSERT_EQ(Convert(JoinCrLf(GhsLines("")), prompter), GhsConvert::kDone) << message;
  EXPECT_EQ(prompter.questions, (std::vector<std::string>{kGhsUnitsCaption, kGhsUnitsCaption}));
  EXPECT_EQ(prompter.shown, (std::vector<std::string>{kGhsUnitsPrompt, kGhsUnitsPrompt}));
  EXPECT_EQ(design->Units, kInches);
  EXPECT_EQ(SplitCrLf(text)[2], "2 0     0.00000    24.00000    -6.00000");

  ScriptedPrompter metres;
  metres.texts = {std::string("m")};
  ASSERT_EQ(Convert(JoinCrLf(GhsLines("")), metres), GhsConvert::kDone);
  EXPECT_EQ(design->Units, kMillimetres);

  ScriptedPrompter cancel;
  cancel.texts = {std::nullopt};
  EXPECT_EQ(Convert(JoinCrLf(GhsLines("")), cancel), GhsConvert::kCancelled);
}

TEST_F(GhsImportTest, MalformedFilesAreRefusedWithAMessage) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    const char* says;
  };
  std::vector<std::string> noStar = GhsLines("P:F");
  noStar.erase(noStar.begin() + 3);
  std::vector<std::string> cut = GhsLines("P:F");
  cut.resize(cut.size() - 1);
  std::vector<std::string> none = GhsLines("P:F");
  none[5] = "0";
  std::vector<std::string> negative = GhsLines("P:F");
  negative[6] = "2.0,-4";
  for (const Case& c : std::vector<Case>{{"no star", noStar, "no \"*\" line"},
                                         {"cut short", cut, "ends inside section 2"},
                                         {"no sections", none, "lists no sections"},
                                         {"negative count", negative, "-4 points"},
                                         {"empty", {}, "no \"*\" line"}}) {
    SCOPED_TRACE(c.what);
    ScriptedPrompter prompter;
    EXPECT_EQ(Convert(c.lines.empty() ? "" : JoinCrLf(c.lines), prompter), GhsConvert::kFailed);
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
  }
}

TEST_F(GhsImportTest, ImportWritesTempdataAndAFailureKeepsTheOldOne) {
  TempDir dir;
  WriteFileText(dir.File("hull.GF1"), JoinCrLf(GhsLines("P:F")));
  ScriptedPrompter prompter;
  ASSERT_EQ(ImportGhsFile(*design, dir.File("hull.GF1"), dir.path().string(), prompter, message),
            GhsConvert::kDone)
      << message;
  EXPECT_TRUE(design->RefHullLoaded && design->RefHullShown);
  EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"hull.GF1", "tempdata"}));
  const std::string kept = ReadFileText(dir.File("tempdata"));

  // The reference hull: one polyline per section.
  const std::vector<PenPoint> points = ReadReferenceHull(dir.File("tempdata"));
  ASSERT_EQ(points.size(), 5u);
  EXPECT_FALSE(points[0].draw);
  EXPECT_TRUE(points[1].draw);
  EXPECT_FALSE(points[2].draw);
  EXPECT_TRUE(points[4].draw);
  EXPECT_DOUBLE_EQ(points[4].x, 25.5);
  EXPECT_DOUBLE_EQ(points[4].y, 24.0);
  EXPECT_DOUBLE_EQ(points[4].z, 36.0);

  WriteFileText(dir.File("bad.GF1"), "no start line\n");
  EXPECT_EQ(ImportGhsFile(*design, dir.File("bad.GF1"), dir.path().string(), prompter, message),
            GhsConvert::kFailed);
  EXPECT_EQ(ReadFileText(dir.File("tempdata")), kept);
  EXPECT_TRUE(design->RefHullLoaded);

  // Cancelling the units question leaves no reference hull.
  WriteFileText(dir.File("ask.GF1"), JoinCrLf(GhsLines("")));
  ScriptedPrompter cancel;
  cancel.texts = {std::nullopt};
  EXPECT_EQ(ImportGhsFile(*design, dir.File("ask.GF1"), dir.path().string(), cancel, message),
            GhsConvert::kCancelled);
  EXPECT_FALSE(design->RefHullLoaded || design->RefHullShown);
}

TEST(ReferenceHull, SkipsLinesThatAreNotFiveNumbers) {
  const std::vector<PenPoint> points =
      ParseReferenceHull("1 0 1 2 3\r\nrubbish\r\n1 1 4 5 6 7\r\n1 1 4 5 6\r\n3 0 nan 1 1\n");
  ASSERT_EQ(points.size(), 2u);
  EXPECT_FALSE(points[0].draw);
  EXPECT_TRUE(points[1].draw);
  EXPECT_DOUBLE_EQ(points[1].z, 6.0);
}

}  // namespace
}  // namespace skelmora
