#include "files/text_io.h"

#include <optional>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <system_error>
#include <type_traits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skelmora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

// from_chars refuses a '+' sign; files written elsewhere may carry one.
std::string_view DropPlus(std::string_view token) {
  if (token.size() > 1 && token[0] == '+' && token[1] != '-' && token[1] != '+') {
    token.remove_prefix(1);
  }
  return token;
}

template <typename T>
bool ParseWhole(std::string_view token, T& value) {
  token = DropPlus(token);
  if (token.empty()) return false;
  const char* first = token.data();
  const char* last = first + token.size();
  std::from_chars_result result;
  if constexpr (std::is_floating_point_v<T>) {
    result = std::from_chars(first, last, value, std::chars_format::general);
  } else {
    result = std::from_chars(first, last, value);
  }
  return result.ec == std::errc() && result.ptr == last;
}

}  // namespace

double CleanNumber(double value) {
  if (!std::isfinite(value) || value == 0.0) return 0.0;  // -0.0 too
  return value;
}

std::string FormatFixed(double value, int width, int decimals) {
  value = CleanNumber(value);
  decimals = std::clamp(decimals, 0, 60);
  // Largest double: 309 integer digits, plus sign, point and decimals.
  std::array<char, 400> buffer;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                    decimals);
  std::string_view digits(buffer.data(), result.ec == std::errc() ? result.ptr - buffer.data() : 0);
  // A value that rounds to zero is written without a sign: "-0.000" would
  // claim a side of zero that the digits cannot show.
  if (digits.size() > 1 && digits[0] == '-' &&
      digits.find_first_not_of("0.", 1) == std::string_view::npos) {
    digits.remove_prefix(1);
  }
  std::string out;
  const size_t field = static_cast<size_t>(std::max(width, 0));
  if (digits.size() < field) out.assign(field - digits.size(), ' ');
  out.append(digits);
  return out;
}

std::string FormatEcho(double value, int decimals) {
  value = CleanNumber(value);
  if (std::fabs(value) < 1e9) {
    const std::string fixed = FormatFixed(value, 0, decimals);
    // A tiny value that would read as 0 keeps its digits.
    if (value == 0.0 || fixed.find_first_not_of("-0.") != std::string::npos) return fixed;
  }
  std::array<char, 64> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 5);
  std::string out(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
  for (char& c : out) {
    if (c == 'e') c = 'E';
  }
  return out;
}

std::optional<int32_t> TryParseInt(std::string_view token) {
  int32_t value = 0;
  if (!ParseWhole(token, value)) return std::nullopt;
  return value;
}

std::optional<double> TryParseReal(std::string_view token) {
  double value = 0.0;
  if (!ParseWhole(token, value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

int32_t ParseInt(std::string_view token) { return TryParseInt(token).value_or(0); }

double ParseReal(std::string_view token) { return TryParseReal(token).value_or(0.0); }

float ParseFloat(std::string_view token) {
  const double value = ParseReal(token);
  if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) return 0.0f;
  return static_cast<float>(value);
}

bool ParseBool(std::string_view token) { return ParseInt(token) == 1; }

std::string_view TokenLine::Token() {
  size_t start = 0;
  while (start < rest_.size() && IsBlank(rest_[start])) ++start;
  size_t end = start;
  while (end < rest_.size() && !IsBlank(rest_[end])) ++end;
  const std::string_view token = rest_.substr(start, end - start);
  rest_.remove_prefix(end);
  return token;
}

bool TokenLine::Empty() const {
  return std::all_of(rest_.begin(), rest_.end(), IsBlank);
}

bool LineReader::Next(std::string_view& line) {
  if (AtEnd()) {
    line = {};
    pastEnd_ = true;
    return false;
  }
  const size_t end = text_.find('\n', pos_);
  const size_t stop = end == std::string_view::npos ? text_.size() : end;
  line = text_.substr(pos_, stop - pos_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos_ = end == std::string_view::npos ? text_.size() : end + 1;
  ++lineNumber_;
  return true;
}

TokenLine LineReader::NextTokens() {
  std::string_view line;
  Next(line);
  return TokenLine(line);
}

void LineWriter::Separate() {
  if (lineStarted_) out_.push_back(' ');
  lineStarted_ = true;
}

LineWriter& LineWriter::Int(int64_t value) {
  Separate();
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out_.append(buffer.data(), result.ptr);
  return *this;
}

LineWriter& LineWriter::Fixed(double value, int width, int decimals) {
  Separate();
  out_.append(FormatFixed(value, width, decimals));
  return *this;
}

LineWriter& LineWriter::Text(std::string_view text) {
  Separate();
  out_.append(text);
  return *this;
}

LineWriter& LineWriter::EndLine() {
  out_.append("\r\n");
  lineStarted_ = false;
  return *this;
}

namespace {

// Follows symbolic links (a dangling one too) to the name that is really
// written, so that saving through a link updates the file it points to.
// Nothing when the chain does not end (a loop) or cannot be read.
std::optional<std::filesystem::path> ResolveLinks(std::filesystem::path path) {
  namespace fs = std::filesystem;
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::is_symlink(status)) return path;
    const fs::path link = fs::read_symlink(path, ec);
    if (ec) return std::nullopt;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return std::nullopt;
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    contents.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool SyncAndClose(int fd) {
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

// A rename is durable only once its directory is on disk. File systems that
// cannot sync a directory say so with EINVAL; that is not a failed save.
bool SyncDirectory(const std::filesystem::path& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
  ::close(fd);
  return synced;
}

// A file with more than one name is rewritten where it stands, so that every
// name sees the new contents (a rename would give this name a file of its
// own). That gives up the all-or-nothing replacement, so a write that fails
// part way (a full disk) puts the old contents back.
bool RewriteInPlace(const std::filesystem::path& target, std::string_view contents) {
  std::string previous;
  if (ReadWholeFile(target, previous, std::numeric_limits<std::uintmax_t>::max()) !=
      ReadFileResult::kOk) {
    return false;
  }
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, contents);
  ok = ok && ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0;
  if (!ok && ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, previous)) {
    ::ftruncate(fd, static_cast<off_t>(previous.size()));
  }
  return SyncAndClose(fd) && ok;
}

mode_t NewFileMode() {
  // The process mask is only readable by setting it; it is put back at once.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

constexpr std::string_view kSavingInfix = ".saving-";
constexpr size_t kSavingSuffixLength = 6;
constexpr std::string_view kSuffixCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool IsSaveFileOf(const std::string& name, const std::string& target) {
  const std::string prefix = target + std::string(kSavingInfix);
  if (name.size() != prefix.size() + kSavingSuffixLength || name.rfind(prefix, 0) != 0) return false;
  return name.find_first_not_of(kSuffixCharacters, prefix.size()) == std::string::npos;
}

std::string RandomSuffix() {
  static std::random_device device;
  static std::mt19937_64 generator(device());
  std::string suffix;
  for (size_t k = 0; k < kSavingSuffixLength; ++k) {
    suffix.push_back(kSuffixCharacters[generator() % kSuffixCharacters.size()]);
  }
  return suffix;
}

// A temporary file with no name (O_TMPFILE), so that a save killed while
// writing leaves nothing; -1 where the file system cannot make one.
int OpenUnnamed(const std::filesystem::path& directory) {
#ifdef O_TMPFILE
  return ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  (void)directory;
  errno = EOPNOTSUPP;
  return -1;
#endif
}

// Gives the unnamed file fd a unique name beside the target. Linking by
// file descriptor needs a privilege; linking its /proc entry does not.
bool NameUnnamed(int fd, const std::filesystem::path& directory, const std::string& base,
                 std::filesystem::path& name) {
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = directory / (base + std::string(kSavingInfix) + RandomSuffix());
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
    if (errno == EEXIST) continue;
#ifdef AT_EMPTY_PATH
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno == EEXIST) continue;
#endif
    return false;
  }
  return false;
}

// The contents and the mode into fd, then to disk.
bool FillTemporary(int fd, std::string_view contents, bool exists, const struct stat& old) {
  bool ok = WriteAll(fd, contents);
  if (exists) {
    // Keep the old file's permission bits, and its owner where allowed
    // (only a privileged process may give a file away).
    ok = ok && ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && ::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
  } else {
    ok = ok && ::fchmod(fd, NewFileMode()) == 0;
  }
  return ok && ::fsync(fd) == 0;
}

}  // namespace

int RemoveStaleSaveFiles(const std::filesystem::path& target) {
  namespace fs = std::filesystem;
  if (!target.has_filename()) return 0;
  const std::string base = target.filename().string();
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  fs::directory_iterator entries(directory, ec);
  if (ec) return 0;
  int removed = 0;
  for (const fs::directory_entry& entry : entries) {
    if (!IsSaveFileOf(entry.path().filename().string(), base)) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    // A running save holds its temporary file locked until it is renamed;
    // one that can be locked was left by a save that died.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::unlink(entry.path().c_str()) == 0) {
      ++removed;
    }
    ::close(fd);
  }
  return removed;
}

bool SaveFileAtomically(const std::filesystem::path& requested, std::string_view contents) {
  namespace fs = std::filesystem;
  if (requested.empty() || !requested.has_filename()) return false;
  const std::optional<fs::path> resolved = ResolveLinks(requested);
  if (!resolved || !resolved->has_filename()) return false;
  const fs::path& target = *resolved;

  struct stat old {};
  const bool exists = ::lstat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  // A directory, device node, pipe or socket is not a file we may replace.
  if (exists && !S_ISREG(old.st_mode)) return false;
  RemoveStaleSaveFiles(target);
  if (exists && old.st_nlink > 1) return RewriteInPlace(target, contents);

  // The temporary file sits beside the target (the rename must not cross
  // file systems) and stays locked until it is renamed, so that no other
  // save takes it for a leftover.
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string base = target.filename().string();
  fs::path temp;
  bool ok = false;
  int fd = OpenUnnamed(directory);
  if (fd >= 0) {
    ::flock(fd, LOCK_EX);
    ok = FillTemporary(fd, contents, exists, old);
    if (ok && !NameUnnamed(fd, directory, base, temp)) {
      // No way to name it here (no /proc): write a named one instead.
      ::close(fd);
      fd = -1;
    }
  }
  if (fd < 0) {
    std::string pattern = (directory / (base + std::string(kSavingInfix) + "XXXXXX")).string();
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::flock(fd, LOCK_EX);
    temp = pattern;
    ok = FillTemporary(fd, contents, exists, old);
  }
  ok = ok && !temp.empty() && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok && !temp.empty()) ::unlink(temp.c_str());
  ok = ::close(fd) == 0 && ok;
  if (!ok) return false;
  return SyncDirectory(directory);
}

ReadFileResult ReadWholeFile(const std::filesystem::path& path, std::string& text,
                             std::uintmax_t maxBytes) {
  // Checked before opening: opening a named pipe for reading waits for a
  // writer, and a device may never end.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return ReadFileResult::kCannotOpen;
  if (!S_ISREG(info.st_mode)) return ReadFileResult::kNotRegular;
  // Non-blocking and checked again, should the name have been replaced
  // between the two.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReadFileResult::kCannotOpen;
  ReadFileResult result = ReadFileResult::kOk;
  if (::fstat(fd, &info) != 0) {
    result = ReadFileResult::kCannotOpen;
  } else if (!S_ISREG(info.st_mode)) {
    result = ReadFileResult::kNotRegular;
  }
  std::string data;
  std::array<char, 65536> buffer;
  while (result == ReadFileResult::kOk) {
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) result = ReadFileResult::kCannotOpen;
    if (n <= 0) break;
    if (data.size() + static_cast<size_t>(n) > maxBytes) {
      result = ReadFileResult::kTooLarge;
      break;
    }
    data.append(buffer.data(), static_cast<size_t>(n));
  }
  ::close(fd);
  if (result == ReadFileResult::kOk) text = std::move(data);
  return result;
}

std::string ReadFileMessage(ReadFileResult result, const std::filesystem::path& path,
                            std::string_view kind) {
  switch (result) {
    case ReadFileResult::kOk:
      return {};
    case ReadFileResult::kCannotOpen:
      return "Cannot open the file: " + path.string();
    case ReadFileResult::kTooLarge:
      return "The file " + path.string() + " is too large to be " + std::string(kind) + ".";
    case ReadFileResult::kNotRegular:
      break;
  }
  return "The file " + path.string() +
         " is not a regular file (a folder, pipe or device); it cannot be read.";
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& text, std::uintmax_t maxBytes,
                   std::string_view kind, std::string& message) {
  const ReadFileResult result = ReadWholeFile(path, text, maxBytes);
  message = ReadFileMessage(result, path, kind);
  return result == ReadFileResult::kOk;
}

bool ContainsNoCase(std::string_view text, std::string_view part, size_t* last) {
  if (part.size() > text.size()) return false;
  for (size_t at = text.size() - part.size() + 1; at-- > 0;) {
    bool same = true;
    for (size_t k = 0; k < part.size() && same; ++k) {
      same = std::tolower(static_cast<unsigned char>(text[at + k])) ==
             std::tolower(static_cast<unsigned char>(part[k]));
    }
    if (same) {
      if (last) *last = at;
      return true;
    }
  }
  return false;
}


}  // namespace skelmora
