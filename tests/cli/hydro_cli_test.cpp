// Runs the hydrostatics, drag, curve and draft commands of skelmora-cli.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/design_file.h"
#include "files/text_io.h"
#include "hydro/draft_search.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ExpectRefused;
using skelmora::clitest::ReadAll;

json JsonOf(const std::string& arguments) {
  const CliRun run = Cli(arguments);
  EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
  return run.status == 0 ? json::parse(run.out) : json();
}

const std::string kSailboat = std::string(SKELMORA_EXAMPLES_DIR) + "/sailboat.s98";
const std::string kWorkboat = std::string(SKELMORA_EXAMPLES_DIR) + "/workboat.s98";

// A copy of a design moved so that its lowest grid point lies at lowestZ.
fs::path MovedCopy(const std::string& source, double lowestZ, const std::string& name) {
  auto design = std::make_unique<skelmora::HullDesign>();
  auto surface = std::make_unique<skelmora::Surface>();
  std::string message;
  EXPECT_TRUE(skelmora::ReadDesignFile(*design, *surface, source, message)) << message;
  skelmora::RaiseHull(*design, *surface, lowestZ - skelmora::GridLowestZ(*surface));
  const fs::path path = fs::temp_directory_path() / name;
  EXPECT_TRUE(skelmora::WriteDesignFile(*design, path.string(), message)) << message;
  return path;
}

TEST(CliHydro, JsonHoldsEveryResultAndTheReportsDisplacements) {
  const char* fields[] = {
      "loa",          "lwl",           "lowestZ",        "halfBeamWl",     "halfBeamDeck",
      "maxFreeboard", "maxSectionArea", "lateralArea",   "clpVertical",    "clpLongitudinal",
      "hullSurfaceArea", "wettedArea", "vcgHull",        "lcgHull",        "patchVolume",
      "volume",       "lcb",           "vcb",            "waterplaneArea", "lcf",
      "cp",           "cb",            "cw",             "dispLengthRatio", "brakePower",
      "immersion",    "bmt",           "gmt",            "bml",            "gml",
      "momentToTrim", "displacementSaltwater", "displacementFreshwater"};
  const json sailboat = JsonOf("hydro " + kSailboat + " --json");
  const json workboat = JsonOf("hydro " + kWorkboat + " --json");
  for (const json* doc : {&sailboat, &workboat}) {
    EXPECT_EQ(doc->size(), std::size(fields) + 1);  // and "units"
    for (const char* field : fields) EXPECT_TRUE((*doc)[field].is_number()) << field;
    // Every field has its unit named, and nothing else is named.
    ASSERT_TRUE((*doc)["units"].is_object());
    EXPECT_EQ((*doc)["units"].size(), std::size(fields));
    for (const char* field : fields) EXPECT_TRUE((*doc)["units"][field].is_string()) << field;
  }
  // Model units, feet or metres, and their squares and cubes, as the
  // design's unit system has them.
  const json& in = sailboat["units"];
  const json& mm = workboat["units"];
  for (const auto& [field, english, metric] :
       std::vector<std::tuple<std::string, std::string, std::string>>{
           {"lwl", "in", "mm"},          {"lcf", "in", "mm"},
           {"clpVertical", "in", "mm"},  {"maxSectionArea", "in^2", "mm^2"},
           {"lcb", "ft", "m"},           {"vcb", "ft", "m"},
           {"gmt", "ft", "m"},           {"wettedArea", "ft^2", "m^2"},
           {"volume", "ft^3", "m^3"},    {"displacementSaltwater", "lb", "kg"},
           {"immersion", "lb/in", "kg/cm"}, {"momentToTrim", "lb*ft/in", "kg*m/cm"},
           {"brakePower", "hp", "hp"},   {"cp", "none", "none"}}) {
    EXPECT_EQ(in[field], english) << field;
    EXPECT_EQ(mm[field], metric) << field;
  }
  const double feet = sailboat["volume"];
  EXPECT_GT(feet, 0.0);
  EXPECT_DOUBLE_EQ(sailboat["displacementSaltwater"].get<double>(), feet * 64.0);
  EXPECT_DOUBLE_EQ(sailboat["displacementFreshwater"].get<double>(), feet * 62.2);
  const double metres = workboat["volume"];
  EXPECT_DOUBLE_EQ(workboat["displacementSaltwater"].get<double>(), metres * 1025.0);
  EXPECT_DOUBLE_EQ(workboat["displacementFreshwater"].get<double>(), metres * 1025.0 * 0.9718);
  EXPECT_LT(sailboat["lowestZ"].get<double>(), 0.0);
  EXPECT_GT(workboat["cp"].get<double>(), 0.3);
  EXPECT_LT(workboat["cp"].get<double>(), 1.0);
}

TEST(CliHydro, TextIsThePrintedReport) {
  const CliRun run = Cli("hydro " + kSailboat);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("\n\n  Hydrostatics Data for " + kSailboat + "\n\n  ", 0), 0u);
  const json doc = JsonOf("hydro " + kSailboat + " --json");
  using skelmora::FormatFixed;
  for (const std::string& line :
       {"\n\n  Displacement\n  Saltwater  " +
            FormatFixed(doc["displacementSaltwater"], 5, 3) + " Lbs\n",
        "\n  Prismatic Cp  " + FormatFixed(doc["cp"], 5, 3) + "\n",
        "\n  VCB  " + FormatFixed(doc["vcb"], 5, 3) + " ft Below Lwl\n",
        "\n  Fairbody Draft  " + FormatFixed(-doc["lowestZ"].get<double>() / 12.0, 5, 3) +
            " Ft\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  }
  // The last group, with no blank line after it.
  const std::string tail = "\n\n  Longitudinal Metacenters\n  Gml  " +
                           FormatFixed(doc["gml"], 5, 3) + "Ft\n  Bml  " +
                           FormatFixed(doc["bml"], 5, 3) + "Ft\n";
  ASSERT_GT(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

TEST(CliDrag, FourteenRowsAndTheRegressionInputs) {
  const json doc = JsonOf("drag " + kSailboat + " --json");
  const json& rows = doc["rows"];
  ASSERT_EQ(rows.size(), 14u);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NEAR(rows[i]["froude"].get<double>(), 0.125 + 0.025 * i, 1e-12);
    EXPECT_GT(rows[i]["friction"].get<double>(), 0.0);
    EXPECT_GE(rows[i]["wave"].get<double>(), 0.0);
  }
  // Each row's speed is its Froude number's: V = Fn sqrt(g LWL), the step
  // between rows that of 0.025 in Froude number.
  const double maxVelocity = doc["maxVelocity"];
  EXPECT_EQ(rows[13]["speed"].get<double>(), maxVelocity);
  const double knotsPerFroude = maxVelocity / 0.45;
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NEAR(rows[i]["speed"].get<double>(), rows[i]["froude"].get<double>() * knotsPerFroude,
                1e-9);
  }
  EXPECT_NEAR(doc["velocityStep"].get<double>(), 0.025 * knotsPerFroude, 1e-12);
  for (const char* field : {"cp", "lcbTerm", "beamDraft", "slenderness", "displacementKg"}) {
    EXPECT_TRUE(doc[field].is_number()) << field;
  }
  // The drag run's displacement against the hydrostatics run's, both from
  // the same hull: kilograms from cubic feet at 39.36 inches to the metre.
  const json hydro = JsonOf("hydro " + kSailboat + " --json");
  const double ratio =
      doc["displacementKg"].get<double>() / hydro["volume"].get<double>() / 1025.0 / 0.0283386;
  EXPECT_NEAR(ratio, 1.0, 0.02);

  const CliRun text = Cli("drag " + kWorkboat);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.rfind("Displacement Mode Wave & Friction Drag in Kg\n", 0), 0u);
  EXPECT_NE(text.out.find("Vel.Kts"), std::string::npos);
}

TEST(CliCurve, ValuesForStationsZeroToN) {
  const json areas = JsonOf("curve areas " + kSailboat + " --stations 10 --json");
  ASSERT_EQ(areas["values"].size(), 11u);
  std::vector<double> values = areas["values"];
  EXPECT_EQ(areas["max"].get<double>(), *std::max_element(values.begin(), values.end()));
  EXPECT_GT(areas["max"].get<double>(), 0.0);

  EXPECT_EQ(JsonOf("curve lengths " + kWorkboat + " --json")["values"].size(), 11u);
  EXPECT_EQ(JsonOf("curve areas " + kWorkboat + " --stations 80 --json")["values"].size(), 51u);

  const CliRun text = Cli("curve areas " + kSailboat + " --stations 4");
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("      Section     Area SqFt    % Of Max\n"), std::string::npos);
  EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 10);  // 5 + stations 0..4
}

TEST(CliDraft, MovesTheHullToTheTargetAndWritesIt) {
  const fs::path out = fs::temp_directory_path() / "hydro_cli_draft.s98";
  const json doc =
      JsonOf("draft " + kWorkboat + " --displacement 1400 --json --out " + out.string());
  EXPECT_NEAR(doc["finalDisplacement"].get<double>(), 1400.0, 1.0);
  EXPECT_GT(doc["finalDraft"].get<double>(), doc["initialDraft"].get<double>());
  const json& steps = doc["steps"];
  ASSERT_GE(steps.size(), 2u);
  ASSERT_LE(steps.size(), 9u);
  EXPECT_EQ(steps[0]["shift"], 25.4);  // lighter: the probe raises the hull an inch
  EXPECT_EQ(steps.back()["displacement"], doc["finalDisplacement"]);

  // The written design floats at the new draft.
  const json info = JsonOf("info " + out.string() + " --json");
  EXPECT_NEAR(info["extents"]["lowestZ"].get<double>(), doc["finalDraft"].get<double>(), 1e-3);
  const json again = JsonOf("draft " + out.string() + " --displacement 1400 --json");
  EXPECT_NEAR(again["initialDisplacement"].get<double>(), 1400.0, 2.0);
  fs::remove(out);
}

TEST(CliRefusals, MessagesOnStandardErrorAndANonZeroStatus) {
  const fs::path above = MovedCopy(kSailboat, 2.0, "hydro_cli_above.s98");
  const fs::path shallow = MovedCopy(kSailboat, -0.05, "hydro_cli_shallow.s98");
  const std::string noDisplacement =
      "This hull has no displacement. Please Shift the hull down using Tools/Shift Hull Up/Dn";
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"hydro " + above.string(), noDisplacement},
      {"drag " + above.string() + " --json", noDisplacement},
      {"curve areas " + above.string(), noDisplacement},
      {"curve lengths " + shallow.string(),
       "This hull has no displacement below the LWL. Please Shift Hull"},
      {"draft " + kSailboat + " --displacement 0", "Please enter a value for the new displacement"},
      {"draft " + kSailboat, "usage: skelmora-cli draft FILE --displacement W"},
      {"curve keel " + kSailboat, "Unknown curve"},
      {"curve areas " + kSailboat + " --stations 0", "Stations must be"},
      {"curve areas " + kSailboat + " --stations many", "Stations must be"},
      {"draft " + kSailboat + " --displacement heavy", "not a number"},
      {"draft " + kSailboat + " --displacement 100 --out", "--out needs a value"},
      {"hydro " + kSailboat + " --depth 3", "Unknown option: --depth"},
  };
  for (const Case& c : cases) {
    ExpectRefused(c.arguments, Cli(c.arguments), skelmora::clitest::kAnyFailure, c.message);
  }
  fs::remove(above);
  fs::remove(shallow);
}

// The box barge of the core tests with its flat bottom at keel, as a file.
fs::path BargeFile(double keel, const std::string& name) {
  skelmora::test::Hull hull;
  skelmora::test::MakePrism(hull, skelmora::test::PrismShape{.draft = -keel});
  const fs::path path = fs::temp_directory_path() / name;
  std::string message;
  EXPECT_TRUE(skelmora::WriteDesignFile(hull.d(), path.string(), message)) << message;
  return path;
}

// Nothing a script reads may be NaN (null), infinite, "-0" or a start value
// of a search (1e10, 1e12) that no hull of this size can give.
void ExpectSaneNumbers(const json& doc, const std::string& where) {
  if (doc.is_structured()) {
    for (const json& member : doc) ExpectSaneNumbers(member, where);
    return;
  }
  EXPECT_FALSE(doc.is_null()) << where;
  if (!doc.is_number()) return;
  const double value = doc.get<double>();
  EXPECT_TRUE(std::isfinite(value)) << where;
  EXPECT_FALSE(value == 0.0 && std::signbit(value)) << where;
  EXPECT_LT(std::fabs(value), 1e6) << where << ": " << value;
}

// A hull whose flat bottom lies exactly on the waterline passes the checks:
// no waterline, so lengths are 0 and nothing divides by zero.
TEST(CliEdgeHulls, KeelOnTheWaterlineGivesZerosNotSentinels) {
  const fs::path barge = BargeFile(0.0, "hydro_cli_keel0.s98");
  const json hydro = JsonOf("hydro " + barge.string() + " --json");
  ExpectSaneNumbers(hydro, "hydro");
  EXPECT_EQ(hydro["lwl"], 0.0);
  EXPECT_EQ(hydro["volume"], 0.0);
  EXPECT_EQ(hydro["lowestZ"], 0.0);
  const json drag = JsonOf("drag " + barge.string() + " --json");
  ExpectSaneNumbers(drag, "drag");
  for (const json& row : drag["rows"]) {
    EXPECT_EQ(row["speed"], 0.0);
    EXPECT_EQ(row["friction"], 0.0);
  }
  for (const std::string command : {"hydro ", "drag "}) {
    const CliRun text = Cli(command + barge.string());
    ASSERT_EQ(text.status, 0) << text.err;
    for (const char* bad : {"-0.000", "nan", "inf", "e+"}) {
      EXPECT_EQ(text.out.find(bad), std::string::npos) << command << bad << "\n" << text.out;
    }
  }
  EXPECT_NE(Cli("hydro " + barge.string()).out.find("  Load Waterline  0.000 Ft\n"),
            std::string::npos);
  fs::remove(barge);
}

// draft tells the truth: a target it cannot reach is a failure, with no
// design written, and the JSON says reached false.
TEST(CliDraft, UnreachedTargetFailsAndWritesNothing) {
  const fs::path dry = BargeFile(1.0, "hydro_cli_dry.s98");
  const fs::path out = fs::temp_directory_path() / "hydro_cli_unreached.s98";
  struct Case {
    std::string design;
    std::string target;
  };
  // A dry hull that one inch does not wet.
  for (const Case& c : {Case{dry.string(), "500"}}) {
    SCOPED_TRACE(c.design + " " + c.target);
    const CliRun run =
        Cli("draft " + c.design + " --displacement " + c.target + " --json --out " + out.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("was not reached"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["reached"], false);
    ExpectSaneNumbers(doc, "draft");
    const CliRun text = Cli("draft " + c.design + " --displacement " + c.target);
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("was not reached"), std::string::npos) << text.err;
  }
  const json reached = JsonOf("draft " + kWorkboat + " --displacement 1400 --json");
  EXPECT_EQ(reached["reached"], true);
  fs::remove(dry);
}

// A hull of no depth (keel and deck edge at one height) has no draft to
// compute curves at, and says so rather than offer an empty range.
TEST(CliCurves, AHullOfNoDepthIsRefused) {
  skelmora::test::Hull hull;
  skelmora::test::MakePrism(hull, skelmora::test::PrismShape{.draft = 2.0, .freeboard = -2.0});
  const fs::path flat = fs::temp_directory_path() / "hydro_cli_flat.s98";
  std::string message;
  ASSERT_TRUE(skelmora::WriteDesignFile(hull.d(), flat.string(), message)) << message;
  const std::string arguments = "curves " + flat.string() + " --drafts -1:1:1";
  ExpectRefused(arguments, Cli(arguments), 1,
                "has no depth: its keel and the lowest point of its deck edge are both at "
                "-2.000");
  fs::remove(flat);
}

// A target no draft can give is refused before the search, naming it in
// a readable form; nothing is written.
TEST(CliDraft, TargetsNoDraftCanGiveAreRefused) {
  const fs::path out = fs::temp_directory_path() / "hydro_cli_refused.s98";
  const struct {
    const char* target;
    const char* says;
  } cases[] = {
      {"-5", "The new displacement -5.0 lb cannot be sought: it must be greater than 0."},
      {"1e308", "The new displacement 1.00000E+308 lb is more than this hull can displace"},
  };
  for (const auto& c : cases) {
    const std::string arguments = "draft " + kSailboat + " --displacement " + c.target +
                                  " --out " + out.string();
    ExpectRefused(arguments, Cli(arguments), 1, c.says);
    EXPECT_FALSE(fs::exists(out));
  }
}

// An option the command does not take is a usage error, not ignored.
TEST(CliUsage, OptionsACommandDoesNotTakeAreRefused) {
  for (const std::string& arguments :
       {"hydro " + kSailboat + " --out x.s98", "drag " + kSailboat + " --stations 5",
        "info " + kSailboat + " --displacement 3", "convert " + kSailboat + " x.s98 --json",
        "curve areas " + kSailboat + " --divisions 4 4", "sections " + kSailboat + " --out y.s98"}) {
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("does not take --"), std::string::npos) << arguments << run.err;
    EXPECT_NE(run.err.find("usage: skelmora-cli "), std::string::npos) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
  }
  EXPECT_FALSE(fs::exists("x.s98"));
  EXPECT_FALSE(fs::exists("y.s98"));
  // What they do take still works.
  EXPECT_EQ(Cli("grid " + kSailboat + " --divisions 4 4 --json").status, 0);
  EXPECT_EQ(Cli("curve areas " + kSailboat + " --stations 4 --json").status, 0);
}

}  // namespace
