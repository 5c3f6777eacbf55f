// Runs the skelmora-cli binary the way a script would, capturing its output,
// its standard error and its exit status.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace skelmora::clitest {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// environment: assignments for the shell to put before the command
// ("TMPDIR=/x"), or nothing.
inline CliRun Cli(const std::string& arguments, const std::string& environment = "") {
  static std::atomic<int> serial{0};
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() /
      ("skelmora_cli_err_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
  const std::string command = environment + " " + std::string(SKELMORA_CLI_PATH) + " " +
                              arguments + " 2>" + errFile.string();
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 65536> chunk;
  size_t n;
  while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) run.out.append(chunk.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadAll(errFile);
  std::filesystem::remove(errFile);
  return run;
}

// A refused command: its status (kAnyFailure: anything but 0), the message
// somewhere on standard error and nothing on standard output.
inline constexpr int kAnyFailure = -1;
inline void ExpectRefused(const std::string& what, const CliRun& run, int status,
                          const std::string& message) {
  if (status == kAnyFailure) {
    EXPECT_NE(run.status, 0) << what;
  } else {
    EXPECT_EQ(run.status, status) << what << ": " << run.err;
  }
  EXPECT_NE(run.err.find(message), std::string::npos) << what << ": " << run.err;
  EXPECT_TRUE(run.out.empty()) << what;
}

}  // namespace skelmora::clitest
