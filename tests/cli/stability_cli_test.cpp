// Runs skelmora-cli stability the way a script would.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ExpectRefused;
using skelmora::clitest::ReadAll;

const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";

json JsonOf(const std::string& arguments) {
  const CliRun run = Cli(arguments);
  EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
  return run.status == 0 ? json::parse(run.out) : json();
}

fs::path TempFile(const std::string& name, const std::string& contents = "") {
  const fs::path path = fs::temp_directory_path() / name;
  if (!contents.empty()) std::ofstream(path, std::ios::binary) << contents;
  return path;
}

TEST(CliStability, JsonHoldsEveryColumnOfBothTables) {
  const char* columns[] = {"ang", "disp", "trim", "lwl", "draft", "bmwl", "wpln", "wsurf",
                           "cp",  "cb",   "cw",   "lcb", "vcb",   "tcb",  "lcf",  "vcgx",
                           "vcgz", "lcg", "bmt",  "gmt", "bml",   "gml",  "gz"};
  const json doc = JsonOf("stability " + kSailboat + " --json");
  ASSERT_EQ(doc["rows"].size(), 10u);
  for (size_t p = 0; p < 10; ++p) {
    const json& row = doc["rows"][p];
    for (const char* c : columns) {
      ASSERT_TRUE(row.contains(c) && row[c].is_number()) << c;
    }
    EXPECT_EQ(row["ang"], 5.0 * p);
    EXPECT_EQ(row["trim"], 0.0);
    EXPECT_EQ(row["dispUnit"], "lb");
  }
  EXPECT_NEAR(doc["rows"][0]["gz"].get<double>(), 0.0, 1e-6);
  EXPECT_TRUE(doc["maxPositiveStability"].is_null());  // GZ still positive at 45
  EXPECT_TRUE(doc["lcgHullAlone"].is_number());
  EXPECT_EQ(doc["lcgOverall"], doc["lcgHullAlone"]);  // no ballast
  EXPECT_EQ(doc["units"], "english");
  ASSERT_EQ(doc["criteria"].size(), 6u);
  for (const json& c : doc["criteria"]) {
    for (const char* key : {"name", "value", "required", "unit", "pass"}) {
      EXPECT_TRUE(c.contains(key)) << key;
    }
  }
}

TEST(CliStability, TextIsTheDataFileAndOutWritesIt) {
  const fs::path out = TempFile("skelmora_cli_stabdata.dat");
  fs::remove(out);
  const CliRun run = Cli("stability " + kSailboat + " --max 20 --step 10 --out " + out.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("SKELMORA V7 Hydrostatics Analysis For...", 0), 0u);
  EXPECT_NE(run.out.find("\r\n20.000   "), std::string::npos);
  EXPECT_EQ(ReadAll(out), run.out);
  fs::remove(out);
}

TEST(CliStability, BallastShiftAndManualCentre) {
  const fs::path bdt = TempFile("skelmora_cli_ballast.bdt",
                                "-NBAL-\r\n3\r\nkeel\r\ncrew\r\n\r\n2000\r\n0\r\n\r\n0\r\n0\r\n\r\n"
                                "200\r\n0\r\n\r\n-30\r\n0\r\n\r\n");
  const json plain = JsonOf("stability " + kSailboat + " --max 30 --step 10 --json");
  const json ballasted =
      JsonOf("stability " + kSailboat + " --max 30 --step 10 --json --ballast " + bdt.string());
  EXPECT_LT(ballasted["rows"][0]["vcgz"].get<double>(), plain["rows"][0]["vcgz"].get<double>());
  EXPECT_GT(ballasted["rows"][3]["gz"].get<double>(), plain["rows"][3]["gz"].get<double>());
  const CliRun text = Cli("stability " + kSailboat + " --ballast " + bdt.string());
  EXPECT_NE(text.out.find("1 Ballast=2000.000 Ballast beam= 0.000 Ballast +/-LWL=-30.000"),
            std::string::npos)
      << text.out;
  // The shift moves the ballast down with the hull.
  const CliRun lowered = Cli("stability " + kSailboat + " --shift 2 --ballast " + bdt.string());
  EXPECT_NE(lowered.out.find("Ballast +/-LWL=-32.000"), std::string::npos) << lowered.out;
  // Lowered by 2 inches: the draft grows by 2 inches (in feet in the file).
  const json shifted = JsonOf("stability " + kSailboat + " --max 30 --step 10 --json --shift 2");
  EXPECT_NEAR(shifted["rows"][0]["draft"].get<double>() - plain["rows"][0]["draft"].get<double>(),
              2.0 / 12.0, 0.01);
  EXPECT_GT(shifted["rows"][0]["disp"].get<double>(), plain["rows"][0]["disp"].get<double>());
  const json manual =
      JsonOf("stability " + kSailboat + " --max 30 --step 10 --json --vcg 12 --lcg 220");
  EXPECT_NEAR(manual["rows"][0]["vcgz"].get<double>(), 1.0, 1e-9);
  EXPECT_NEAR(manual["lcgOverall"].get<double>(), 220.0 / 12.0, 1e-9);
  fs::remove(bdt);
}

// The sailboat's file with its net replaced by a box whose sheer is drawn
// past the centreline, so that its sections cross themselves: heeled far
// enough no waterline gives the upright displacement.
fs::path CrossedSectionsDesign() {
  std::string text = ReadAll(kSailboat);
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  std::string out = lines[0] + "\r\n1 1 1 1 2\r\n";
  for (const char* y : {"0.0000", "240.0000"}) {
    out += std::string("0.0000 ") + y + " -18.0000 1.0000\r\n";
    out += std::string("48.0000 ") + y + " -18.0000 1.0000\r\n";
    out += std::string("-60.0000 ") + y + " 30.0000 1.0000\r\n";
  }
  // The settings as the sailboat's, the chine block emptied.
  for (size_t k = 32; k + 5 < lines.size(); ++k) out += lines[k] + "\r\n";
  out += "0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n";
  return TempFile("skelmora_cli_crossed.s98", out);
}

TEST(CliStability, HeelsNotFoundAreMarkedAndTheCommandFails) {
  const fs::path design = CrossedSectionsDesign();
  const CliRun json = Cli("stability " + design.string() + " --max 60 --step 10 --json");
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.err.find("The displacement was not found at heels "), std::string::npos)
      << json.err;
  EXPECT_NE(json.err.find("50 and 60 deg"), std::string::npos) << json.err;
  const nlohmann::json doc = nlohmann::json::parse(json.out);
  ASSERT_EQ(doc["rows"].size(), 7u);
  const nlohmann::json& missing = doc["notFound"];
  ASSERT_GE(missing.size(), 3u);
  EXPECT_EQ(missing.back(), 60.0);
  for (size_t p = 0; p < 7; ++p) {
    const nlohmann::json& row = doc["rows"][p];
    const bool listed = std::find(missing.begin(), missing.end(), 10.0 * p) != missing.end();
    EXPECT_EQ(row["found"], !listed) << p;
    EXPECT_EQ(row.contains("gz"), !listed) << p;
    if (listed) EXPECT_NE(json.err.find(std::to_string(10 * p)), std::string::npos) << p;
  }
  const CliRun text = Cli("stability " + design.string() + " --max 60 --step 10 --criteria");
  EXPECT_EQ(text.status, 1);
  EXPECT_NE(text.out.find(" 40.00  not found (the displacement search missed by"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("60.000   not found\r\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("heel not found"), std::string::npos) << text.out;
  fs::remove(design);
}

TEST(CliStability, CargoShipRunsTo180ByOneDegree) {
  const CliRun run = Cli("stability " + std::string(SKELMORA_EXAMPLES_DIR) +
                         "/cargo.s98 --max 180 --step 1 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json doc = nlohmann::json::parse(run.out);
  ASSERT_EQ(doc["rows"].size(), 181u);
  EXPECT_EQ(doc["rows"][74]["ang"], 74.0);
  EXPECT_EQ(doc["rows"][74]["found"], true);
  EXPECT_TRUE(doc["notFound"].empty());
}

TEST(CliStability, CriteriaExitStatus) {
  EXPECT_EQ(Cli("stability " + kSailboat + " --criteria --max 90").status, 0);
  // To 45 GZ is still rising: where its maximum lies cannot be judged.
  const CliRun short45 = Cli("stability " + kSailboat + " --criteria");
  EXPECT_EQ(short45.status, 3);
  EXPECT_NE(short45.out.find("Angle of maximum GZ           at the run's end"), std::string::npos)
      << short45.out;
  const CliRun high = Cli("stability " + kSailboat + " --criteria --vcg 60 --lcg 220");
  EXPECT_EQ(high.status, 3);
  EXPECT_NE(high.out.find("Intact Stability Criteria"), std::string::npos);
  EXPECT_NE(high.out.find("fail"), std::string::npos);
  // Without --criteria a failing criterion is no failure of the command.
  EXPECT_EQ(Cli("stability " + kSailboat + " --vcg 60 --lcg 220").status, 0);
}

TEST(CliStability, RefusedInputs) {
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"--max -5", 2, "The Max heel angle is negative!"},
      {"--step 0.5", 2, "Angle step size is either to small or negative!"},
      {"--max 5 --step 5", 2,
       "The Max heel angle is either smaller than the step size or negative!"},
      {"--divisions 10 10", 2, "Unknown option: --divisions"},
      {"--displacement 5", 2, "Unknown option: --displacement"},
      {"--max many", 2, "The maximum heel is not a number: many"},
      {"--vcg 10", 2, "--vcg and --lcg are given together"},
      {"--step", 2, "--step needs a value"},
      {"--ballast /nonexistent/b.bdt", 1, "Cannot open the file: /nonexistent/b.bdt"},
      {"--vcg 0 --lcg 0", 1, "Stability Calculation Error. Check Hull Design for Errors"},
      {"--shift -200", 1, "This hull has no displacement."},
      {"--vcg 1e308 --lcg -1e308", 2, "The VCG given lies more than 100 hull lengths"},
      {"--vcg 10 --lcg 1e6", 2, "The LCG given lies more than 100 hull lengths"},
  };
  for (const Case& c : cases) {
    ExpectRefused(c.arguments, Cli("stability " + kSailboat + " " + c.arguments), c.status,
                  c.message);
  }
  EXPECT_EQ(Cli("stability").status, 2);
  EXPECT_EQ(Cli("stability a.s98 b.s98").status, 2);
  EXPECT_EQ(Cli("stability /nonexistent/x.s98").status, 1);
}

}  // namespace
