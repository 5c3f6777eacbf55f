// skelmora-cli fair: the sampled line and its curvature as a script reads
// them, the inflection count of a fair and of a kinked sheer, the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"
#include "core/surface/test_nets.h"
#include "files/design_file.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ExpectRefused;
using namespace skelmora;

// A boat whose sheer is fair, or kinked by a zigzag of its vertices in plan.
fs::path WriteBoat(const std::string& name, bool kinked) {
  nets::Hull hull = nets::MakeHull(12, 4, 3, 3, [&](double s, double t) {
    Vertex v = nets::BoatVertex(s, t);
    const int column = static_cast<int>(std::lround(s * 12));
    if (kinked && t == 1.0 && column > 0 && column < 12) v.x += (column % 2 ? 1.5f : -1.5f);
    return v;
  });
  const fs::path path = fs::temp_directory_path() / name;
  std::string message;
  EXPECT_TRUE(WriteDesignFile(hull.d(), path.string(), message)) << message;
  return path;
}

json JsonOf(const std::string& arguments) {
  const CliRun run = Cli(arguments);
  EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
  return run.status == 0 ? json::parse(run.out) : json();
}

TEST(CliFair, SheerSamplesCurvatureAndVertices) {
  const fs::path boat = WriteBoat("fair_cli_boat.s98", false);
  const json doc = JsonOf("fair sheer 0 " + boat.string() + " --json");
  EXPECT_EQ(doc["view"], "profile");
  EXPECT_EQ(doc["axes"][1], "Height +/- LWL");
  ASSERT_EQ(doc["samples"].size(), 51u);
  ASSERT_EQ(doc["curvature"].size(), 45u);
  ASSERT_EQ(doc["vertices"].size(), 13u);
  // The sheer starts and ends on its end vertices (clamped knots).
  EXPECT_NEAR(doc["samples"][0][0].get<double>(), 0.0, 1e-6);
  EXPECT_NEAR(doc["samples"][0][1].get<double>(), 5.0, 1e-6);
  EXPECT_NEAR(doc["samples"][50][0].get<double>(), 100.0, 1e-6);
  double largest = 0.0;
  for (size_t k = 0; k < doc["curvature"].size(); ++k) {
    const json& c = doc["curvature"][k];
    EXPECT_EQ(c["at"], doc["samples"][k + 3][0]);
    EXPECT_GE(c["value"].get<double>(), 0.0);
    largest = std::max(largest, c["value"].get<double>());
  }
  EXPECT_EQ(doc["maxCurvature"].get<double>(), largest);
  // A straight sheer in profile: no inflection.
  EXPECT_EQ(doc["curvatureSignChanges"], 0);
}

TEST(CliFair, KinkedSheerShowsManyInflectionsInPlan) {
  const fs::path fair = WriteBoat("fair_cli_fair.s98", false);
  const fs::path kinked = WriteBoat("fair_cli_kinked.s98", true);
  const json smooth = JsonOf("fair sheer 0 " + fair.string() + " --view plan --json");
  const json rough = JsonOf("fair sheer 0 " + kinked.string() + " --view plan --json");
  EXPECT_EQ(smooth["axes"][0], "Distance Aft Bow");
  EXPECT_LE(smooth["curvatureSignChanges"].get<int>(), 1);
  EXPECT_GE(rough["curvatureSignChanges"].get<int>(), 6);
}

TEST(CliFair, ColumnsTurnToTheirViewAndTextOutputNamesTheMembers) {
  const fs::path boat = WriteBoat("fair_cli_columns.s98", false);
  EXPECT_EQ(JsonOf("fair column 0 " + boat.string() + " --json")["view"], "profile");
  EXPECT_EQ(JsonOf("fair column 12 " + boat.string() + " --json")["view"], "plan");
  const json station = JsonOf("fair column 6 " + boat.string() + " --json");
  EXPECT_EQ(station["view"], "body");
  EXPECT_EQ(station["vertices"].size(), 5u);
  // A section: its curvature is unscaled, one value per point k, k + 3, k + 6.
  EXPECT_EQ(station["curvature"].size(), station["samples"].size() - 6);
  const CliRun text = Cli("fair row 2 " + boat.string());
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("maxCurvature: "), std::string::npos);
  EXPECT_NE(text.out.find("curvatureSignChanges: "), std::string::npos);
}

TEST(CliFair, RefusesWhatTheDesignDoesNotHold) {
  const fs::path boat = WriteBoat("fair_cli_refusals.s98", false);
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"fair column 13 ", 1, "Column 13 is not a vertex column of this design (0 to 12)"},
      {"fair row 0 ", 1, "Row 0 is not an interior vertex row of this design (1 to 3)"},
      {"fair row 4 ", 1, "Row 4 is not an interior vertex row of this design (1 to 3)"},
      {"fair chine 1 ", 1, "No Chines Present"},
      {"fair sheer 13 ", 1, "Vertex 13 is not a vertex of the sheer (0 to 12)"},
      {"fair fairbody -1 ", 1, "Vertex -1 is not a vertex of the fairbody (0 to 12)"},
      {"fair keel 1 ", 2, "Unknown line: keel"},
      {"fair column x ", 2, "N must be a whole number: x"},
  };
  for (const Case& c : cases) {
    ExpectRefused(c.arguments, Cli(c.arguments + boat.string()), c.status, c.message);
  }
  const CliRun view = Cli("fair column 1 " + boat.string() + " --view side");
  EXPECT_EQ(view.status, 2);
  EXPECT_NE(view.err.find("The view must be body, plan or profile: side"), std::string::npos);
  const CliRun option = Cli("fair column 1 " + boat.string() + " --stations 3");
  EXPECT_EQ(option.status, 2);
}

}  // namespace
