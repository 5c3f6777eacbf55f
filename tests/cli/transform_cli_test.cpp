// skelmora-cli transform: operations applied in order, refusals that leave
// OUT unwritten, and the option syntax.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ReadAll;

// workboat: millimetres, 8 columns by 5 rows (last 7, 4), tensions 3 and 2,
// a row chine at 2 and a column chine at 6, 7200 long.
const std::string kWorkboat = std::string(SKELMORA_EXAMPLES_DIR) + "/workboat.s98";

class Transform : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove(out_); }

  CliRun Run(const std::string& operations) {
    return Cli("transform " + kWorkboat + " " + out_.string() + " " + operations);
  }
  json Info() {
    const CliRun run = Cli("info " + out_.string() + " --json");
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
  }

  fs::path out_ = fs::temp_directory_path() /
                  ("transform_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".s98");
};

TEST_F(Transform, OperationsApplyInTheOrderGiven) {
  // The chine made first moves with the column inserted before it.
  CliRun run = Run("--chine-column 3 --insert-column 1 --insert-row 1 --unchine-row 3");
  ASSERT_EQ(run.status, 0) << run.err;
  json doc = Info();
  EXPECT_EQ(doc["lastColumn"], 8);
  EXPECT_EQ(doc["lastRow"], 5);
  EXPECT_EQ(doc["columnChines"], json::array({4, 7}));
  EXPECT_EQ(doc["rowChines"], json::array());

  run = Run("--insert-column 1 --chine-column 3 --tension 2,3 --units in");
  ASSERT_EQ(run.status, 0) << run.err;
  doc = Info();
  EXPECT_EQ(doc["columnChines"], json::array({3, 7}));
  EXPECT_EQ(doc["waterlineTension"], 2);
  EXPECT_EQ(doc["workingLastColumn"], 8 + 2);
  EXPECT_EQ(doc["units"], 1);
  EXPECT_NEAR(doc["extents"]["hullLength"].get<double>(), 7200.0 / 25.4, 1e-2);
}

TEST_F(Transform, ScaleStretchAndShift) {
  ASSERT_EQ(Run("").status, 0);
  const json plain = Info();
  const double beam = plain["extents"]["halfBreadth"];
  const double lowest = plain["extents"]["lowestZ"];
  const double highest = plain["extents"]["highestZ"];

  const CliRun run = Run("--stretch length=3600 --scale beam=-50 --scale draft=100 --shift up=10");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = Info();
  EXPECT_NEAR(doc["extents"]["hullLength"].get<double>(), 3600.0, 1e-2);
  EXPECT_NEAR(doc["extents"]["halfBreadth"].get<double>(), beam / 2.0, 1e-2);
  EXPECT_NEAR(doc["extents"]["lowestZ"].get<double>(), 2.0 * lowest + 10.0, 1e-2);
  EXPECT_NEAR(doc["extents"]["highestZ"].get<double>(), highest + 10.0, 1e-2);
}

TEST_F(Transform, InverseOperationsGiveBackTheSameFile) {
  // The bow of the workboat lies at y = 0.
  for (const char* operations :
       {"--shift fore=500 --bow-to-zero", "--exchange length-height --exchange length-height",
        "--insert-row 2 --delete-row 3"}) {
    const CliRun run = Run(operations);
    ASSERT_EQ(run.status, 0) << operations << ": " << run.err;
    EXPECT_EQ(ReadAll(out_), ReadAll(kWorkboat)) << operations;
  }
}

TEST_F(Transform, ARefusedOperationWritesNothing) {
  struct Case {
    std::string operations;
    std::string message;
  };
  const Case cases[] = {
      {"--chine-column 0", "--chine-column 0: Cannot Chine Bow or Stern"},
      {"--insert-row 1 --delete-row 99", "There is no row 99"},
      {"--chine-row 2", "This row is already chined!"},
      {"--unchine-column 2", "Column 2 is not chined."},
      {"--tension 5,3", "Waterline Tension must be from 1 to 4."},
      {"--stretch overall=0", "must not be 0"},
      {"--scale overall=-100", "must be above -100"},
      {"--insert-column 7", "Cannot add a column after the last column"},
      // Results the float net cannot hold would be saved as 0s.
      {"--scale overall=1e308", "too large for the vertex net"},
      {"--stretch overall=1e300", "too large for the vertex net"},
      {"--shift fore=4e38", "--shift fore=4e38: The result is too large for the vertex net"},
      {"--shift up=-1e39", "too large for the vertex net"},
  };
  for (const Case& c : cases) {
    const CliRun run = Run(c.operations);
    EXPECT_EQ(run.status, 1) << c.operations;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.operations << " -> " << run.err;
    EXPECT_FALSE(fs::exists(out_)) << c.operations;
  }
}

TEST_F(Transform, BadArgumentsAreUsageErrors) {
  for (const char* operations :
       {"--frobnicate 3", "--insert-row", "--insert-row two", "--tension 3", "--units cm",
        "--exchange beam-depth", "--stretch beam=30", "--scale width=10", "--shift sideways=2",
        "--shift up"}) {
    const CliRun run = Run(operations);
    EXPECT_EQ(run.status, 2) << operations;
    EXPECT_NE(run.err.find("usage: skelmora-cli transform"), std::string::npos) << operations;
    EXPECT_FALSE(fs::exists(out_)) << operations;
  }
  const CliRun missingOut = Cli("transform " + kWorkboat + " --bow-to-zero");
  EXPECT_EQ(missingOut.status, 2);
  const CliRun notAHull = Cli("transform /nonexistent/a.s98 " + out_.string());
  EXPECT_EQ(notAHull.status, 1);
}

// A batch run keeps no undo history: it needs no temporary directory at all
// (here one that does not exist) and so can leave nothing behind.
TEST_F(Transform, NeedsNoTemporaryDirectory) {
  const fs::path missing = fs::temp_directory_path() / ("no_such_dir_" + std::to_string(::getpid()));
  const CliRun run = Cli("transform " + kWorkboat + " " + out_.string() +
                             " --insert-row 2 --chine-column 3 --scale beam=10 --units in",
                         "TMPDIR=" + missing.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(Info()["lastRow"], 5);
}

}  // namespace

namespace {

double HydroField(const std::string& file, const char* field) {
  const CliRun run = Cli("hydro " + file + " --json");
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out)[field].get<double>();
}

}  // namespace

TEST_F(Transform, TrimTurnsAboutTheCentreOfFlotationAndKeepsTheDisplacement) {
  const double volume = HydroField(kWorkboat, "volume");
  ASSERT_EQ(Run("--trim 1").status, 0);
  EXPECT_NEAR(HydroField(out_.string(), "volume"), volume, 0.005 * volume);
  const json trimmed = Info();
  ASSERT_EQ(Run("--trim 1 --trim -1").status, 0);
  const json back = Info();
  ASSERT_EQ(Run("").status, 0);
  const json plain = Info();
  EXPECT_NEAR(back["extents"]["lowestZ"].get<double>(), plain["extents"]["lowestZ"].get<double>(),
              1e-2);
  EXPECT_GT(std::fabs(trimmed["extents"]["lowestZ"].get<double>() -
                      plain["extents"]["lowestZ"].get<double>()),
            1.0);

  const CliRun refused = Run("--trim 60");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("--trim 60: The trim angle must lie between -45 and 45 degrees."),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(Run("--trim steep").status, 2);
}
