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
#include <system_error>
#include <type_traits>

#include <fcntl.h>
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

}  // namespace

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
  if (exists && old.st_nlink > 1) return RewriteInPlace(target, contents);

  // A unique name beside the target (the rename must not cross file
  // systems); leftovers of an interrupted save never collide with it.
  const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern = (directory / (target.filename().string() + ".saving-XXXXXX")).string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return false;
  const fs::path temp = pattern;

  bool ok = WriteAll(fd, contents);
  if (exists) {
    // Keep the old file's permission bits, and its owner where allowed
    // (only a privileged process may give a file away).
    ok = ok && ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && ::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
  } else {
    ok = ok && ::fchmod(fd, NewFileMode()) == 0;
  }
  ok = SyncAndClose(fd) && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  return SyncDirectory(directory);
}

ReadFileResult ReadWholeFile(const std::filesystem::path& path, std::string& text,
                             std::uintmax_t maxBytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return ReadFileResult::kCannotOpen;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return ReadFileResult::kCannotOpen;
  std::string data;
  std::array<char, 65536> buffer;
  ReadFileResult result = ReadFileResult::kOk;
  for (;;) {
    const size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
    if (n == 0) break;
    if (data.size() + n > maxBytes) {
      result = ReadFileResult::kTooLarge;
      break;
    }
    data.append(buffer.data(), n);
  }
  if (result == ReadFileResult::kOk && std::ferror(file)) result = ReadFileResult::kCannotOpen;
  std::fclose(file);
  if (result == ReadFileResult::kOk) text = std::move(data);
  return result;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& text, std::uintmax_t maxBytes,
                   std::string_view kind, std::string& message) {
  switch (ReadWholeFile(path, text, maxBytes)) {
    case ReadFileResult::kOk:
      return true;
    case ReadFileResult::kCannotOpen:
      message = "Cannot open the file: " + path.string();
      return false;
    case ReadFileResult::kTooLarge:
      break;
  }
  message = "The file " + path.string() + " is too large to be " + std::string(kind) + ".";
  return false;
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
