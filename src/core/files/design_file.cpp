#include "files/design_file.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "model/shape_changed.h"
#include "model/undo.h"

namespace skelmora {

namespace {

// No design file comes near this; anything larger is not one.
constexpr std::uintmax_t kMaxDesignFileBytes = 16u << 20;

constexpr int kValuesPerLine = 5;

template <size_t N>
void WriteSpecialList(LineWriter& out, std::string_view keyword, bool on, int32_t count,
                      const std::array<double, N>& values) {
  if (!on) return;
  const int n = std::clamp<int>(count, 0, static_cast<int>(N) - 1);
  out.Line(keyword);
  out.Int(n).EndLine();
  for (int i = 1; i <= n; ++i) {
    out.Fixed(values[i], 7, 3);
    if (i % kValuesPerLine == 0 || i == n) out.EndLine();
  }
}

void WriteChineSlots(LineWriter& out, const std::array<int32_t, kMaxChines>& chines) {
  for (int i = 0; i < kMaxChines; ++i) {
    out.Int(chines[i]);
    if ((i + 1) % kValuesPerLine == 0) out.EndLine();
  }
}

std::string Subject(const std::string& fileName) {
  return fileName.empty() ? std::string("The design file") : "The file " + fileName;
}

bool ContainsNoCase(std::string_view text, std::string_view part, size_t* last = nullptr) {
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

// Reads the values of one special-section list after its keyword; the count
// is checked before it is used as an index.
template <size_t N>
bool ReadSpecialList(LineReader& reader, std::string_view what, std::array<double, N>& values,
                     int32_t& count, const std::string& subject, std::string& message) {
  std::string_view keyword;
  reader.Next(keyword);  // only flags line 3 says whether the list is there
  count = reader.NextTokens().Int();
  constexpr int kMax = static_cast<int>(N) - 1;
  if (count < 0 || count > kMax) {
    message = subject + " lists " + std::to_string(count) + " special " + std::string(what) +
              "; between 0 and " + std::to_string(kMax) + " are allowed.";
    return false;
  }
  for (int i = 1; i <= count;) {
    TokenLine line = reader.NextTokens();
    for (int k = 0; k < kValuesPerLine && i <= count; ++k, ++i) values[i] = line.Real();
  }
  return true;
}

bool CheckSpecialCount(int32_t count, int max, std::string_view what, const std::string& subject,
                       std::string& message) {
  if (count >= 0 && count <= max) return true;
  message = subject + " gives " + std::to_string(count) + " as its number of special " +
            std::string(what) + "; between 0 and " + std::to_string(max) + " are allowed.";
  return false;
}

bool CheckLastIndex(int32_t last, std::string_view what, const std::string& subject,
                    std::string& message) {
  if (last >= 0 && last <= kMaxIndex) return true;
  const int64_t count = static_cast<int64_t>(last) + 1;
  if (count > 0) {
    message = subject + " has " + std::to_string(count) + " " + std::string(what) +
              "; at most " + std::to_string(kNetSize) + " are allowed.";
  } else {
    message = subject + " gives an invalid number of " + std::string(what) + " (" +
              std::to_string(count) + ").";
  }
  return false;
}

bool CheckTension(int32_t tension, std::string_view what, const std::string& subject,
                  std::string& message) {
  if (tension >= 1) return true;
  message = subject + " has a " + std::string(what) + " tension of " + std::to_string(tension) +
            "; it must be at least 1.";
  return false;
}

bool CheckChineCount(int32_t count, std::string_view what, const std::string& subject,
                     std::string& message) {
  if (count >= 0 && count <= kMaxChines) return true;
  message = subject + " lists " + std::to_string(count) + " " + std::string(what) +
            " chines; between 0 and " + std::to_string(kMaxChines) + " are allowed.";
  return false;
}

// Chines must lie strictly inside the net, ascending, and their expansion
// (tension - 1 extra copies each) must fit the 51 working slots.
bool CheckChines(int32_t count, const std::array<int32_t, kMaxChines>& chines, int32_t last,
                 int32_t tension, std::string_view what, const std::string& subject,
                 std::string& message) {
  for (int i = 0; i < count; ++i) {
    const int32_t c = chines[i];
    if (c <= 0 || c >= last || (i > 0 && c <= chines[i - 1])) {
      message = subject + " has a " + std::string(what) + " chine at " + std::string(what) + " " +
                std::to_string(c) + "; chines must lie strictly between " + std::string(what) +
                " 0 and " + std::string(what) + " " + std::to_string(last) +
                ", in ascending order.";
      return false;
    }
  }
  const int64_t working = static_cast<int64_t>(count) * (static_cast<int64_t>(tension) - 1) + last;
  if (working > kMaxIndex) {
    message = subject + " needs " + std::to_string(working + 1) + " working " +
              std::string(what) + "s for its " + std::string(what) + " chines at tension " +
              std::to_string(tension) + "; at most " + std::to_string(kNetSize) +
              " are allowed.";
    return false;
  }
  return true;
}

std::string EndsEarly(const std::string& subject, const LineReader& reader) {
  return subject + " ends early, after line " + std::to_string(reader.LineNumber()) +
         "; it is not a complete hull design file.";
}

}  // namespace

std::string FormatDesignText(HullDesign& d, bool snapshotLayout) {
  LineWriter out;
  if (snapshotLayout) {
    out.Line("Undocount=" + std::to_string(d.UndoCount));
  } else {
    out.Line("111234");
  }
  // Kept in range by every editor; clamped so a bad value can neither index
  // past the net nor produce a file the reader refuses.
  const int lastColumn = std::clamp<int>(d.LastColumn, 0, kMaxIndex);
  const int lastRow = std::clamp<int>(d.LastRow, 0, kMaxIndex);
  out.Int(d.Units).Int(d.WaterlineTension).Int(d.StationTension).Int(lastColumn).Int(lastRow);
  out.EndLine();
  for (int a = 0; a <= lastColumn; ++a) {
    for (int b = 0; b <= lastRow; ++b) {
      Vertex& v = d.Net[a][b];
      if (!(v.w > 0.0f)) v.w = 1.0f;
      out.Fixed(v.x, 5, 4).Fixed(v.y, 5, 4).Fixed(v.z, 5, 4).Fixed(v.w, 5, 4).EndLine();
    }
  }
  out.Fixed(d.WaterlineSpacing, 5, 4).Fixed(d.ButtockSpacing, 5, 4).Fixed(d.SectionPosition, 5, 4);
  out.Fixed(d.StationSpacing, 5, 4).Fixed(d.SurfaceAccuracy, 6, 5).EndLine();
  for (Rgb colour : {d.StationColor, d.MarkerColor, d.ButtockColor, d.WaterlineColor, d.EdgeColor,
                     d.ChineColor, d.HighlightColor, d.NetColor, d.RefHullColor,
                     d.SpecialLineColor, d.PaperColor}) {
    out.Int(colour);
  }
  out.EndLine();
  if (snapshotLayout) {
    out.Bool(d.BodyViewOpen).Bool(d.PlanViewOpen).Bool(d.ProfileViewOpen);
    out.Bool(d.PerspectiveViewOpen);
  } else {
    out.Bool(d.BodyViewOn).Bool(d.PlanViewOn).Bool(d.ProfileViewOn).Bool(d.PerspectiveViewOn);
  }
  out.Bool(d.StationRefCutwater).Bool(d.ShowVertexNet).Bool(d.KeelRudderShown).EndLine();
  out.Bool(d.HighlightPending).Bool(d.HighlightRows).Bool(d.HighlightColumns).EndLine();
  out.Bool(d.SpecialStationsOn).Bool(d.ShowStations).Bool(d.ShowWaterlines).Bool(d.ShowButtocks);
  out.Bool(d.ShowSurface).Bool(d.SpecialWaterlinesOn).Bool(d.SpecialButtocksOn).EndLine();

  WriteSpecialList(out, "SINGLESTATION", d.SpecialStationsOn, d.SpecialStationCount,
                   d.SpecialStations);
  WriteSpecialList(out, "SINGLEWATERLINE", d.SpecialWaterlinesOn, d.SpecialWaterlineCount,
                   d.SpecialWaterlines);
  WriteSpecialList(out, "SINGLEBUTT", d.SpecialButtocksOn, d.SpecialButtockCount,
                   d.SpecialButtocks);

  out.Int(d.StationCount).Int(d.WaterlineCount).Int(d.ButtockCount).Int(d.KeelRudderCount);
  out.Int(d.HighlightIndex).Int(d.SectionPointCount).Int(d.EdgeLinePoints);
  out.Int(d.ChineLinePoints).EndLine();
  out.Int(d.StoredSetting1).Int(d.StoredSetting2).Int(d.StoredSetting3);
  out.Int(std::clamp<int32_t>(d.SpecialStationCount, 0, kMaxSpecialStations));
  out.Int(std::clamp<int32_t>(d.SpecialWaterlineCount, 0, kMaxSpecialWaterlines));
  out.Int(std::clamp<int32_t>(d.SpecialButtockCount, 0, kMaxSpecialButtocks)).EndLine();
  out.Bool(d.RefHullShown).Bool(d.RefHullLoaded).Bool(d.MarkersShown).EndLine();
  // The name is one line of the file; a line break in it would shift every
  // line after it.
  const std::string& marker = d.MarkerFileName;
  out.Line(std::string_view(marker).substr(0, marker.find_first_of("\r\n")));
  out.Fixed(d.PerspectiveAzimuth, 5, 4).Fixed(d.PerspectiveElevation, 5, 4).EndLine();

  out.Int(std::clamp<int32_t>(d.ColumnChineCount, 0, kMaxChines));
  out.Int(std::clamp<int32_t>(d.RowChineCount, 0, kMaxChines)).EndLine();
  WriteChineSlots(out, d.ColumnChines);
  WriteChineSlots(out, d.RowChines);
  return out.Take();
}

bool ReadDesignBody(HullDesign& d, LineReader& reader, bool snapshot, const std::string& fileName,
                    std::string& message) {
  const std::string subject = Subject(fileName);
  ResetNet(d);
  // Lists the file does not carry must not keep another design's values.
  d.SpecialStations.fill(0.0);
  d.SpecialWaterlines.fill(0.0);
  d.SpecialButtocks.fill(0.0);
  d.DesignOpen = true;
  ClearTransientDrawFlags(d);

  TokenLine t = reader.NextTokens();
  d.Units = t.Int();
  d.WaterlineTension = t.Int();
  d.StationTension = t.Int();
  d.LastColumn = t.Int();
  d.LastRow = t.Int();
  if (reader.PastEnd()) {
    message = EndsEarly(subject, reader);
    return false;
  }
  if (!CheckLastIndex(d.LastColumn, "columns", subject, message) ||
      !CheckLastIndex(d.LastRow, "rows", subject, message) ||
      !CheckTension(d.WaterlineTension, "waterline", subject, message) ||
      !CheckTension(d.StationTension, "station", subject, message)) {
    return false;
  }

  for (int a = 0; a <= d.LastColumn; ++a) {
    for (int b = 0; b <= d.LastRow; ++b) {
      t = reader.NextTokens();
      Vertex& v = d.Net[a][b];
      v.x = t.Float();
      v.y = t.Float();
      v.z = t.Float();
      v.w = t.Float();
      if (v.w <= 0.0f) v.w = 1.0f;
    }
  }

  t = reader.NextTokens();
  d.WaterlineSpacing = t.Real();
  d.ButtockSpacing = t.Real();
  d.SectionPosition = t.Real();
  d.StationSpacing = t.Real();
  d.SurfaceAccuracy = t.Real();

  t = reader.NextTokens();
  for (Rgb* colour : {&d.StationColor, &d.MarkerColor, &d.ButtockColor, &d.WaterlineColor,
                      &d.EdgeColor, &d.ChineColor, &d.HighlightColor, &d.NetColor,
                      &d.RefHullColor, &d.SpecialLineColor, &d.PaperColor}) {
    *colour = t.Int();
  }

  t = reader.NextTokens();
  d.BodyViewOn = t.Bool();
  d.PlanViewOn = t.Bool();
  d.ProfileViewOn = t.Bool();
  d.PerspectiveViewOn = t.Bool();
  d.StationRefCutwater = t.Bool();
  d.ShowVertexNet = t.Bool();
  d.KeelRudderShown = t.Bool();

  t = reader.NextTokens();
  d.HighlightPending = t.Bool();
  d.HighlightRows = t.Bool();
  d.HighlightColumns = t.Bool();

  t = reader.NextTokens();
  d.SpecialStationsOn = t.Bool();
  d.ShowStations = t.Bool();
  d.ShowWaterlines = t.Bool();
  d.ShowButtocks = t.Bool();
  d.ShowSurface = t.Bool();
  d.SpecialWaterlinesOn = t.Bool();
  d.SpecialButtocksOn = t.Bool();

  if (d.SpecialStationsOn && !ReadSpecialList(reader, "stations", d.SpecialStations,
                                              d.SpecialStationCount, subject, message)) {
    return false;
  }
  if (d.SpecialWaterlinesOn && !ReadSpecialList(reader, "waterlines", d.SpecialWaterlines,
                                                d.SpecialWaterlineCount, subject, message)) {
    return false;
  }
  if (d.SpecialButtocksOn && !ReadSpecialList(reader, "buttocks", d.SpecialButtocks,
                                              d.SpecialButtockCount, subject, message)) {
    return false;
  }

  t = reader.NextTokens();
  d.StationCount = t.Int();
  d.WaterlineCount = t.Int();
  d.ButtockCount = t.Int();
  d.KeelRudderCount = t.Int();
  d.HighlightIndex = t.Int();
  d.SectionPointCount = t.Int();
  d.EdgeLinePoints = t.Int();
  d.ChineLinePoints = t.Int();

  // The counts here are written after the lists and win over theirs.
  t = reader.NextTokens();
  d.StoredSetting1 = t.Int();
  d.StoredSetting2 = t.Int();
  d.StoredSetting3 = t.Int();
  d.SpecialStationCount = t.Int();
  d.SpecialWaterlineCount = t.Int();
  d.SpecialButtockCount = t.Int();
  if (!CheckSpecialCount(d.SpecialStationCount, kMaxSpecialStations, "stations", subject,
                         message) ||
      !CheckSpecialCount(d.SpecialWaterlineCount, kMaxSpecialWaterlines, "waterlines", subject,
                         message) ||
      !CheckSpecialCount(d.SpecialButtockCount, kMaxSpecialButtocks, "buttocks", subject,
                         message)) {
    return false;
  }

  t = reader.NextTokens();
  d.RefHullShown = t.Bool();
  d.RefHullLoaded = t.Bool();
  d.MarkersShown = t.Bool();

  std::string_view marker;
  reader.Next(marker);
  d.MarkerFileName.assign(marker);

  t = reader.NextTokens();
  d.PerspectiveAzimuth = t.Real();
  d.PerspectiveElevation = t.Real();
  if (reader.PastEnd()) {
    message = EndsEarly(subject, reader);
    return false;
  }

  d.BodyViewOpen = d.BodyViewOn;
  d.PlanViewOpen = d.PlanViewOn;
  d.ProfileViewOpen = d.ProfileViewOn;
  d.PerspectiveViewOpen = d.PerspectiveViewOn;

  // A file that ends here has no chines. Blank lines between or after the
  // blocks are skipped rather than read as an empty block.
  d.ColumnChineCount = 0;
  d.RowChineCount = 0;
  d.ColumnChines.fill(0);
  d.RowChines.fill(0);
  std::string_view line;
  while (reader.Next(line)) {
    if (snapshot && line.find("Undocount") != std::string_view::npos) break;
    TokenLine counts(line);
    if (counts.Empty()) continue;
    d.ColumnChineCount = counts.Int();
    d.RowChineCount = counts.Int();
    if (!CheckChineCount(d.ColumnChineCount, "column", subject, message) ||
        !CheckChineCount(d.RowChineCount, "row", subject, message)) {
      return false;
    }
    for (auto* chines : {&d.ColumnChines, &d.RowChines}) {
      for (int half = 0; half < 2; ++half) {
        t = reader.NextTokens();
        for (int k = 0; k < kValuesPerLine; ++k) (*chines)[half * kValuesPerLine + k] = t.Int();
      }
    }
  }
  return CheckChines(d.ColumnChineCount, d.ColumnChines, d.LastColumn, d.WaterlineTension,
                     "column", subject, message) &&
         CheckChines(d.RowChineCount, d.RowChines, d.LastRow, d.StationTension, "row", subject,
                     message);
}

bool ParseDesignText(HullDesign& design, Surface& surface, std::string_view text,
                     std::string& message, const std::string& fileName) {
  // Read into a copy so that a refused file leaves the open design as it was.
  auto copy = std::make_unique<HullDesign>(design);
  LineReader reader(text);
  std::string_view marker;
  reader.Next(marker);  // "111234" is not checked: the Open dialog chose this reader
  if (!ReadDesignBody(*copy, reader, false, fileName, message)) return false;
  copy->UserBowOffset = 0.0;
  design = std::move(*copy);
  RebuildSurface(design, surface);
  message.clear();
  return true;
}

bool ReadDesignFile(HullDesign& design, Surface& surface, const std::string& path,
                    std::string& message) {
  std::string text;
  switch (ReadWholeFile(path, text, kMaxDesignFileBytes)) {
    case ReadFileResult::kOk:
      break;
    case ReadFileResult::kCannotOpen:
      message = "Cannot open the file: " + path;
      return false;
    case ReadFileResult::kTooLarge:
      message = "The file " + path + " is too large to be a hull design file.";
      return false;
  }
  return ParseDesignText(design, surface, text, message, path);
}

bool WriteDesignFile(HullDesign& design, const std::string& path, std::string& message) {
  const std::string text = FormatDesignText(design, false);
  if (!SaveFileAtomically(path, text)) {
    message = "Cannot save the file: " + path;
    return false;
  }
  message.clear();
  return true;
}

bool SaveDesign(HullDesign& design, Prompter& prompter, const SaveOptions& options) {
  if (!design.DesignOpen) return false;
  if (options.confirm && !prompter.AskYesNo("Save Design to Disk?")) return false;

  const std::string name = design.DesignFileName;
  // Names are matched without regard to case: files from other systems
  // often carry ".S98" or ".SHL".
  bool thisFormat = ContainsNoCase(name, ".s98");
  if (!thisFormat) {
    // Without an older-format writer a No could not be honoured; don't ask.
    thisFormat = !options.writeOlder ||
                 prompter.AskYesNo(
                     "File is Older Skelmora 5/6 type. Save it as SKELMORA V7 Version?");
  }

  std::string message;
  if (thisFormat) {
    std::string target = name;
    size_t at = 0;
    if (ContainsNoCase(name, ".shl", &at)) {
      target.erase(at, 4);
      target += ".s98";
    }
    if (!WriteDesignFile(design, target, message)) {
      prompter.ShowError(message);
      return false;
    }
    design.DesignFileName = target;
  } else if (!options.writeOlder(design, name, message)) {
    prompter.ShowError(message);
    return false;
  }
  ResetHistory(design);
  return true;
}

}  // namespace skelmora
