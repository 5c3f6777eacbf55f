// Runs the skelmora-cli binary the way a script would and checks what it prints.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ExpectRefused;
using skelmora::clitest::ReadAll;

const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";
const std::string kWorkboat = std::string(SKELMORA_EXAMPLES_DIR) + "/workboat.s98";

TEST(CliInfo, ReportsTheNetAndExtentsOfTheFiftyByFiftyGrid) {
  const CliRun run = Cli("info " + kWorkboat + " --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  EXPECT_EQ(doc["units"], 2);
  EXPECT_EQ(doc["lastColumn"], 7);
  EXPECT_EQ(doc["lastRow"], 4);
  EXPECT_EQ(doc["waterlineTension"], 3);
  EXPECT_EQ(doc["stationTension"], 2);
  // The row chine at 2 repeated q = 2 times, the transom edge p = 3 times.
  EXPECT_EQ(doc["rowChines"], json::array({2}));
  EXPECT_EQ(doc["columnChines"], json::array({6}));
  EXPECT_EQ(doc["workingLastColumn"], 9);
  EXPECT_EQ(doc["workingLastRow"], 5);
  const json& e = doc["extents"];
  // The stern column lies at y = 7200 and the clamped surface ends on it.
  EXPECT_NEAR(e["hullLength"].get<double>(), 7200.0, 1e-6);
  EXPECT_GT(e["halfBreadth"].get<double>(), 500.0);
  EXPECT_LT(e["lowestZ"].get<double>(), 0.0);
  EXPECT_NEAR(e["depth"].get<double>(),
              e["highestZ"].get<double>() - e["lowestZ"].get<double>(), 1e-9);
}

TEST(CliGrid, GridCornersLieOnTheCornerVerticesAtTheRequestedDivisions) {
  const CliRun run = Cli("grid " + kSailboat + " --divisions 4 3 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  EXPECT_EQ(doc["columnDivisions"], 4);
  EXPECT_EQ(doc["rowDivisions"], 3);
  const json& grid = doc["grid"];
  ASSERT_EQ(grid.size(), 5u);
  ASSERT_EQ(grid[0].size(), 4u);
  // u = 1, v = 1: the transom's centreline column at the sheer row, raked
  // forward by the 40 degree stern angle.
  const json& stern = grid[4][3];
  EXPECT_EQ(stern[0], 1.0);
  EXPECT_EQ(stern[1], 1.0);
  EXPECT_NEAR(stern[3].get<double>(), 360.0 - std::tan(40 / 57.295) * 40 * 0.901, 1e-3);
  const json& bowKeel = grid[0][0];  // the forefoot of the 35 degree stem
  EXPECT_EQ(bowKeel[0], 0.0);
  EXPECT_NEAR(bowKeel[3].get<double>(), 1.65 * 40 * std::tan(35 / 57.295), 1e-3);
}

TEST(CliCut, StationPointsLieOnThePlaneAndAMissIsReported) {
  const CliRun run = Cli("cut station 210 " + kSailboat + " --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  EXPECT_EQ(doc["kind"], "station");
  EXPECT_EQ(doc["position"], 210.0);
  const int last = doc["last"];
  ASSERT_GE(last, 2);
  ASSERT_EQ(doc["points"].size(), static_cast<size_t>(last + 1));
  for (const json& p : doc["points"]) EXPECT_EQ(p[3].get<double>(), 210.0 - 1e-6);
  EXPECT_EQ(doc["loopLast"], 0);
  EXPECT_FALSE(doc.contains("pieceEnds"));

  const CliRun miss = Cli("cut station 5000 " + kSailboat + " --json");
  ASSERT_EQ(miss.status, 0) << miss.err;
  const json missDoc = json::parse(miss.out);
  EXPECT_EQ(missDoc["last"], -1);
  EXPECT_TRUE(missDoc["points"].empty());
}

TEST(CliCut, WaterlineReportsItsPieces) {
  const CliRun run = Cli("cut waterline 0 " + kSailboat + " --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  ASSERT_TRUE(doc.contains("pieceEnds"));
  ASSERT_FALSE(doc["pieceEnds"].empty());
  EXPECT_EQ(doc["pieceEnds"].back().get<int>(), doc["last"].get<int>() + 1);
  for (const json& p : doc["points"]) EXPECT_EQ(p[4].get<double>(), 0.0);
}

TEST(CliSections, PlacesTheDefaultFamiliesFromTheFileSettings) {
  const CliRun run = Cli("sections " + kSailboat + " --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  EXPECT_EQ(doc["stations"].size(), 15u);
  EXPECT_EQ(doc["waterlines"].size(), 9u);
  EXPECT_EQ(doc["buttocks"].size(), 3u);
  EXPECT_EQ(doc["stationCount"], 15);
  // Stations by number: spacing derived from the length and written back.
  const double spacing = doc["stationSpacing"];
  EXPECT_GT(spacing, 0.0);
  EXPECT_NEAR(doc["stations"][1].get<double>() - doc["stations"][0].get<double>(), spacing,
              1e-9);
}

TEST(CliConvert, RewritesADesignByteForByte) {
  const fs::path out = fs::temp_directory_path() / "cli_convert_copy.s98";
  const CliRun run = Cli("convert " + kWorkboat + " " + out.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(out), ReadAll(kWorkboat));
  fs::remove(out);
}

TEST(CliConvert, WritesTheNetAsAMarkerFile) {
  const fs::path out = fs::temp_directory_path() / "cli_convert_markers.mkr";
  const CliRun run = Cli("convert " + kSailboat + " " + out.string());
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream text(ReadAll(out));
  std::string line;
  std::getline(text, line);
  EXPECT_EQ(line, "5 4\r");  // last column and row of the net
  int points = 0;
  while (std::getline(text, line)) ++points;
  EXPECT_EQ(points, 6 * 5);
  fs::remove(out);
}

TEST(CliErrors, FailuresGoToStandardErrorWithANonZeroStatus) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  const fs::path notHull = fs::temp_directory_path() / "cli_not_a_hull.txt";
  std::ofstream(notHull) << "hello\n";
  const Case cases[] = {
      {"info " + notHull.string(), "This file type is NOT a SKELMORA hull file"},
      {"info /nonexistent/dir/missing.s98", "missing.s98"},
      {"cut keel 3 " + kSailboat, "Unknown section kind"},
      {"cut station abc " + kSailboat, "not a number"},
      {"grid " + kSailboat + " --divisions 0 300", "Divisions"},
      {"frobnicate", "Unknown command"},
  };
  for (const Case& c : cases) {
    ExpectRefused(c.arguments, Cli(c.arguments), skelmora::clitest::kAnyFailure, c.message);
  }
  fs::remove(notHull);
}

// Inputs that are not what their extension says, and inputs that are not
// files: a text under ".s98" is no design, and a named pipe given as any
// input is refused at once instead of waiting for a writer for ever.
TEST(CliErrors, InputsThatAreNotDesignsOrNotFilesAreRefused) {
  const fs::path dir = fs::temp_directory_path() / "cli_inputs_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "notes.s98") << "Shopping list\r\n2 3 2 3 2\r\n";
  const std::string pipe = (dir / "pipe").string();
  for (const char* ext : {".s98", ".shl", ".igs", ".GF1"}) {
    ASSERT_EQ(::mkfifo((pipe + ext).c_str(), 0600), 0);
  }
  const std::string notRegular = "is not a regular file (a folder, pipe or device)";
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {"info " + (dir / "notes.s98").string(), "This file type is NOT a SKELMORA hull file"},
      {"info " + pipe + ".s98", notRegular},
      {"info " + pipe + ".shl", notRegular},
      {"info " + pipe + ".igs", notRegular},
      {"ghs " + pipe + ".GF1 --out " + (dir / "tempdata").string(), notRegular},
  };
  for (const auto& c : cases) {
    ExpectRefused(c.arguments, Cli(c.arguments), 1, c.message);
  }
  fs::remove_all(dir);
}

}  // namespace
