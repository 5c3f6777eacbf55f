// skelmora-cli curves: the hydrostatics at a series of drafts.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <string>

#include "cli/cli_runner.h"

namespace {

using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::ExpectRefused;

const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";

// The row at draft 0 carries every field of `hydro --json` with its value,
// and the units name every column.
TEST(CurvesCli, JsonRowAtTheDesignDraftMatchesHydro) {
  const auto hydro = Cli("hydro " + kSailboat + " --json");
  ASSERT_EQ(hydro.status, 0) << hydro.err;
  const auto curves = Cli("curves " + kSailboat + " --drafts -2:2:1 --json");
  ASSERT_EQ(curves.status, 0) << curves.err;
  const json h = json::parse(hydro.out);
  const json c = json::parse(curves.out);
  ASSERT_EQ(c["rows"].size(), 5u);
  const json& row = c["rows"][2];
  EXPECT_EQ(row["draft"], 0.0);
  for (const auto& [name, value] : h.items()) {
    if (name == "units") continue;
    ASSERT_TRUE(row.contains(name)) << name;
    EXPECT_EQ(row[name], value) << name;
    EXPECT_EQ(c["units"][name], h["units"][name]) << name;
  }
  for (const char* name : {"draft", "kb", "kmt", "kml"}) {
    EXPECT_TRUE(c["units"].contains(name)) << name;
  }
  EXPECT_EQ(c["units"]["draft"], "in");
  EXPECT_LT(c["rows"][0]["displacementSaltwater"].get<double>(),
            c["rows"][4]["displacementSaltwater"].get<double>());
}

TEST(CurvesCli, TextTableHasOneLinePerDraft) {
  const auto run = Cli("curves " + kSailboat + " --drafts 0:3:1");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Hydrostatic Curves", 0), 0u);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3 + 4);
  EXPECT_EQ(run.out.find("nan"), std::string::npos);
  EXPECT_EQ(run.out.find("-0.000 "), std::string::npos);
}

TEST(CurvesCli, BadRangesAndDraftsOffTheHullAreRefused) {
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"curves " + kSailboat, 2, "usage"},
      {"curves " + kSailboat + " --drafts 1:2", 2, "FROM:TO:STEP"},
      {"curves " + kSailboat + " --drafts 0:1:0", 2, "positive"},
      {"curves " + kSailboat + " --drafts 2:1:1", 2, "below"},
      {"curves " + kSailboat + " --drafts 0:1:1 --bogus", 2, "does not take"},
      {"curves " + kSailboat + " --drafts -500:0:100", 1, "outside the hull"},
      {"curves /nonexistent.s98 --drafts 0:1:1", 1, ""},
  };
  for (const Case& c : cases) ExpectRefused(c.arguments, Cli(c.arguments), c.status, c.message);
}

}  // namespace
