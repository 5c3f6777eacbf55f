#include "files/text_io.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <sstream>

#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using skelmora::testing::ReadFileText;
using skelmora::testing::TempDir;
using skelmora::testing::WriteFileText;

struct FixedCase {
  double value;
  int width;
  int decimals;
  const char* expected;
};

TEST(FormatFixed, RightAlignsInMinimumField) {
  const double inf = std::numeric_limits<double>::infinity();
  const FixedCase cases[] = {
      {1.5, 5, 4, "1.5000"},         // longer than the field: no blank
      {0.25, 7, 3, "  0.250"},       // two leading blanks
      {-0.5, 7, 3, " -0.500"},
      {-2.0, 5, 4, "-2.0000"},
      {0.01, 6, 5, "0.01000"},
      {12345.678, 5, 4, "12345.6780"},
      {2.71828, 7, 3, "  2.718"},    // rounds
      {0.99996, 5, 4, "1.0000"},     // rounds into the next integer
      {3.6, 4, 0, "   4"},
      {0.0, 0, 2, "0.00"},
      {std::nan(""), 5, 4, "0.0000"},  // what a reader would make of it
      {inf, 7, 3, "  0.000"},
      {-inf, 5, 4, "0.0000"},
      {-0.0, 5, 3, "0.000"},          // no sign on a zero
      {-0.0004, 6, 3, " 0.000"},      // nor on what rounds to one
      {-0.4, 1, 0, "0"},
      {-0.0005, 0, 3, "-0.001"},      // rounds away from zero: keeps it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals), c.expected)
        << c.value << " as " << c.width << ":" << c.decimals;
  }
}

TEST(FormatFixed, HugeValueIsWrittenInFull) {
  const std::string text = FormatFixed(1e300, 5, 4);
  ASSERT_EQ(text.size(), 301u + 5u);
  EXPECT_EQ(text.substr(0, 2), "10");
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
  EXPECT_EQ(ParseReal(text), 1e300);
}

// Decimal separator is a comma in this locale.
struct CommaPunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(FormatFixed, UsesPointWhateverTheLocale) {
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  std::ostringstream probe;
  probe << 1.5;
  const std::string formatted = FormatFixed(1.5, 5, 4);
  const double parsed = ParseReal("2.25");
  LineWriter writer;
  writer.Fixed(0.25, 7, 3).Int(12345);
  std::locale::global(saved);
  ASSERT_EQ(probe.str(), "1,5") << "the global locale did not take effect";
  EXPECT_EQ(formatted, "1.5000");
  EXPECT_EQ(parsed, 2.25);
  EXPECT_EQ(writer.str(), "  0.250 12345");

  // The C library's numeric locale as well, where the system has one with a comma.
  const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
  bool haveCommaLocale = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
      if (std::string(buffer) == "1,5") {
        haveCommaLocale = true;
        break;
      }
    }
  }
  const std::string formattedC = FormatFixed(1.5, 5, 4);
  const double parsedC = ParseReal("2.25");
  std::setlocale(LC_NUMERIC, savedC.c_str());
  if (haveCommaLocale) {
    EXPECT_EQ(formattedC, "1.5000");
    EXPECT_EQ(parsedC, 2.25);
  }
}

TEST(ParseNumbers, MalformedOrUnrepresentableReadsZero) {
  struct IntCase {
    const char* token;
    int32_t expected;
  };
  for (const auto& c : std::initializer_list<IntCase>{
           {"12", 12}, {"-7", -7}, {"+5", 5}, {"2147483647", 2147483647},
           {"3.7", 0}, {"abc", 0}, {"", 0}, {"+", 0}, {"+-3", 0}, {"12x", 0},
           {"1e3", 0}, {"2147483648", 0}, {"-99999999999", 0}}) {
    EXPECT_EQ(ParseInt(c.token), c.expected) << '"' << c.token << '"';
  }
  struct RealCase {
    const char* token;
    double expected;
  };
  for (const auto& c : std::initializer_list<RealCase>{
           {"1.5", 1.5}, {"-0.25", -0.25}, {"+2.5", 2.5}, {".5", 0.5}, {"7", 7.0},
           {"1e3", 1000.0}, {"1e300", 1e300}, {"1,5", 0.0}, {"1.5.2", 0.0},
           {"nan", 0.0}, {"inf", 0.0}, {"-infinity", 0.0}, {"1e400", 0.0}, {"0x10", 0.0},
           {"", 0.0}}) {
    EXPECT_EQ(ParseReal(c.token), c.expected) << '"' << c.token << '"';
  }
  EXPECT_EQ(ParseFloat("1.25"), 1.25f);
  EXPECT_EQ(ParseFloat("3e38"), 3e38f);
  EXPECT_EQ(ParseFloat("1e300"), 0.0f);  // beyond float: a damaged value, not infinity
  EXPECT_EQ(ParseFloat("-1e39"), 0.0f);
}

TEST(ParseNumbers, BoolIsTrueOnlyForOne) {
  EXPECT_TRUE(ParseBool("1"));
  EXPECT_TRUE(ParseBool("+1"));
  for (const char* token : {"0", "2", "-1", "1.0", "true", "", "1x"}) {
    EXPECT_FALSE(ParseBool(token)) << '"' << token << '"';
  }
}

TEST(LineReader, SplitsCrLfAndLfLinesAndReportsTheEnd) {
  LineReader reader("a b\r\nc\n\r\n  \t7\t-2 x  \nlast\r");
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "a b");
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "c");
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "");
  TokenLine tokens = reader.NextTokens();
  EXPECT_EQ(tokens.Int(), 7);
  EXPECT_EQ(tokens.Real(), -2.0);
  EXPECT_EQ(tokens.Int(), 0);  // "x"
  EXPECT_TRUE(tokens.Empty());
  EXPECT_EQ(tokens.Real(), 0.0);  // missing
  EXPECT_FALSE(tokens.Bool());
  EXPECT_FALSE(reader.AtEnd());
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "last");  // no line end, trailing CR dropped
  EXPECT_EQ(reader.LineNumber(), 5);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.PastEnd());
  EXPECT_EQ(reader.NextTokens().Int(), 0);
  EXPECT_TRUE(reader.PastEnd());
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(reader.LineNumber(), 5);
}

TEST(LineReader, EmptyTextHasNoLines) {
  LineReader reader("");
  std::string_view line;
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_FALSE(reader.Next(line));
  EXPECT_TRUE(reader.PastEnd());
}

TEST(LineWriter, SeparatesByOneBlankAndEndsEveryLineWithCrLf) {
  LineWriter writer;
  writer.Int(1).Int(-2).Bool(true).Bool(false).EndLine();
  writer.EndLine();
  writer.Line("SINGLESTATION");
  writer.Fixed(1.5, 5, 4).Fixed(0.25, 7, 3).Text("x").EndLine();
  EXPECT_EQ(writer.str(), "1 -2 1 0\r\n\r\nSINGLESTATION\r\n1.5000   0.250 x\r\n");
}

TEST(SaveFileAtomically, CreatesAndReplacesLeavingNoTemporaryFile) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  ASSERT_TRUE(SaveFileAtomically(target, "first\r\n"));
  EXPECT_EQ(ReadFileText(target), "first\r\n");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  ASSERT_TRUE(SaveFileAtomically(target, "second"));
  EXPECT_EQ(ReadFileText(target), "second");
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SaveFileAtomically, FailureLeavesTargetAndDirectoryAsTheyWere) {
  TempDir dir;
  // Target is a directory with something in it.
  const auto folder = dir.path() / "hull.s98";
  std::filesystem::create_directory(folder);
  WriteFileText(folder / "inside.txt", "keep");
  EXPECT_FALSE(SaveFileAtomically(folder, "new"));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(ReadFileText(folder / "inside.txt"), "keep");
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});

  // The directory to write in does not exist.
  EXPECT_FALSE(SaveFileAtomically(dir.path() / "missing" / "hull.s98", "new"));
  EXPECT_FALSE(SaveFileAtomically(std::filesystem::path(), "new"));
}

// Runs body in a forked child and returns its exit status. As root the
// child first becomes the unprivileged "nobody", so that permission checks
// bind it as they bind any user.
template <typename Body>
int InUnprivilegedChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 ||
                             ::setuid(65534) != 0)) {
      ::_exit(99);
    }
    ::_exit(body());
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(SaveFileAtomically, UnwritableDirectoryKeepsOldFile) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  WriteFileText(target, "old");
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
  const int status = InUnprivilegedChild([&] { return SaveFileAtomically(target, "new") ? 1 : 0; });
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(status, 0) << "1: saved into a read-only directory, 99: could not drop privileges";
  EXPECT_EQ(ReadFileText(target), "old");
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
}

// A write that fails half way (here the file size limit) removes the
// temporary file and leaves the old contents.
TEST(SaveFileAtomically, FailedWriteRemovesTheTemporaryFile) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  WriteFileText(target, "old");
  const int status = InUnprivilegedChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 98;
    return SaveFileAtomically(target, std::string(100000, 'x')) ? 1 : 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFileText(target), "old");
  EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
}

// A hard-linked file is rewritten in place; a write that fails there puts
// the old contents back under both names.
TEST(SaveFileAtomically, FailedRewriteOfAHardLinkedFileKeepsTheOldContents) {
  TempDir dir;
  const auto first = dir.path() / "hull.s98";
  const auto second = dir.path() / "copy.s98";
  WriteFileText(first, "old");
  std::filesystem::create_hard_link(first, second);
  // The child may run as nobody: it must be able to write the file.
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  ASSERT_EQ(::chmod(first.c_str(), 0666), 0);
  const int status = InUnprivilegedChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 98;
    return SaveFileAtomically(first, std::string(100000, 'x')) ? 1 : 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFileText(first), "old");
  EXPECT_EQ(ReadFileText(second), "old");
}

// The leftovers of killed saves of this target ("NAME.saving-XXXXXX", not
// held by a running save) go with the next save; a running save's locked
// file, other names and other targets' leftovers stay.
TEST(SaveFileAtomically, StaleTemporaryFilesOfTheTargetAreRemoved) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  for (int k = 0; k < 120; ++k) {
    WriteFileText(dir.path() / ("hull.s98.saving" + std::to_string(k)), "other");
  }
  WriteFileText(dir.path() / "hull.s98.saving-AAAAAA", "stale");
  WriteFileText(dir.path() / "hull.s98.saving-b9Zk2Q", "stale");
  WriteFileText(dir.path() / "other.s98.saving-CCCCCC", "another target");
  WriteFileText(dir.path() / "hull.s98.saving-DDDDDDD", "not the pattern");
  const auto held = dir.path() / "hull.s98.saving-HELD00";
  WriteFileText(held, "running");
  const int fd = ::open(held.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  ASSERT_TRUE(SaveFileAtomically(target, "new"));
  ::close(fd);
  EXPECT_EQ(ReadFileText(target), "new");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "hull.s98.saving-AAAAAA"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "hull.s98.saving-b9Zk2Q"));
  EXPECT_EQ(ReadFileText(held), "running");
  EXPECT_EQ(ReadFileText(dir.path() / "other.s98.saving-CCCCCC"), "another target");
  EXPECT_EQ(ReadFileText(dir.path() / "hull.s98.saving-DDDDDDD"), "not the pattern");
  EXPECT_EQ(dir.Listing().size(), 124u);
  // Once the save that held it is gone, it is a leftover too.
  EXPECT_EQ(RemoveStaleSaveFiles(target), 1);
}

// A save killed while it writes leaves no file behind, however far it got.
TEST(SaveFileAtomically, AKilledSaveLeavesNothingBehind) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  WriteFileText(target, "old");
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    // Killed by the parent part way through a write of 256 MB.
    ::close(pipeEnds[0]);
    const std::string big(size_t{1} << 28, 'x');
    if (::write(pipeEnds[1], "x", 1) != 1) ::_exit(1);
    SaveFileAtomically(target, big);
    ::_exit(0);
  }
  ASSERT_GT(pid, 0);
  ::close(pipeEnds[1]);
  char byte = 0;
  ASSERT_EQ(::read(pipeEnds[0], &byte, 1), 1);
  ::close(pipeEnds[0]);
  ::usleep(20000);
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  // Either the old file or, should the save have finished first, the new.
  const auto size = std::filesystem::file_size(target);
  EXPECT_TRUE(size == 3 || size == (size_t{1} << 28)) << size;
  const std::vector<std::string> left = dir.Listing();
  // Where the file system cannot make unnamed files the leftover goes with
  // the next save.
  if (left.size() > 1) {
    ASSERT_TRUE(SaveFileAtomically(target, "new"));
    EXPECT_EQ(dir.Listing(), std::vector<std::string>{"hull.s98"});
  } else {
    EXPECT_EQ(left, std::vector<std::string>{"hull.s98"});
  }
}

TEST(SaveFileAtomically, SymbolicLinksAreFollowed) {
  TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directory(dir.path() / "real");
  const auto real = dir.path() / "real" / "hull.s98";
  WriteFileText(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
  const auto link = dir.path() / "link.s98";
  fs::create_symlink("real/hull.s98", link);
  const auto second = dir.path() / "second.s98";
  fs::create_symlink(link.filename(), second);  // a chain of two

  ASSERT_TRUE(SaveFileAtomically(second, "new"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(second)));
  EXPECT_EQ(ReadFileText(real), "new");
  struct stat info {};
  ASSERT_EQ(::stat(real.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0604u);
  EXPECT_EQ(std::vector<std::string>{"hull.s98"}, [&] {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path() / "real")) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }());

  const auto dangling = dir.path() / "dangling.s98";
  fs::create_symlink("real/created.s98", dangling);
  ASSERT_TRUE(SaveFileAtomically(dangling, "made"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
  EXPECT_EQ(ReadFileText(dir.path() / "real" / "created.s98"), "made");

  const auto loop = dir.path() / "loop.s98";
  fs::create_symlink("loop.s98", loop);
  EXPECT_FALSE(SaveFileAtomically(loop, "new"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(loop)));
}

// Both names of a hard-linked file see the new contents.
TEST(SaveFileAtomically, HardLinksStayShared) {
  TempDir dir;
  const auto first = dir.path() / "a.s98";
  const auto second = dir.path() / "b.s98";
  WriteFileText(first, "a much longer old text");
  std::filesystem::create_hard_link(first, second);
  ASSERT_TRUE(SaveFileAtomically(first, "new"));
  EXPECT_EQ(ReadFileText(first), "new");
  EXPECT_EQ(ReadFileText(second), "new");
  EXPECT_EQ(std::filesystem::hard_link_count(first), 2u);
  EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"a.s98", "b.s98"}));
}

// A device node or pipe is not replaced by a regular file, whether named
// directly or through a link.
TEST(SaveFileAtomically, NonRegularFilesAreRefused) {
  TempDir dir;
  const auto pipe = dir.path() / "pipe.s98";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_FALSE(SaveFileAtomically(pipe, "new"));
  const auto device = dir.path() / "null.s98";
  std::filesystem::create_symlink("/dev/null", device);
  EXPECT_FALSE(SaveFileAtomically(device, "new"));
  EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));
  EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(device)));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(dir.Listing(), (std::vector<std::string>{"null.s98", "pipe.s98"}));
}

// A new file gets the usual permissions (0666 less the mask), not the
// private ones of a temporary file.
TEST(SaveFileAtomically, NewFileTakesTheProcessMask) {
  TempDir dir;
  const auto target = dir.path() / "hull.s98";
  const mode_t mask = ::umask(027);
  const bool saved = SaveFileAtomically(target, "new");
  ::umask(mask);
  ASSERT_TRUE(saved);
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ReadWholeFile, RefusesMissingDirectoryAndOversizedFiles) {
  TempDir dir;
  const auto file = dir.path() / "a.txt";
  WriteFileText(file, "0123456789");
  std::string text = "unchanged";
  EXPECT_EQ(ReadWholeFile(file, text, 9), ReadFileResult::kTooLarge);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(ReadWholeFile(dir.path() / "none", text, 100), ReadFileResult::kCannotOpen);
  ASSERT_EQ(ReadWholeFile(file, text, 10), ReadFileResult::kOk);
  EXPECT_EQ(text, "0123456789");
}

// What is not a regular file is refused before it is opened: a named pipe
// would block the reader until something writes to it, for ever.
TEST(ReadWholeFile, RefusesWhatIsNotARegularFile) {
  TempDir dir;
  const auto pipe = dir.path() / "hull.s98";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string text = "unchanged";
  EXPECT_EQ(ReadWholeFile(pipe, text, 100), ReadFileResult::kNotRegular);
  EXPECT_EQ(ReadWholeFile(dir.path(), text, 100), ReadFileResult::kNotRegular);
  EXPECT_EQ(ReadWholeFile("/dev/zero", text, 100), ReadFileResult::kNotRegular);
  EXPECT_EQ(text, "unchanged");
  std::string message;
  EXPECT_FALSE(ReadWholeFile(pipe, text, 100, "a hull design file", message));
  EXPECT_EQ(message, "The file " + pipe.string() +
                         " is not a regular file (a folder, pipe or device); it cannot be read.");
  // A link to a regular file is read.
  const auto file = dir.path() / "a.txt";
  WriteFileText(file, "text");
  std::filesystem::create_symlink(file, dir.path() / "link.txt");
  ASSERT_EQ(ReadWholeFile(dir.path() / "link.txt", text, 100), ReadFileResult::kOk);
  EXPECT_EQ(text, "text");
}

TEST(FormatEcho, ReadableSizesFixedTheRestScientific) {
  EXPECT_EQ(FormatEcho(-5.0, 1), "-5.0");
  EXPECT_EQ(FormatEcho(12345.678, 3), "12345.678");
  EXPECT_EQ(FormatEcho(1e308, 1), "1.00000E+308");
  EXPECT_EQ(FormatEcho(-3e38, 3), "-3.00000E+38");
  EXPECT_EQ(FormatEcho(1e-9, 3), "1.00000E-09");
  EXPECT_EQ(FormatEcho(0.0, 2), "0.00");
  EXPECT_EQ(FormatEcho(std::numeric_limits<double>::infinity(), 1), "0.0");
}

}  // namespace
}  // namespace skelmora
