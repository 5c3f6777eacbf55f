// Runs skelmora-cli resistance: the published Holtrop-Mennen example through
// the overrides, the JSON a script reads, refusals and rows without values.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"

namespace {

using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;

const std::string kCargo = std::string(SKELMORA_EXAMPLES_DIR) + "/cargo.s98";
const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";
const std::string kRunabout = std::string(SKELMORA_EXAMPLES_DIR) + "/runabout.s98";

json JsonOf(const std::string& arguments) {
  const CliRun run = Cli(arguments);
  EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
  return run.status == 0 ? json::parse(run.out) : json();
}

// Holtrop & Mennen (1982), section 5: the 205 m ship at 25 knots, every
// input given as an override (the file's own hull is not used).
TEST(CliResistance, HoltropMennenPublishedExampleThroughTheOverrides) {
  const json doc = JsonOf(
      "resistance holtrop " + kCargo +
      " --speeds 25:25:1 --json --lwl 205 --beam 32 --draft 10 --volume 37500 --lcb -0.75"
      " --cm 0.98 --cwp 0.75 --wetted 7381.45 --half-entrance 12.08 --transom-area 16"
      " --bulb-area 20 --bulb-centre 4 --appendage-area 50 --appendage-factor 1.5"
      " --stern-shape 10");
  EXPECT_EQ(doc["method"], "holtrop");
  EXPECT_EQ(doc["inputs"]["halfEntrance"].get<double>(), 12.08);
  EXPECT_EQ(doc["inputs"]["water"], "salt");
  EXPECT_FALSE(doc["inputs"].contains("deadrise"));
  EXPECT_EQ(doc["units"]["total"], "kN");
  EXPECT_EQ(doc["units"]["effectivePower"], "kW");
  ASSERT_EQ(doc["rows"].size(), 1u);
  const json& row = doc["rows"][0];
  auto near = [&](const char* key, double published, double fraction) {
    EXPECT_NEAR(row[key].get<double>(), published, published * fraction) << key;
  };
  near("formFactor", 1.156, 0.005);
  near("friction", 869.63, 0.005);
  near("appendage", 8.83, 0.005);
  near("wave", 557.11, 0.005);
  near("correlation", 221.98, 0.005);
  near("total", 1793.26, 0.01);
  near("effectivePower", 23063.0, 0.01);
  EXPECT_NEAR(row["bulb"].get<double>(), 0.049, 0.001);
  EXPECT_EQ(row["transom"].get<double>(), 0.0);
  EXPECT_TRUE(doc["warnings"].empty()) << doc["warnings"].dump();
}

TEST(CliResistance, EachMethodOnItsHullWithItsKeys) {
  const json holtrop = JsonOf("resistance holtrop " + kCargo + " --json");
  ASSERT_EQ(holtrop["rows"].size(), 14u);
  for (const char* key : {"lwl", "beam", "draft", "volume", "lcb", "cm", "cwp", "wetted",
                          "halfEntrance", "transomArea", "bulbArea", "bulbCentre",
                          "appendageArea", "appendageFactor", "sternShape"}) {
    EXPECT_TRUE(holtrop["inputs"][key].is_number()) << key;
  }
  for (const json& row : holtrop["rows"]) {
    EXPECT_NEAR(row["effectivePower"].get<double>(),
                row["total"].get<double>() * row["speed"].get<double>() * 1852.0 / 3600.0,
                1e-9 * (1.0 + row["effectivePower"].get<double>()));
  }
  // The cargo ship is no yacht: the series says so.
  const json yacht = JsonOf("resistance yacht " + kCargo + " --json");
  EXPECT_FALSE(yacht["warnings"].empty());

  const json savitsky = JsonOf("resistance savitsky " + kRunabout + " --speeds 10:40:10 --json");
  for (const char* key : {"displacement", "lcg", "chineBeam", "deadrise", "lwl"}) {
    EXPECT_TRUE(savitsky["inputs"][key].is_number()) << key;
  }
  ASSERT_EQ(savitsky["rows"].size(), 4u);
  EXPECT_TRUE(savitsky["rows"][3]["trim"].is_number());
  EXPECT_TRUE(savitsky["rows"][3]["wettedLength"].is_number());
}

// Speeds a method cannot handle keep their row, with null values and a
// warning; never a made-up number.
TEST(CliResistance, RowsWithoutValuesAreNull) {
  const json slow = JsonOf("resistance savitsky " + kRunabout + " --speeds 0:1:1 --json");
  ASSERT_EQ(slow["rows"].size(), 2u);
  for (const json& row : slow["rows"]) {
    EXPECT_TRUE(row["total"].is_null());
    EXPECT_TRUE(row["effectivePower"].is_null());
    EXPECT_TRUE(row["trim"].is_null());
  }
  EXPECT_GE(slow["warnings"].size(), 2u);
  const json fast = JsonOf("resistance holtrop " + kCargo + " --speeds 60:60:1 --json");
  EXPECT_TRUE(fast["rows"][0]["total"].is_null());
  EXPECT_NE(fast["warnings"].back().get<std::string>().find("above the Holtrop-Mennen data"),
            std::string::npos);

  const CliRun text = Cli("resistance savitsky " + kRunabout + " --speeds 0:1:1");
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Warning: At 0.00 kn: no result, below the planing range"),
            std::string::npos)
      << text.out;
}

TEST(CliResistance, BadInputExitsWithTwoAndTheReason) {
  struct Case {
    std::string arguments;
    std::string says;
  };
  const Case cases[] = {
      {"resistance holtrop " + kCargo + " --speeds -1:5:1", "A speed cannot be negative"},
      {"resistance holtrop " + kCargo + " --speeds 5:10:0", "The speed step must be more than 0"},
      {"resistance holtrop " + kCargo + " --speeds 5:10", "FROM:TO:STEP"},
      {"resistance holtrop " + kCargo + " --lwl 0", "--lwl must be more than 0"},
      {"resistance holtrop " + kCargo + " --volume -3", "--volume must be more than 0"},
      {"resistance holtrop " + kCargo + " --transom-area -1", "--transom-area must be 0 or more"},
      {"resistance holtrop " + kCargo + " --beam wide", "--beam is not a number"},
      {"resistance savitsky " + kRunabout + " --chine-beam 0", "--chine-beam must be more than 0"},
      {"resistance yacht " + kSailboat + " --deadrise 12", "yacht does not use --deadrise"},
      {"resistance planing " + kSailboat, "Unknown method: planing"},
      {"resistance holtrop " + kCargo + " --water brackish", "--water needs salt or fresh"},
      {"resistance holtrop " + kCargo + " --stations 4", "resistance does not take --stations"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.arguments;
  }
}

}  // namespace
