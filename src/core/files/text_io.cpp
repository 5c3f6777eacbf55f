#include "files/text_io.h"

#include <optional>

#include <algorithm>
#include <array>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>
#include <type_traits>

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

std::string FormatFixed(double value, int width, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  decimals = std::clamp(decimals, 0, 60);
  // Largest double: 309 integer digits, plus sign, point and decimals.
  std::array<char, 400> buffer;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                    decimals);
  std::string_view digits(buffer.data(), result.ec == std::errc() ? result.ptr - buffer.data() : 0);
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

bool SaveFileAtomically(const std::filesystem::path& target, std::string_view contents) {
  namespace fs = std::filesystem;
  if (target.empty() || !target.has_filename()) return false;

  // "x" creates the file only if it is new, so a leftover or foreign file of
  // the same name is never written into.
  fs::path temp;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < 100 && !file; ++attempt) {
    temp = target;
    temp += ".saving" + std::to_string(attempt);
    file = std::fopen(temp.c_str(), "wbx");
    if (!file && errno != EEXIST) return false;
  }
  if (!file) return false;

  bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  ok = std::fflush(file) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;

  std::error_code ec;
  if (ok) {
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) {
      fs::permissions(temp, old.permissions(), ec);  // best effort
    }
    ec.clear();
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
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

}  // namespace skelmora
