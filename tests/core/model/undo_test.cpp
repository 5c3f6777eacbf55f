#include "model/undo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "files/design_file.h"
#include "model/shape_changed.h"

namespace skelmora {
namespace {

using skelmora::testing::Fingerprint;
using skelmora::testing::ReadFileText;
using skelmora::testing::SplitCrLf;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HullDesign& d = *design;
    d.Units = kInches;
    d.LastColumn = 11;
    d.LastRow = 3;
    d.WaterlineTension = 2;
    d.StationTension = 2;
    for (int a = 0; a <= d.LastColumn; ++a) {
      for (int b = 0; b <= d.LastRow; ++b) {
        d.Net[a][b] = Vertex{0.25f * b * (a % 5), 2.0f * a, 0.5f * b - 1.0f, 1.0f};
      }
    }
    d.BodyViewOn = d.BodyViewOpen = true;
    d.DesignOpen = true;
    d.UndoFileFresh = true;
    ShapeChanged(d, *surface);
  }

  // The saved part of the design, as the design file holds it.
  std::string State() const {
    auto copy = std::make_unique<HullDesign>(*design);
    return FormatDesignText(*copy, false);
  }
  std::filesystem::path History() const { return dir.path() / "undofile.txt"; }
  // The "Undocount=" lines of the history file, in order.
  std::vector<std::string> SnapshotLines() const {
    std::vector<std::string> found;
    for (const auto& line : SplitCrLf(ReadFileText(History()))) {
      if (line.rfind("Undocount=", 0) == 0) found.push_back(line);
    }
    return found;
  }

  TempDir dir;
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
};

TEST_F(UndoTest, ThreeEditsUndoneRestoreTheDesignAndEmptyTheHistory) {
  std::vector<std::string> states{State()};
  TakeSnapshot(*design, dir.path());
  design->Net[3][2].x = 7.5f;
  ShapeChanged(*design, *surface);
  states.push_back(State());
  TakeSnapshot(*design, dir.path());
  SetWaterlineTension(*design, 3);
  design->ColumnChineCount = 1;
  design->ColumnChines[0] = 4;
  ShapeChanged(*design, *surface);
  states.push_back(State());
  TakeSnapshot(*design, dir.path());
  design->SpecialStationsOn = true;
  design->SpecialStationCount = 2;
  design->SpecialStations[1] = 3.25;
  design->SpecialStations[2] = 6.5;
  design->NetColor = 0x123456;
  ASSERT_EQ(design->UndoCount, 3);
  EXPECT_EQ(SnapshotLines(), (std::vector<std::string>{"Undocount=1", "Undocount=2",
                                                       "Undocount=3"}));

  for (int k = 3; k >= 1; --k) {
    ASSERT_TRUE(Undo(*design, *surface, dir.path())) << k;
    EXPECT_EQ(design->UndoCount, k - 1);
    EXPECT_EQ(State(), states[k - 1]) << "after undoing step " << k;
    EXPECT_EQ(surface->working.lastColumn, WorkingLastColumn(*design));
  }
  EXPECT_EQ(ReadFileText(History()), "");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "tempundofile.txt"));

  // Nothing left to undo: the design stays as it is.
  const std::string before = Fingerprint(*design);
  EXPECT_FALSE(Undo(*design, *surface, dir.path()));
  EXPECT_EQ(Fingerprint(*design), before);

  TakeSnapshot(*design, dir.path());
  EXPECT_EQ(design->UndoCount, 1);
  const auto lines = SplitCrLf(ReadFileText(History()));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "Undocount=1");
  EXPECT_EQ(SnapshotLines(), std::vector<std::string>{"Undocount=1"});
}

TEST_F(UndoTest, ElevenSnapshotsUndoBackInOrder) {
  std::vector<std::string> states;
  for (int k = 1; k <= 11; ++k) {
    states.push_back(State());
    TakeSnapshot(*design, dir.path());
    design->Net[1][1].x = 0.5f * k;
    design->HighlightIndex = k;
  }
  ASSERT_EQ(design->UndoCount, 11);
  for (int k = 11; k >= 1; --k) {
    ASSERT_TRUE(Undo(*design, *surface, dir.path())) << k;
    EXPECT_EQ(State(), states[k - 1]) << "after undoing step " << k;
    std::vector<std::string> expected;
    for (int i = 1; i < k; ++i) expected.push_back("Undocount=" + std::to_string(i));
    EXPECT_EQ(SnapshotLines(), expected);
  }
  EXPECT_EQ(design->UndoCount, 0);
}

TEST_F(UndoTest, TenChinesEachWayAreRestored) {
  HullDesign& d = *design;
  for (int i = 0; i < kMaxChines; ++i) {
    d.ColumnChines[i] = i + 1;
    d.RowChines[i] = i + 1;
  }
  d.LastRow = 11;
  d.ColumnChineCount = 10;
  d.RowChineCount = 10;
  ShapeChanged(d, *surface);
  const std::string before = State();
  TakeSnapshot(d, dir.path());
  SetWaterlineTension(d, 1);
  SetStationTension(d, 1);
  ASSERT_EQ(d.ColumnChineCount, 0);
  ASSERT_TRUE(Undo(d, *surface, dir.path()));
  EXPECT_EQ(d.ColumnChineCount, 10);
  EXPECT_EQ(d.RowChineCount, 10);
  EXPECT_EQ(d.ColumnChines[9], 10);
  EXPECT_EQ(d.RowChines[9], 10);
  EXPECT_EQ(WorkingLastColumn(d), 21);
  EXPECT_EQ(surface->working.lastRow, 21);
  EXPECT_EQ(State(), before);
}

TEST_F(UndoTest, UndoZeroesSpacingsAndTakesViewsFromTheOpenFlags) {
  HullDesign& d = *design;
  d.StationSpacing = 1.5;
  d.WaterlineSpacing = 0.25;
  d.ButtockSpacing = 2.0;
  d.BodyViewOn = true;
  d.BodyViewOpen = false;  // drawn flag set, window closed
  d.PerspectiveViewOn = false;
  d.PerspectiveViewOpen = true;
  d.UserBowOffset = 3.0;
  TakeSnapshot(d, dir.path());
  d.Net[0][0].z = 4.0f;
  ASSERT_TRUE(Undo(d, *surface, dir.path()));
  EXPECT_EQ(d.StationSpacing, 0.0);
  EXPECT_EQ(d.WaterlineSpacing, 0.0);
  EXPECT_EQ(d.ButtockSpacing, 0.0);
  EXPECT_FALSE(d.BodyViewOn);
  EXPECT_FALSE(d.BodyViewOpen);
  EXPECT_TRUE(d.PerspectiveViewOn);
  EXPECT_TRUE(d.PerspectiveViewOpen);
  EXPECT_FLOAT_EQ(d.Net[0][0].z, -1.0f);
  EXPECT_EQ(d.UserBowOffset, 3.0);  // only the file readers reset it
  EXPECT_TRUE(d.ExtentsValid);
  EXPECT_DOUBLE_EQ(surface->extents.hullLength, 22.0);
}

TEST_F(UndoTest, MissingShortOrDamagedHistoryLeavesTheDesign) {
  auto expectRefused = [&](const char* what) {
    design->UndoCount = 3;
    design->UndoFileFresh = false;
    auto expected = std::make_unique<HullDesign>(*design);
    expected->UndoCount = 0;
    expected->UndoFileFresh = true;
    EXPECT_FALSE(Undo(*design, *surface, dir.path())) << what;
    EXPECT_EQ(Fingerprint(*design), Fingerprint(*expected)) << what;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "tempundofile.txt")) << what;
  };
  expectRefused("no history file");

  // Snapshots 1 and 2 only, while the count says 3.
  TakeSnapshot(*design, dir.path());
  TakeSnapshot(*design, dir.path());
  design->Net[2][2].x = 9.0f;
  const std::string shortHistory = ReadFileText(History());
  expectRefused("short history");
  EXPECT_EQ(ReadFileText(History()), shortHistory);

  // Snapshot 3 is there but cannot be a design.
  std::string damaged = shortHistory + "Undocount=3\r\n1 2 2 77 3\r\n";
  WriteFileText(History(), damaged);
  expectRefused("damaged snapshot");

  // The next step starts a new history.
  TakeSnapshot(*design, dir.path());
  EXPECT_EQ(SnapshotLines(), std::vector<std::string>{"Undocount=1"});
  ASSERT_TRUE(Undo(*design, *surface, dir.path()));
  EXPECT_FLOAT_EQ(design->Net[2][2].x, 9.0f);
}

// A history cut anywhere in its last lines (a full disk, a kill mid-write)
// must not restore a design that never existed: no chines, angle 0.
TEST_F(UndoTest, SnapshotCutShortIsRefused) {
  HullDesign& d = *design;
  d.ColumnChineCount = 2;
  d.ColumnChines[0] = 3;
  d.ColumnChines[1] = 7;
  d.PerspectiveAzimuth = 35.5;
  d.PerspectiveElevation = -12.25;
  ShapeChanged(d, *surface);
  TakeSnapshot(d, dir.path());
  TakeSnapshot(d, dir.path());
  const std::string whole = ReadFileText(History());
  const size_t angles = whole.rfind("35.5000");
  ASSERT_NE(angles, std::string::npos);

  d.Net[2][2].x = 9.0f;
  for (size_t cut = angles; cut < whole.size(); ++cut) {
    WriteFileText(History(), whole.substr(0, cut));
    d.UndoCount = 2;
    d.UndoFileFresh = false;
    auto expected = std::make_unique<HullDesign>(d);
    expected->UndoCount = 0;
    expected->UndoFileFresh = true;
    EXPECT_FALSE(Undo(d, *surface, dir.path())) << "cut at " << cut << " of " << whole.size();
    EXPECT_EQ(Fingerprint(d), Fingerprint(*expected)) << "cut at " << cut;
  }

  // The whole history still undoes.
  WriteFileText(History(), whole);
  d.UndoCount = 2;
  ASSERT_TRUE(Undo(d, *surface, dir.path()));
  EXPECT_EQ(d.ColumnChineCount, 2);
  EXPECT_EQ(d.PerspectiveElevation, -12.25);
  EXPECT_FLOAT_EQ(d.Net[2][2].x, 0.25f * 2 * 2);
}

TEST_F(UndoTest, NoSnapshotWithoutAnOpenDesign) {
  design->DesignOpen = false;
  TakeSnapshot(*design, dir.path());
  EXPECT_EQ(design->UndoCount, 0);
  EXPECT_FALSE(std::filesystem::exists(History()));
}

TEST_F(UndoTest, ResetHistoryStartsAFreshFile) {
  TakeSnapshot(*design, dir.path());
  TakeSnapshot(*design, dir.path());
  ResetHistory(*design);
  EXPECT_EQ(design->UndoCount, 0);
  EXPECT_TRUE(design->UndoFileFresh);
  EXPECT_FALSE(Undo(*design, *surface, dir.path()));
  TakeSnapshot(*design, dir.path());
  EXPECT_FALSE(design->UndoFileFresh);
  EXPECT_EQ(SnapshotLines(), std::vector<std::string>{"Undocount=1"});

  // A first step starts a new file even when nobody flagged it.
  WriteFileText(History(), "stale\r\nUndocount=1\r\n");
  design->UndoCount = 0;
  TakeSnapshot(*design, dir.path());
  EXPECT_EQ(SplitCrLf(ReadFileText(History()))[0], "Undocount=1");
  EXPECT_EQ(SnapshotLines(), std::vector<std::string>{"Undocount=1"});
}

}  // namespace
}  // namespace skelmora
