// skelmora-cli new and deck: designs from the generators with the dialogs'
// defaults and refusals, and the deck added to a hull file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;

class NewCommand : public ::testing::Test {
 protected:
  void TearDown() override {
    fs::remove(out_);
    fs::remove(deck_);
  }
  json Info(const fs::path& path) {
    const CliRun run = Cli("info " + path.string() + " --json");
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out);
  }
  std::string Name(const char* what) {
    return (fs::temp_directory_path() /
            (std::string(what) + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".s98"))
        .string();
  }
  fs::path out_ = Name("new_");
  fs::path deck_ = Name("deck_");
};

TEST_F(NewCommand, HullTypesWithTheDialogsDefaults) {
  struct Case {
    const char* arguments;
    int units, lastColumn, lastRow;
    double length;  // largest y of the net
  };
  const Case cases[] = {
      {"sailboat", 1, 5, 4, 360.0},
      {"sailboat --units ft --loa 30 --stern-type O", 1, 4, 4, 360.0},
      {"onechine --units m --stern-type R", 2, 8, 4, 6700.0},
      {"nochine --units mm --stern-type F", 2, 7, 4, 6700.0},
      {"twochine --units ft --loa 24", 1, 13, 5, 24 * 12.0},
      {"cargo --units m --loa 90", 2, 12, 7, 90000.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = Cli(std::string("new ") + c.arguments + " --out " + out_.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = Info(out_);
    EXPECT_EQ(doc["units"], c.units);
    EXPECT_EQ(doc["lastColumn"], c.lastColumn);
    EXPECT_EQ(doc["lastRow"], c.lastRow);
    EXPECT_NEAR(doc["extents"]["hullLength"].get<double>(), c.length, 0.02 * c.length);
  }
}

TEST_F(NewCommand, SolidsTakeTheShapeDialogsMeasures) {
  CliRun run = Cli("new box --height 12 --width 30 --depth 100 --out " + out_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  json doc = Info(out_);
  EXPECT_EQ(doc["lastColumn"], 3);
  EXPECT_NEAR(doc["extents"]["hullLength"].get<double>(), 100.0, 1e-6);
  EXPECT_NEAR(doc["extents"]["halfBreadth"].get<double>(), 15.0, 1e-6);

  run = Cli("new plate --vertices-per-edge 6 --units mm --out " + out_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  doc = Info(out_);
  EXPECT_EQ(doc["lastColumn"], 5);
  EXPECT_EQ(doc["units"], 2);
}

TEST_F(NewCommand, RefusesWhatTheDialogRefuses) {
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"sailboat --loa 12a", 1, "\"Length Over All\": '12a' is not a valid number"},
      {"cargo --beam 0", 1, "\"1/2 Beam @ Deck\" must be greater than zero."},
      {"twochine --stern-type C", 1, "The Canoe stern is for the sailboat only."},
      {"sphere --diameter -2", 1, "\"Diameter\" must be greater than zero."},
      {"plate --vertices-per-edge 60", 1,
       "\"Vertices Per Edge\" must be a whole number from 2 to 51."},
      {"box --diameter 3", 2, "this shape does not take --diameter"},
      {"sailboat --units yards", 2, "--units takes in, mm, ft or m: yards"},
      {"cylinder --units ft", 2, "--units takes in or mm for a shape: ft"},
      {"dinghy", 2, "Unknown type: dinghy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = Cli(std::string("new ") + c.arguments + " --out " + out_.string());
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.message);
    EXPECT_FALSE(fs::exists(out_));
  }
  EXPECT_EQ(Cli("new sailboat").status, 2);  // no --out
}

TEST_F(NewCommand, DeckAddsRowsAboveTheSheer) {
  ASSERT_EQ(Cli("new sailboat --out " + out_.string()).status, 0);
  CliRun run = Cli("deck " + out_.string() + " " + deck_.string() + " --camber 3");
  ASSERT_EQ(run.status, 0) << run.err;
  json doc = Info(deck_);
  EXPECT_EQ(doc["lastRow"], 8);
  EXPECT_EQ(doc["rowChines"], json::array({4}));
  run = Cli("deck " + out_.string() + " " + deck_.string() + " --camber 3 --chine no");
  ASSERT_EQ(run.status, 0) << run.err;
  doc = Info(deck_);
  EXPECT_EQ(doc["lastRow"], 8);
  EXPECT_EQ(doc["rowChines"], json::array());

  // A full net has no room: refused, nothing written.
  fs::remove(deck_);
  ASSERT_EQ(Cli("new plate --vertices-per-edge 51 --out " + out_.string()).status, 0);
  run = Cli("deck " + out_.string() + " " + deck_.string() + " --camber 3");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Too few vertices available to create a deck. Delete some vertex rows if possible\n");
  EXPECT_FALSE(fs::exists(deck_));
  EXPECT_EQ(Cli("deck " + out_.string() + " " + deck_.string() + " --camber x").status, 2);
}

// A camber the net cannot hold is refused as transform refuses its
// overflows; a bad option shows deck's own usage, not new's.
TEST_F(NewCommand, DeckRefusesOverflowsAndShowsItsOwnUsage) {
  ASSERT_EQ(Cli("new sailboat --out " + out_.string()).status, 0);
  CliRun run = Cli("deck " + out_.string() + " " + deck_.string() + " --camber 1e308");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("too large for the vertex net"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(deck_));
  run = Cli("deck " + out_.string() + " " + deck_.string() + " --camber 3 --bogus 1");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("deck does not take --bogus"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("  deck IN OUT --camber C"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("new sailboat"), std::string::npos) << run.err;
}

}  // namespace
