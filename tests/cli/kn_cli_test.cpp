// skelmora-cli kn: the cross curves of stability.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <cmath>
#include <string>

#include "cli/cli_runner.h"

namespace {

using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::ExpectRefused;

const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";

json JsonOf(const std::string& arguments) {
  const auto run = Cli(arguments);
  EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
  return run.status == 0 ? json::parse(run.out) : json::object();
}

// At the design displacement the curve is the stability command's GZ plus
// KG sin(phi), KG measured from the keel `hydro` reports.
TEST(KnCli, DesignDisplacementCurveIsTheStabilityRunFromTheKeel) {
  const json hydro = JsonOf("hydro " + kSailboat + " --json");
  ASSERT_EQ(hydro["units"]["lowestZ"], "in");
  const double weight = hydro["displacementSaltwater"].get<double>();
  const double keel = hydro["lowestZ"].get<double>();
  char list[64];
  std::snprintf(list, sizeof list, "%.6f", weight);
  const json kn = JsonOf("kn " + kSailboat + " --displacements " + list +
                         ",2000 --angles 0:40:10 --json");
  ASSERT_EQ(kn["rows"].size(), 10u);
  EXPECT_EQ(kn["units"], (json{{"displacement", "lb"}, {"angle", "deg"}, {"kn", "ft"}}));

  const double vcg = 6.0;  // inches above the waterline
  const json run = JsonOf("stability " + kSailboat + " --max 40 --step 10 --json --vcg 6 --lcg 220");
  ASSERT_EQ(run["rows"].size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    const json& point = kn["rows"][k];
    const double angle = point["angle"].get<double>();
    EXPECT_EQ(angle, 10.0 * k);
    const double kg = (vcg - keel) / 12.0;
    const double expected =
        run["rows"][k]["gz"].get<double>() + kg * std::sin(angle * 3.14159265358979 / 180.0);
    EXPECT_NEAR(point["kn"].get<double>(), expected, 2e-3) << angle;
    EXPECT_EQ(kn["rows"][5 + k]["displacement"], 2000.0);
  }
  EXPECT_NEAR(kn["rows"][0]["kn"].get<double>(), 0.0, 1e-9);
}

TEST(KnCli, TextTableHasALinePerAngle) {
  const auto run = Cli("kn " + kSailboat + " --displacements 2000,3000 --angles 0:30:10");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Cross Curves (KN)", 0), 0u);
  EXPECT_NE(run.out.find("        2000        3000\n"), std::string::npos) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3 + 4);
  EXPECT_EQ(run.out.find("nan"), std::string::npos);
}

TEST(KnCli, BadArgumentsAndDisplacementsTheHullCannotFloatAreRefused) {
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const std::string k = "kn " + kSailboat;
  const Case cases[] = {
      {k + " --angles 0:90:10", 2, "usage"},
      {k + " --displacements 2000", 2, "usage"},
      {k + " --displacements 2000,x --angles 0:90:10", 2, "not a number"},
      {k + " --displacements -1 --angles 0:90:10", 2, "positive"},
      {k + " --displacements 2000 --angles 0:90", 2, "FROM:TO:STEP"},
      {k + " --displacements 2000 --angles 0:90:0", 2, "step"},
      {k + " --displacements 2000 --angles 0:90:10 --bogus", 2, "does not take"},
      {"kn /nonexistent.s98 --displacements 2000 --angles 0:30:10", 1, ""},
  };
  for (const Case& c : cases) ExpectRefused(c.arguments, Cli(c.arguments), c.status, c.message);
}

TEST(KnCli, AFailedDisplacementIsNamedOnceAndTheRowsComputedArePrinted) {
  const auto run = Cli("kn " + kSailboat + " --displacements 2000,9e9,3000 --angles 0:30:10");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("        2000        3000\n"), std::string::npos) << run.out;
  const std::string named = "displacement 9000000000.000: The hull cannot displace";
  ASSERT_NE(run.err.find(named), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(named), run.err.rfind(named)) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  const auto json = Cli("kn " + kSailboat + " --displacements 2000,9e9 --angles 0:30:10 --json");
  EXPECT_EQ(json.status, 1);
  const nlohmann::json doc = nlohmann::json::parse(json.out);
  EXPECT_EQ(doc["rows"].size(), 4u);
  EXPECT_EQ(doc["complete"], false);
}

TEST(KnCli, CargoShipPast74Degrees) {
  const std::string cargo = std::string(SKELMORA_EXAMPLES_DIR) + "/cargo.s98";
  const json hydro = JsonOf("hydro " + cargo + " --json");
  char list[64];
  std::snprintf(list, sizeof list, "%.0f", hydro["displacementSaltwater"].get<double>());
  const json kn = JsonOf("kn " + cargo + " --displacements " + list + " --angles 70:78:2 --json");
  ASSERT_EQ(kn["rows"].size(), 5u);
  EXPECT_EQ(kn["rows"][2]["angle"], 74.0);
  EXPECT_GT(kn["rows"][2]["kn"].get<double>(), 0.0);
}

}  // namespace
