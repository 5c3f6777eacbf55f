#include "files/markers.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/text_io.h"

namespace skelmora {

namespace {

// 51 x 51 points of three reals fit in well under a megabyte; a file many
// times that size is not a marker file.
constexpr std::uintmax_t kMaxMarkerFileBytes = 8u << 20;

}  // namespace

MarkerParse ParseMarkerText(std::string_view text, std::vector<MarkerPoint>& points) {
  points.clear();
  LineReader reader(text);
  TokenLine counts = reader.NextTokens();
  const int32_t lastColumn = counts.Int();
  const int32_t lastRow = counts.Int();
  if (lastColumn < 0 || lastColumn > kMaxIndex || lastRow < 0 || lastRow > kMaxIndex) {
    return MarkerParse::kBadCount;
  }
  const int count = (lastColumn + 1) * (lastRow + 1);
  std::string_view line;
  for (int k = 0; k < count && reader.Next(line); ++k) {
    TokenLine values(line);
    MarkerPoint& point = points.emplace_back();
    point.x = values.Real();
    point.y = values.Real();
    point.z = values.Real();
  }
  return MarkerParse::kOk;
}

bool ReadMarkers(HullDesign& design, Prompter& prompter, std::vector<MarkerPoint>& points) {
  points.clear();
  if (design.MarkerFileName.empty()) {
    design.MarkersShown = false;
    return false;
  }
  const std::filesystem::path path(design.MarkerFileName);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    design.MarkersShown = false;
    design.MarkerFileName.clear();
    return false;
  }
  std::string text;
  if (const ReadFileResult read = ReadWholeFile(path, text, kMaxMarkerFileBytes);
      read != ReadFileResult::kOk) {
    // Said once: the markers are off until the user shows them again.
    if (read != ReadFileResult::kCannotOpen) {
      prompter.ShowError(ReadFileMessage(read, path, "a marker file"));
    }
    design.MarkersShown = false;
    return false;
  }
  if (ParseMarkerText(text, points) == MarkerParse::kBadCount) {
    prompter.ShowError(kMarkerCountMessage);
    design.MarkersShown = false;
    return false;
  }
  return true;
}

std::string MarkerFileNameFor(const std::string& chosen) {
  const size_t slash = chosen.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string name = chosen;
  const size_t dot = name.find('.', nameStart);
  if (dot != std::string::npos) name.erase(dot, 4);
  return name + ".mkr";
}

std::string FormatMarkerText(const HullDesign& design) {
  const int lastColumn = ClampIndex(design.LastColumn);
  const int lastRow = ClampIndex(design.LastRow);
  LineWriter out;
  out.Int(lastColumn).Int(lastRow).EndLine();
  for (int c = 0; c <= lastColumn; ++c) {
    for (int r = 0; r <= lastRow; ++r) {
      const Vertex& v = design.Net[c][r];
      out.Fixed(v.x, 11, 6).Fixed(v.y, 11, 6).Fixed(v.z, 11, 6).EndLine();
    }
  }
  return out.Take();
}

bool WriteMarkersFromVertices(HullDesign& design, const std::string& chosen) {
  if (chosen.empty()) return false;
  const std::string name = MarkerFileNameFor(chosen);
  if (!SaveFileAtomically(name, FormatMarkerText(design))) return false;
  design.MarkerFileName = name;
  design.MarkersShown = true;
  return true;
}

}  // namespace skelmora
