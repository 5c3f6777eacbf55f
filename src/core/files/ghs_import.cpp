#include "files/ghs_import.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/file_messages.h"
#include "files/text_io.h"

namespace skelmora {

namespace {

constexpr std::uintmax_t kMaxGhsFileBytes = 64u << 20;
constexpr double kFeetScale = 12.0;
constexpr double kMetresScale = 304.8;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

// The text before the first comma and the text between it and the next.
void SplitPair(std::string_view line, std::string_view& first, std::string_view& second) {
  const size_t comma = line.find(',');
  first = Trimmed(line.substr(0, comma));
  if (comma == std::string_view::npos) {
    second = {};
    return;
  }
  const std::string_view rest = line.substr(comma + 1);
  second = Trimmed(rest.substr(0, rest.find(',')));
}

// The intermediate file kept three decimals (6:3); the result keeps what it kept.
double AsWritten(double value) { return ParseReal(Trimmed(FormatFixed(value, 6, 3))); }

std::optional<double> AskUnits(HullDesign& design, Prompter& prompter) {
  for (;;) {
    const std::optional<std::string> answer =
        prompter.AskText(kGhsUnitsCaption, kGhsUnitsPrompt, "M");
    if (!answer) return std::nullopt;
    const std::string_view a = Trimmed(*answer);
    if (a == "M" || a == "m") {
      design.Units = kMillimetres;
      return kMetresScale;
    }
    if (a == "F" || a == "f") {
      design.Units = kInches;
      return kFeetScale;
    }
  }
}

struct Point {
  int section;
  int number;
  double a, position, b;
};

}  // namespace

GhsConvert ConvertGhsText(std::string_view ghs, HullDesign& design, Prompter& prompter,
                          GhsUnits units, std::string& text, std::string& message) {
  LineReader reader(ghs);
  std::string_view line;
  std::optional<double> scale;
  bool started = false;
  while (!started && reader.Next(line)) {
    const std::string_view t = Trimmed(line);
    if (t == "P:M") scale = kMetresScale;
    if (t == "P:F") scale = kFeetScale;
    started = t == "*";
    if (scale) break;
  }
  if (scale) {
    // A units line: the start line follows somewhere after it.
    while (!started && reader.Next(line)) started = Trimmed(line) == "*";
  }
  if (!started) {
    message = "This GHS file has no \"*\" line before its sections; nothing was imported.";
    return GhsConvert::kFailed;
  }
  if (!scale) {
    if (units == GhsUnits::kFeet) {
      design.Units = kInches;
      scale = kFeetScale;
    } else if (units == GhsUnits::kMetres) {
      design.Units = kMillimetres;
      scale = kMetresScale;
    } else {
      scale = AskUnits(design, prompter);
      if (!scale) return GhsConvert::kCancelled;
    }
  }
  const double s = *scale;
  reader.Next(line);  // the title
  if (!reader.Next(line)) {
    message = "This GHS file ends before its number of sections.";
    return GhsConvert::kFailed;
  }
  const int32_t sections = ParseInt(Trimmed(line));
  if (sections < 1) {
    message = "This GHS file lists no sections (" + std::string(Trimmed(line)) + ").";
    return GhsConvert::kFailed;
  }
  std::vector<Point> points;
  double smallest = 1e9;
  for (int k = 1; k <= sections; ++k) {
    if (!reader.Next(line)) {
      message = "This GHS file ends before section " + std::to_string(k) + " of " +
                std::to_string(sections) + ".";
      return GhsConvert::kFailed;
    }
    std::string_view positionText, countText;
    SplitPair(line, positionText, countText);
    const double position = AsWritten(s * ParseReal(positionText));
    const int32_t count = ParseInt(countText);
    if (count < 0) {
      message = "Section " + std::to_string(k) + " of this GHS file has " +
                std::to_string(count) + " points.";
      return GhsConvert::kFailed;
    }
    // The zero point is the foremost section written: one without points
    // leaves nothing in the file to measure from.
    if (count > 0) smallest = std::min(smallest, position);
    for (int n = 0; n < count; ++n) {
      if (!reader.Next(line)) {
        message = "This GHS file ends inside section " + std::to_string(k) + ".";
        return GhsConvert::kFailed;
      }
      std::string_view aText, bText;
      SplitPair(line, aText, bText);
      points.push_back(
          {k, n, AsWritten(s * ParseReal(aText)), position, AsWritten(s * ParseReal(bText))});
    }
  }
  LineWriter out;
  for (const Point& p : points) {
    out.Int(p.section).Int(p.number);
    out.Fixed(p.a, 11, 5).Fixed(p.position - smallest, 11, 5).Fixed(p.b, 11, 5);
    out.EndLine();
  }
  text = out.Take();
  message.clear();
  return GhsConvert::kDone;
}

bool ReadGhsFileText(const std::string& path, std::string& text, std::string& message) {
  return ReadWholeFile(path, text, kMaxGhsFileBytes, "a GHS geometry file", message);
}

GhsConvert ImportGhsFile(HullDesign& design, const std::string& ghsPath,
                         const std::string& workDirectory, Prompter& prompter,
                         std::string& message, GhsUnits units) {
  std::string ghs;
  if (!ReadGhsFileText(ghsPath, ghs, message)) return GhsConvert::kFailed;
  std::string text;
  const GhsConvert result = ConvertGhsText(ghs, design, prompter, units, text, message);
  if (result == GhsConvert::kCancelled) {
    design.RefHullLoaded = false;
    design.RefHullShown = false;
  }
  if (result != GhsConvert::kDone) return result;
  const std::filesystem::path dir(workDirectory);
  const std::filesystem::path work = dir / kGhsWorkFile;
  const std::filesystem::path target = dir / kGhsPointFile;
  std::error_code ec;
  if (!SaveFileAtomically(work, text)) {
    message = CannotSaveMessage(work.string());
    return GhsConvert::kFailed;
  }
  std::filesystem::rename(work, target, ec);
  if (ec) {
    std::filesystem::remove(work, ec);
    message = CannotSaveMessage(target.string());
    return GhsConvert::kFailed;
  }
  design.RefHullLoaded = true;
  design.RefHullShown = true;
  return GhsConvert::kDone;
}

std::vector<PenPoint> ParseReferenceHull(std::string_view text) {
  std::vector<PenPoint> points;
  LineReader reader(text);
  std::string_view line;
  std::optional<double> section;
  while (reader.Next(line) && points.size() < kMaxReferencePoints) {
    TokenLine tokens(line);
    std::optional<double> values[5];
    bool whole = true;
    for (auto& v : values) {
      v = TryParseReal(tokens.Token());
      whole = whole && v.has_value();
    }
    if (!whole || !tokens.Empty()) continue;
    const double number = *values[0];
    PenPoint p;
    p.draw = section && *section == number;
    p.x = *values[2];
    p.y = *values[3];
    p.z = *values[4];
    section = number;
    points.push_back(p);
  }
  return points;
}

std::vector<PenPoint> ReadReferenceHull(const std::string& path) {
  std::string text;
  if (ReadWholeFile(path, text, kMaxGhsFileBytes) != ReadFileResult::kOk) return {};
  return ParseReferenceHull(text);
}

}  // namespace skelmora
