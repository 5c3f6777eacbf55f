#include "files/markers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using testing::ScriptedPrompter;
using testing::SplitCrLf;
using testing::TempDir;
using testing::WriteFileText;

class ReadMarkersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    design->MarkersShown = true;
    design->MarkerFileName = dir.File("hull.mkr");
  }
  bool Read() { return ReadMarkers(*design, prompter, points); }

  TempDir dir;
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  ScriptedPrompter prompter;
  std::vector<MarkerPoint> points;
};

TEST_F(ReadMarkersTest, ZeroZeroIsOnePoint) {
  WriteFileText(design->MarkerFileName, "0 0\r\n  1.500000 -2.250000 3.000000\r\n9 9 9\r\n");
  ASSERT_TRUE(Read());
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].x, 1.5);
  EXPECT_EQ(points[0].y, -2.25);
  EXPECT_EQ(points[0].z, 3.0);
  EXPECT_TRUE(design->MarkersShown);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(ReadMarkersTest, CountsOutsideZeroToFiftyAreRefused) {
  for (const char* first : {"51 3", "3 51", "-1 0", "0 -1"}) {
    SCOPED_TRACE(first);
    prompter.errors.clear();
    design->MarkersShown = true;
    WriteFileText(design->MarkerFileName, std::string(first) + "\r\n1 2 3\r\n");
    EXPECT_FALSE(Read());
    EXPECT_TRUE(points.empty());
    EXPECT_FALSE(design->MarkersShown);
    EXPECT_EQ(design->MarkerFileName, dir.File("hull.mkr"));  // the name is kept
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0],
              "More than 50 or less than 0 Data Points in Marker File Data, Data Discarded");
  }
  WriteFileText(design->MarkerFileName, "50 50\r\n");
  design->MarkersShown = true;
  EXPECT_TRUE(Read());  // the largest grid is allowed
}

TEST_F(ReadMarkersTest, MissingFileOrNameSwitchesOffSilently) {
  EXPECT_FALSE(Read());
  EXPECT_FALSE(design->MarkersShown);
  EXPECT_TRUE(design->MarkerFileName.empty());

  design->MarkersShown = true;
  EXPECT_FALSE(Read());
  EXPECT_FALSE(design->MarkersShown);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(ReadMarkersTest, ShortOrDamagedFilesNeverReadPastTheirEnd) {
  struct Case {
    const char* text;
    size_t points;
  } cases[] = {
      {"2 1\r\n1 1 1\r\n2 2 2\r\n", 2},  // six announced, two there
      {"", 0},                           // no counts: 0 0, and no point line
      {"1 1\n1 2\n\nx y z\n", 3},         // missing values read as 0
      {"nonsense\r\n4 5 6\r\n", 1},      // counts that are not numbers read as 0 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    design->MarkersShown = true;
    WriteFileText(design->MarkerFileName, c.text);
    EXPECT_TRUE(Read());
    EXPECT_EQ(points.size(), c.points);
  }
  EXPECT_EQ(points[0].x, 4.0);
}

TEST(WriteMarkersFromVertices, TenByEightNetWritesNineSevenAndEightyPoints) {
  TempDir dir;
  auto design = std::make_unique<HullDesign>();
  design->LastColumn = 9;
  design->LastRow = 7;
  for (int c = 0; c <= 9; ++c) {
    for (int r = 0; r <= 7; ++r) {
      design->Net[c][r] = Vertex{0.5f * r, 12.0f * c, -3.25f + r, 1.0f};
    }
  }
  ASSERT_TRUE(WriteMarkersFromVertices(*design, dir.File("sailboat.s98")));
  EXPECT_EQ(design->MarkerFileName, dir.File("sailboat.mkr"));
  EXPECT_TRUE(design->MarkersShown);

  const auto lines = SplitCrLf(testing::ReadFileText(design->MarkerFileName));
  ASSERT_EQ(lines.size(), 81u);
  EXPECT_EQ(lines[0], "9 7");
  EXPECT_EQ(lines[1], "   0.000000    0.000000   -3.250000");
  EXPECT_EQ(lines[80], "   3.500000  108.000000    3.750000");  // column 9, row 7

  ScriptedPrompter prompter;
  std::vector<MarkerPoint> points;
  ASSERT_TRUE(ReadMarkers(*design, prompter, points));
  ASSERT_EQ(points.size(), 80u);
  EXPECT_EQ(points[8 * 3 + 2].y, 36.0);  // column 3, row 2
  EXPECT_EQ(points[8 * 3 + 2].z, -1.25);
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"sailboat.mkr"});  // no temporary left
}

TEST(WriteMarkersFromVertices, UnwritablePlaceLeavesTheDesignAlone) {
  TempDir dir;
  auto design = std::make_unique<HullDesign>();
  design->MarkerFileName = "old.mkr";
  EXPECT_FALSE(WriteMarkersFromVertices(*design, dir.File("missing/hull.s98")));
  EXPECT_FALSE(WriteMarkersFromVertices(*design, ""));
  EXPECT_EQ(design->MarkerFileName, "old.mkr");
  EXPECT_FALSE(design->MarkersShown);
}

TEST(MarkerFileNameFor, DropsTheFirstDotAndThreeCharactersOfTheName) {
  struct Case {
    const char* chosen;
    const char* want;
  } cases[] = {
      {"hull.s98", "hull.mkr"},
      {"hull.mkr", "hull.mkr"},
      {"hull", "hull.mkr"},
      {"a.b", "a.mkr"},
      {"boat.v2.final", "boatfinal.mkr"},  // "first dot and three after", literally
      {"/home/me/my.boats/hull.s98", "/home/me/my.boats/hull.mkr"},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkerFileNameFor(c.chosen), c.want) << c.chosen;
}

}  // namespace
}  // namespace skelmora
