// skelmora-cli export iges|ghs|offsets: what each writes, the options each
// refuses, and an OUT that cannot be written refused with nothing left.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using skelmora::clitest::Cli;
using skelmora::clitest::CliRun;
using skelmora::clitest::ReadAll;

// workboat: millimetres, a row chine and a column chine.
const std::string kWorkboat = std::string(SKELMORA_EXAMPLES_DIR) + "/workboat.s98";

class Export : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove(out_); }
  fs::path out_ = fs::temp_directory_path() / ("export_" + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

int CountEntities(const std::string& iges) {
  int count = 0;
  for (size_t at = 0; (at = iges.find('\n', at)) != std::string::npos; ++at) {
    // A directory entry's first record: "     128" then "D" in column 73, odd sequence.
    const size_t start = iges.rfind('\n', at - 1);
    const std::string line = iges.substr(start == std::string::npos ? 0 : start + 1, 80);
    if (line.size() == 80 && line[72] == 'D' && line.rfind("     128", 0) == 0 &&
        std::stoi(line.substr(73)) % 2 == 1)
      ++count;
  }
  return count;
}

TEST_F(Export, IgesOneSideOrBothAndMillimetres) {
  CliRun run = Cli("export iges " + kWorkboat + " --out " + out_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  std::string iges = ReadAll(out_);
  EXPECT_EQ(CountEntities(iges), 1);
  EXPECT_NE(iges.find("2HMM"), std::string::npos);
  run = Cli("export iges " + kWorkboat + " --out " + out_.string() + " --sides both");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(CountEntities(ReadAll(out_)), 2);
}

TEST_F(Export, GhsAndOffsets) {
  CliRun run = Cli("export ghs " + kWorkboat + " --out " + out_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadAll(out_).find("P:M\r\n*\r\n"), ReadAll(out_).find("P:M"));
  run = Cli("export offsets " + kWorkboat + " --out " + out_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(ReadAll(out_).find("Offsets in millimetres"), std::string::npos);
}

TEST_F(Export, RefusedOptionsAndAnUnwritableOut) {
  EXPECT_EQ(Cli("export ghs " + kWorkboat + " --out " + out_.string() + " --sides both").status, 2);
  EXPECT_EQ(Cli("export offsets " + kWorkboat + " --out " + out_.string() + " --families net").status, 2);
  EXPECT_EQ(Cli("export igs " + kWorkboat + " --out " + out_.string()).status, 2);
  EXPECT_FALSE(fs::exists(out_));
  const fs::path blocked = out_ / "x.igs";  // out_ does not exist as a directory
  const CliRun run = Cli("export iges " + kWorkboat + " --out " + blocked.string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(blocked.string()), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(blocked));
}

}  // namespace
