// skelmora-cli condition: the example condition's floating position, tanks,
// free-trim levers and criteria as JSON; refusals with exit 1 and the files
// untouched; exit 3 when --criteria is given and a criterion fails.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "cli/cli_runner.h"

namespace {

using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::ExpectRefused;
using skelmora::clitest::ReadAll;

const std::string kCargo = std::string(SKELMORA_EXAMPLES_DIR) + "/cargo.s98";
const std::string kCargoCondition = std::string(SKELMORA_EXAMPLES_DIR) + "/cargo.lcd";

class ConditionCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("skelmora_condition_cli_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& text) {
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::filesystem::path dir;
};

TEST_F(ConditionCli, ExampleConditionFloatsWithItsTanksAndLevers) {
  const auto run = Cli("condition " + kCargo + " " + kCargoCondition + " --gz 90:5 --criteria --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  const json& e = doc["equilibrium"];
  for (const char* key : {"draftFore", "draftAft", "draftMid", "trim", "trimAngle", "heel",
                          "displacement", "lcb", "lcg", "kmt", "kml", "gmtSolid", "gmtFluid",
                          "freeSurfaceMoment", "evaluations"}) {
    EXPECT_TRUE(e.contains(key)) << key;
  }
  EXPECT_NEAR(e["trim"].get<double>(), e["draftAft"].get<double>() - e["draftFore"].get<double>(),
              1e-6);
  // The displacement is what the condition weighs: lightship and items from
  // the file, the tanks' fluid as reported.
  double weight = 1800000.0 + 2200000.0 + 60000.0, fsm = 0.0;
  ASSERT_EQ(doc["tanks"].size(), 4u);
  for (const json& tank : doc["tanks"]) {
    EXPECT_NEAR(tank["fill"].get<double>(), 50.0, 1e-9);
    EXPECT_GT(tank["capacity"].get<double>(), 0.0);
    EXPECT_GT(tank["freeSurfaceMoment"].get<double>(), 0.0);
    weight += tank["weight"].get<double>();
    fsm += tank["freeSurfaceMoment"].get<double>();
  }
  EXPECT_NEAR(e["displacement"].get<double>(), weight, 1e-6 * weight);
  EXPECT_NEAR(e["freeSurfaceMoment"].get<double>(), fsm, 1e-6 * fsm);
  EXPECT_NEAR(e["gmtSolid"].get<double>() - e["gmtFluid"].get<double>(), fsm / weight, 1e-6);
  EXPECT_NEAR(std::fabs(e["heel"].get<double>()), 0.0, 1e-6);  // symmetric tanks
  EXPECT_EQ(doc["units"]["weight"], "kg");
  EXPECT_EQ(doc["units"]["length"], "mm");

  ASSERT_EQ(doc["rows"].size(), 19u);
  for (const json& row : doc["rows"]) {
    ASSERT_TRUE(row["found"].get<bool>()) << row.dump();
    EXPECT_NEAR(row["displacement"].get<double>(), weight, 1e-3 * weight);
  }
  EXPECT_NEAR(doc["rows"][0]["gz"].get<double>(), 0.0, 1e-3);
  ASSERT_EQ(doc["criteria"].size(), 8u);
  EXPECT_EQ(doc["criteria"][5]["name"], "Initial GM");
  EXPECT_EQ(doc["criteria"][6]["name"], "Weather: area b >= area a");
  EXPECT_EQ(doc["criteria"][7]["name"], "Weather: steady heel at most");
  EXPECT_NEAR(doc["criteria"][5]["value"].get<double>(), e["gmtFluid"].get<double>() / 1000.0,
              1e-9);
  EXPECT_TRUE(doc["vanishingAngle"].is_number());
}

TEST_F(ConditionCli, WeatherObjectHasItsKeysAndTheOpeningEndsTheAreas) {
  std::string text = ReadAll(kCargoCondition);
  text += "OPENING Vent 7000 45000 2000\r\n";
  const std::string path = Write("vent.lcd", text);
  const auto run = Cli("condition " + kCargo + " " + path + " --gz 90:5 --criteria --json");
  ASSERT_TRUE(run.status == 0 || run.status == 3) << run.err;
  const json doc = json::parse(run.out);
  const json& w = doc["weather"];
  const std::set<std::string> keys = {
      "windArea", "windHeight", "displacement", "windLever", "gustLever", "steadyHeel",
      "rollAngle", "areaA", "areaB", "phi2", "rollPeriod", "breadthDraft", "cb", "X1", "X2",
      "k", "r", "s", "downflooding"};
  std::set<std::string> found;
  for (const auto& item : w.items()) found.insert(item.key());
  EXPECT_EQ(found, keys);
  EXPECT_NEAR(w["displacement"].get<double>(),
              doc["equilibrium"]["displacement"].get<double>() / 1000.0, 1e-6);
  EXPECT_NEAR(w["gustLever"].get<double>(), 1.5 * w["windLever"].get<double>(), 1e-12);
  ASSERT_TRUE(w["downflooding"].is_number());
  const double phiF = w["downflooding"].get<double>();
  EXPECT_GT(phiF, 0.0);
  EXPECT_LT(phiF, 40.0);
  EXPECT_LE(w["phi2"].get<double>(), phiF + 1e-9);
  const std::string name = doc["criteria"][1]["name"];
  EXPECT_EQ(name.rfind("Area under GZ 0 to phiF ", 0), 0u) << name;
  bool allPass = true;
  for (const json& c : doc["criteria"]) allPass = allPass && c["pass"].get<bool>();
  EXPECT_EQ(run.status, allPass ? 0 : 3);

  // Without openings there is no down-flooding angle.
  std::string closed;
  std::istringstream lines(ReadAll(kCargoCondition));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("OPENING", 0) != 0) closed += line + "\n";
  }
  const auto plain = Cli("condition " + kCargo + " " + Write("closed.lcd", closed) +
                         " --gz 60:10 --json");
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_TRUE(json::parse(plain.out)["weather"]["downflooding"].is_null());
}

TEST_F(ConditionCli, KgLimitPrintsALimitAndItsGoverningCriterionPerDisplacement) {
  const auto run = Cli("kg-limit " + kCargo + " " + kCargoCondition +
                       " --displacements 3500000,4500000 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const json doc = json::parse(run.out);
  ASSERT_EQ(doc["rows"].size(), 2u);
  for (const json& row : doc["rows"]) {
    ASSERT_TRUE(row["vcg"].is_number()) << row.dump();
    EXPECT_FALSE(row["governing"].get<std::string>().empty());
    EXPECT_GT(row["leverCurves"].get<int>(), 0);
  }
  // A heavier ship at the same LCG carries its G lower.
  EXPECT_GT(doc["rows"][0]["vcg"].get<double>(), doc["rows"][1]["vcg"].get<double>());
  ExpectRefused("bad list",
                Cli("kg-limit " + kCargo + " " + kCargoCondition + " --displacements 1,x"), 2,
                "--displacements");
  ExpectRefused("no list", Cli("kg-limit " + kCargo + " " + kCargoCondition), 2, "usage");
  // A displacement without a limit is marked, said and fails the command.
  const auto sinks = Cli("kg-limit " + kCargo + " " + kCargoCondition +
                         " --displacements 4000000,90000000 --json");
  EXPECT_EQ(sinks.status, 1);
  EXPECT_NE(sinks.err.find("sinks the hull"), std::string::npos) << sinks.err;
  const json marked = json::parse(sinks.out);
  EXPECT_TRUE(marked["rows"][0]["vcg"].is_number());
  EXPECT_TRUE(marked["rows"][1]["vcg"].is_null());
  EXPECT_TRUE(marked["rows"][1]["governing"].is_null());
}

TEST_F(ConditionCli, FailingCriterionExitsThreeOnlyWithCriteria) {
  // G raised until the fluid GM is below 0.15 m but still above 0.
  const std::string tender = Write("tender.lcd",
                                   "SKELMORA LOADING CONDITION\r\n"
                                   "LIGHTSHIP 4000000 44000 400 0\r\n"
                                   "TANK Ballast 30000 55000 -7000 7000 -5500 -4600 1.025 50\r\n");
  const auto plain = Cli("condition " + kCargo + " " + tender + " --gz 60:10 --json");
  ASSERT_EQ(plain.status, 0) << plain.err;
  const json doc = json::parse(plain.out);
  const double gm = doc["equilibrium"]["gmtFluid"].get<double>();
  ASSERT_GT(gm, 0.0);
  ASSERT_LT(gm, 150.0);
  EXPECT_EQ(Cli("condition " + kCargo + " " + tender + " --gz 60:10 --criteria").status, 3);
  EXPECT_EQ(Cli("condition " + kCargo + " " + kCargoCondition + " --criteria").status, 0);
}

TEST_F(ConditionCli, SinkingCapsizingAndMalformedConditionsAreRefused) {
  const std::string design = (dir / "cargo.s98").string();
  std::filesystem::copy_file(kCargo, design);
  const std::string designBefore = ReadAll(design);
  struct Case {
    std::string file, text, says;
  };
  const Case cases[] = {
      {"sinks.lcd", "SKELMORA LOADING CONDITION\nLIGHTSHIP 90000000 45000 0 0\n", "sinks the hull"},
      {"capsizes.lcd", "SKELMORA LOADING CONDITION\nLIGHTSHIP 4000000 45000 30000 0\n",
       "capsizes the hull"},
      {"bad.lcd", "SKELMORA LOADING CONDITION\nLIGHTSHIP 4000000 45000 x 0\n",
       "Line 2: the vcg 'x' is not a number"},
      {"empty.lcd", "SKELMORA LOADING CONDITION\n", "weighs nothing"},
  };
  for (const Case& c : cases) {
    const std::string path = Write(c.file, c.text);
    ExpectRefused(c.file, Cli("condition " + design + " " + path + " --gz 40:10 --json"), 1, c.says);
    EXPECT_EQ(ReadAll(path), c.text) << c.file;
    EXPECT_EQ(ReadAll(design), designBefore) << c.file;
  }
  ExpectRefused("bad --gz", Cli("condition " + design + " " + kCargoCondition + " --gz 40"), 2,
                "MAX:STEP");
  ExpectRefused("one file", Cli("condition " + design), 2, "usage");
}

}  // namespace
