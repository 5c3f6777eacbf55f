// skelmora-cli with the older hull file and the imports: convert to and
// from ".shl", IGES in, and the GHS point file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_runner.h"
#include "files/design_file.h"
#include "files/older_file.h"
#include "support/sample_hull.h"

namespace {

namespace fs = std::filesystem;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ReadAll;

class ImportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("skelmora_import_cli_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::string File(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(ImportCli, ConvertsToAndFromBothOlderVersions) {
  auto hull = skelmora::testing::MakeSampleHull();
  const std::string design = Write("hull.s98", skelmora::FormatDesignText(*hull, false));
  for (int version : {5, 6}) {
    SCOPED_TRACE(version);
    const std::string older = File("hull" + std::to_string(version) + ".shl");
    CliRun run = Cli("convert " + design + " " + older + " --shl-version " +
                     std::to_string(version));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto expected = version == 5 ? skelmora::OlderVersion::kVersion5
                                       : skelmora::OlderVersion::kVersion6;
    EXPECT_EQ(ReadAll(older), skelmora::FormatOlderText(*hull, expected));
    // And back: the net comes through whole.
    const std::string back = File("back" + std::to_string(version) + ".s98");
    run = Cli("convert " + older + " " + back);
    ASSERT_EQ(run.status, 0) << run.err;
    run = Cli("info " + back + " --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"lastColumn\":6"), std::string::npos) << run.out;
  }
  // Version 6 is the default.
  ASSERT_EQ(Cli("convert " + design + " " + File("default.shl")).status, 0);
  EXPECT_EQ(ReadAll(File("default.shl")), ReadAll(File("hull6.shl")));
}

TEST_F(ImportCli, OlderFileErrors) {
  auto hull = skelmora::testing::MakeSampleHull();
  const std::string current = Write("current.shl", skelmora::FormatDesignText(*hull, false));
  CliRun run = Cli("convert " + current + " " + File("out.s98"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("is in S98 format"), std::string::npos) << run.err;
  EXPECT_TRUE(fs::exists(current));  // never renamed by the CLI
  EXPECT_FALSE(fs::exists(File("current.s98")));
  EXPECT_FALSE(fs::exists(File("out.s98")));

  const std::string design = Write("hull.s98", skelmora::FormatDesignText(*hull, false));
  run = Cli("convert " + design + " " + File("x.shl") + " --shl-version 7");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--shl-version needs 5 or 6"), std::string::npos) << run.err;
  run = Cli("info " + design + " --shl-version 5");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("does not take --shl-version"), std::string::npos) << run.err;
}

TEST_F(ImportCli, ConvertsAnIgesSurfaceAnsweringItsQuestionsFromTheOptions) {
  const std::string igs = std::string(SKELMORA_TESTS_DIR) + "/core/files/iges/along_x_metres.igs";
  struct Case {
    std::string options;
    std::string units;
    std::string lastColumn;
    bool metres;  // scaled to millimetres
  };
  // The file says metres: without --iges-units it is taken as metric.
  for (const Case& c : {Case{"", "2", "6", true}, Case{" --iges-units in", "1", "6", false},
                        Case{" --iges-units mm --iges-transpose yes", "2", "3", true}}) {
    SCOPED_TRACE(c.options);
    const std::string out = File("imported.s98");
    CliRun run = Cli("convert " + igs + " " + out + c.options);
    ASSERT_EQ(run.status, 0) << run.err;
    run = Cli("info " + out + " --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"units\":" + c.units), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"lastColumn\":" + c.lastColumn), std::string::npos) << run.out;
    const size_t at = run.out.find("\"halfBreadth\":");
    ASSERT_NE(at, std::string::npos);
    const double halfBreadth = std::stod(run.out.substr(at + 14));
    if (c.metres) {
      EXPECT_GT(halfBreadth, 800.0);
    } else {
      EXPECT_LT(halfBreadth, 1.0);
    }
  }
  CliRun run = Cli("convert " + igs + " " + File("x.s98") + " --iges-units cm");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--iges-units needs in or mm"), std::string::npos) << run.err;
  const std::string empty = Write("empty.igs", "nothing here\n");
  run = Cli("convert " + empty + " " + File("x.s98"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("does not contain Type 128"), std::string::npos) << run.err;
}

TEST_F(ImportCli, GhsWritesThePointFile) {
  const std::string body = "*\ntitle\n2\n2.0,1\n0.5,1.0\n4.0,3,0\n0.0,0.0\n1.0,0.5\n2.0,1.0\n";
  const std::string feet = Write("hull.GF1", "P:F\n" + body);
  CliRun run = Cli("ghs " + feet + " --out " + File("tempdata"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadAll(File("tempdata"));
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "1 0     6.00000     0.00000    12.00000");
  EXPECT_NE(text.find("2 2    24.00000    24.00000    12.00000\r\n"), std::string::npos) << text;

  // Without a units line --units must say it.
  const std::string bare = Write("bare.GF1", body);
  run = Cli("ghs " + bare + " --out " + File("t2"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("give --units F or M"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(File("t2")));
  run = Cli("ghs " + bare + " --units m --out " + File("t2"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(File("t2")).substr(0, 39), "1 0   152.40000     0.00000   304.80000");

  run = Cli("ghs " + Write("nostar.GF1", "P:F\n") + " --out " + File("t3"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no \"*\" line"), std::string::npos) << run.err;
  EXPECT_EQ(Cli("ghs " + feet).status, 2);  // no --out
}

}  // namespace
