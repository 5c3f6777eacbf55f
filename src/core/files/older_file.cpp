#include "files/older_file.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "files/design_layout.h"
#include "files/file_messages.h"
#include "files/layout_table.h"
#include "files/text_io.h"
#include "model/net_lines.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

using D = HullDesign;
using layout::Item;
using layout::Real;
using layout::Value;

// No older file comes near this; anything larger is not one.
constexpr std::uintmax_t kMaxOlderFileBytes = 16u << 20;
// Version 5 files made by the parametric generator held a 16 x 16 grid.
constexpr int kVersion5Grid = 16;
// What the older generations put in unused chine slots.
constexpr int32_t kUnusedChineSlot = 999;

std::string Subject(const std::string& fileName) {
  return fileName.empty() ? std::string("The older hull file") : "The file " + fileName;
}

int ColumnChinesListed(const D& d) { return ChineSlots(d.ColumnChineCount); }
int RowChinesListed(const D& d) { return ChineSlots(d.RowChineCount); }

// ---- version 6 ------------------------------------------------------------

layout::Table<D> MakeVersion6Table() {
  layout::Table<D> table;
  auto& lines = table.lines;
  lines.push_back(layout::Keyword<D>(kDesignFileMarker));
  lines.push_back(DesignHeaderLine());
  lines.push_back(layout::Fields<D>({Value<&D::ColumnChineCount>().WrittenWithin(0, kMaxChines),
                                     Value<&D::RowChineCount>().WrittenWithin(0, kMaxChines)})
                      .Then(CheckChineCounts));
  lines.push_back(layout::Each<D>(ColumnChinesListed, {Item<&D::ColumnChines>()}));
  lines.push_back(layout::Each<D>(RowChinesListed, {Item<&D::RowChines>()}));
  // No weights: they read as the reset's 1.
  lines.push_back(layout::Each<D>(
      NetVertexCount, {NetCoordinate<&Vertex::x>(5, 4), NetCoordinate<&Vertex::y>(5, 4),
                       NetCoordinate<&Vertex::z>(5, 4)}));
  lines.push_back(layout::Fields<D>({Real<&D::WaterlineSpacing>(9, 5),
                                     Real<&D::ButtockSpacing>(9, 5),
                                     Real<&D::SectionPosition>(9, 5),
                                     Real<&D::StationSpacing>(9, 5),
                                     Real<&D::SurfaceAccuracy>(6, 5)}));
  std::vector<layout::Line<D>> settings = DesignSettingsLines(false, false);
  lines.insert(lines.end(), settings.begin(), settings.end());
  return table;
}

const layout::Table<D>& Version6Table() {
  static const layout::Table<D> table = MakeVersion6Table();
  return table;
}

// ---- version 5 ------------------------------------------------------------

// Version 5 holds the tensions as reals and a chine marker line: the table
// runs over the design and these.
struct Version5Record {
  D* design = nullptr;
  double stationTension = 0.0;
  double waterlineTension = 0.0;
  std::string chineMarker;
};
using V5 = Version5Record;
using V5Field = layout::Field<V5>;

template <int32_t D::*M>
V5Field IntegerOf(int width = 0) {
  V5Field f;
  f.bind = [](V5& r, int) -> layout::Slot { return &(r.design->*M); };
  f.view = [](const V5& r, int) -> layout::ConstSlot { return &(r.design->*M); };
  f.width = width;
  return f;
}

template <double V5::*M>
V5Field TensionOf() {
  V5Field f;
  f.bind = [](V5& r, int) -> layout::Slot { return &(r.*M); };
  f.view = [](const V5& r, int) -> layout::ConstSlot { return &(r.*M); };
  f.width = 5;
  f.decimals = 4;
  return f;
}

template <std::array<int32_t, kMaxChines> D::*M>
V5Field ChineOf() {
  V5Field f;
  f.bind = [](V5& r, int i) -> layout::Slot { return &(r.design->*M)[i]; };
  f.view = [](const V5& r, int i) -> layout::ConstSlot { return &(r.design->*M)[i]; };
  f.width = 2;
  return f;
}

bool HasChineData(const V5& r) { return r.chineMarker == "N"; }

// The grid a version 5 file holds: 16 x 16 when the second design dimension
// is set, else the net's own size.
bool SixteenGrid(const D& d) { return d.DesignDimensions[kDimensionBeam] != 0.0; }
int Version5Rows(const D& d) { return SixteenGrid(d) ? kVersion5Grid : NetRowsWritten(d); }
int Version5Coordinates(const V5& r) {
  const D& d = *r.design;
  return 3 * (SixteenGrid(d) ? kVersion5Grid * kVersion5Grid : NetVertexCount(d));
}

// Three lines per vertex: x, y, z.
V5Field Version5Coordinate() {
  V5Field f;
  f.bind = [](V5& r, int i) -> layout::Slot {
    const int vertex = i / 3;
    Vertex& v = r.design->Net[vertex / Version5Rows(*r.design)][vertex % Version5Rows(*r.design)];
    return i % 3 == 0 ? &v.x : i % 3 == 1 ? &v.y : &v.z;
  };
  f.view = [](const V5& r, int i) -> layout::ConstSlot {
    const int vertex = i / 3;
    const D& d = *r.design;
    const Vertex& v = d.Net[vertex / Version5Rows(d)][vertex % Version5Rows(d)];
    return i % 3 == 0 ? &v.x : i % 3 == 1 ? &v.y : &v.z;
  };
  f.width = 5;
  f.decimals = 4;
  return f;
}

V5Field DimensionOf() {
  V5Field f;
  f.bind = [](V5& r, int i) -> layout::Slot { return &r.design->DesignDimensions[i]; };
  f.view = [](const V5& r, int i) -> layout::ConstSlot { return &r.design->DesignDimensions[i]; };
  f.width = 5;
  f.decimals = 4;
  return f;
}

bool CheckVersion5Header(const V5& r, const std::string& subject, std::string& message) {
  D header;
  header.LastColumn = r.design->LastColumn;
  header.LastRow = r.design->LastRow;
  header.WaterlineTension = TruncClamped(r.waterlineTension);
  header.StationTension = TruncClamped(r.stationTension);
  return CheckDesignHeader(header, subject, message);
}

bool CheckVersion5Chines(const V5& r, const std::string& subject, std::string& message) {
  return CheckChineCounts(*r.design, subject, message);
}

layout::Table<V5> MakeVersion5Table() {
  layout::Table<V5> table;
  auto& lines = table.lines;
  // One character: more would be taken for version 6.
  lines.push_back(layout::Fields<V5>({IntegerOf<&D::Units>().WrittenWithin(0, 9)}));
  lines.push_back(layout::Fields<V5>({TensionOf<&V5::stationTension>()}));
  lines.push_back(layout::Fields<V5>({TensionOf<&V5::waterlineTension>()}));
  lines.push_back(layout::Each<V5>([](const V5&) { return 6; }, {DimensionOf()}));
  V5Field lastColumn = IntegerOf<&D::LastColumn>();
  V5Field lastRow = IntegerOf<&D::LastRow>();
  lines.push_back(layout::Fields<V5>({lastColumn.WrittenWithin(0, kMaxIndex)}));
  lines.push_back(
      layout::Fields<V5>({lastRow.WrittenWithin(0, kMaxIndex)}).Then(CheckVersion5Header));
  // This writer always writes the chine data.
  lines.push_back(layout::Text<V5>([](const V5&) { return std::string("N"); },
                                   [](V5& r, std::string_view text) {
                                     TokenLine tokens(text);
                                     r.chineMarker = std::string(tokens.Token());
                                     if (!tokens.Empty()) r.chineMarker.clear();
                                   }));
  V5Field columnCount = IntegerOf<&D::ColumnChineCount>(2);
  V5Field rowCount = IntegerOf<&D::RowChineCount>(2);
  lines.push_back(
      layout::Fields<V5>({columnCount.WrittenWithin(0, kMaxChines)}).When(HasChineData));
  lines.push_back(layout::Fields<V5>({rowCount.WrittenWithin(0, kMaxChines)})
                      .When(HasChineData)
                      .Then(CheckVersion5Chines));
  lines.push_back(layout::Each<V5>([](const V5& r) { return ColumnChinesListed(*r.design); },
                                   {ChineOf<&D::ColumnChines>()})
                      .When(HasChineData));
  lines.push_back(layout::Each<V5>([](const V5& r) { return RowChinesListed(*r.design); },
                                   {ChineOf<&D::RowChines>()})
                      .When(HasChineData));
  lines.push_back(layout::Each<V5>(Version5Coordinates, {Version5Coordinate()}));
  return table;
}

const layout::Table<V5>& Version5Table() {
  static const layout::Table<V5> table = MakeVersion5Table();
  return table;
}

// ---- reading ----------------------------------------------------------------

// What every older read starts from.
void ClearForOlderRead(D& d) {
  ResetNet(d);
  d.UserBowOffset = 0.0;
  d.DesignOpen = true;
  d.ShowStations = true;
  d.ShowVertexNet = true;
  d.BodyViewOn = true;
  ClearTransientDrawFlags(d);
  d.SpecialStationsOn = d.SpecialWaterlinesOn = d.SpecialButtocksOn = false;
  d.SpecialStationCount = d.SpecialWaterlineCount = d.SpecialButtockCount = 0;
  d.SpecialStations.fill(0.0);
  d.SpecialWaterlines.fill(0.0);
  d.SpecialButtocks.fill(0.0);
  d.ColumnChineCount = 0;
  d.RowChineCount = 0;
  d.ColumnChines.fill(0);
  d.RowChines.fill(0);
}

// The slots past each count as the older generations filled them.
void FillUnusedChineSlots(D& d) {
  for (int i = ColumnChinesListed(d); i < kMaxChines; ++i) d.ColumnChines[i] = kUnusedChineSlot;
  for (int i = RowChinesListed(d); i < kMaxChines; ++i) d.RowChines[i] = kUnusedChineSlot;
}

bool StatusOk(layout::ReadStatus status, const LineReader& reader, const std::string& subject,
              std::string& message) {
  switch (status) {
    case layout::ReadStatus::kOk:
      return true;
    case layout::ReadStatus::kEndsEarly:
      message = subject + " ends early, after line " + std::to_string(reader.LineNumber()) +
                "; it is not a complete older hull file.";
      return false;
    case layout::ReadStatus::kDamaged:
      message = subject + " is damaged at line " + std::to_string(reader.LineNumber()) + ".";
      return false;
    case layout::ReadStatus::kRefused:
      return false;
  }
  return false;
}

bool ReadVersion6(D& d, LineReader& reader, const layout::ReadOptions& options,
                  std::string& message) {
  const layout::ReadStatus status = layout::ReadTable(Version6Table(), d, reader, options, message);
  if (!StatusOk(status, reader, options.subject, message)) return false;
  // The file lists no special sections, whatever its flags say.
  d.SpecialStationsOn = d.SpecialWaterlinesOn = d.SpecialButtocksOn = false;
  d.SpecialStationCount = d.SpecialWaterlineCount = d.SpecialButtockCount = 0;
  d.BodyViewOpen = d.BodyViewOn;
  d.PlanViewOpen = d.PlanViewOn;
  d.ProfileViewOpen = d.ProfileViewOn;
  d.PerspectiveViewOpen = d.PerspectiveViewOn;
  return CheckChineLists(d, options.subject, message);
}

// The first line, the units, was read to tell the version.
bool ReadVersion5(D& d, std::string_view units, LineReader& reader,
                  const layout::ReadOptions& options, std::string& message) {
  d.Units = TokenLine(units).Int();
  V5 record;
  record.design = &d;
  const layout::ReadStatus status =
      layout::ReadTable(Version5Table(), record, reader, options, message);
  if (!StatusOk(status, reader, options.subject, message)) return false;
  d.WaterlineTension = TruncClamped(record.waterlineTension);
  d.StationTension = TruncClamped(record.stationTension);
  if (!HasChineData(record)) {
    d.ColumnChineCount = 0;
    d.RowChineCount = 0;
  }
  // Straight segments have no chines.
  if (d.WaterlineTension == 1) d.ColumnChineCount = 0;
  if (d.StationTension == 1) d.RowChineCount = 0;
  FillUnusedChineSlots(d);
  SetViewOpen(d, kBodyView, true);
  for (ViewId view : {kPlanView, kProfileView, kPerspectiveView}) SetViewOpen(d, view, false);
  return CheckChineLists(d, options.subject, message);
}

// A current-format design has a vertex where version 6 has the two chine
// counts: four reals, the first two not both integers. A line that is
// neither is a damaged version 6 file, never renamed.
bool LooksCurrentFormat(LineReader reader) {
  std::string_view line;
  reader.Next(line);  // the tensions and counts
  if (!reader.Next(line)) return false;
  TokenLine tokens(line);
  const std::string_view first = tokens.Token();
  const std::string_view second = tokens.Token();
  if (TryParseInt(first) && TryParseInt(second)) return false;
  const std::string_view third = tokens.Token();
  const std::string_view fourth = tokens.Token();
  return TryParseReal(first) && TryParseReal(second) && TryParseReal(third) &&
         TryParseReal(fourth);
}

// Renames without ever replacing a file that is there.
bool RenameKeepingTarget(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (std::filesystem::exists(to, ec) || ec) return false;
  std::filesystem::create_hard_link(from, to, ec);
  if (!ec) {
    std::filesystem::remove(from, ec);
    return true;
  }
  if (ec == std::errc::file_exists) return false;
  // No hard links on this file system.
  ec.clear();
  std::filesystem::rename(from, to, ec);
  return !ec;
}

}  // namespace

std::string FormatOlderText(const HullDesign& design, OlderVersion version) {
  LineWriter out;
  if (version == OlderVersion::kVersion6) {
    layout::WriteTable(Version6Table(), design, out);
  } else {
    V5 record;
    record.design = const_cast<D*>(&design);  // only read by the writer
    record.stationTension = design.StationTension;
    record.waterlineTension = design.WaterlineTension;
    record.chineMarker = "N";
    layout::WriteTable(Version5Table(), record, out);
  }
  return out.Take();
}

OlderRead ParseOlderText(HullDesign& design, Surface& surface, std::string_view text,
                         std::string& message, const std::string& fileName) {
  LineReader reader(text);
  layout::ReadOptions options;
  options.subject = Subject(fileName);
  options.fromLine = 1;  // read here: its length tells the version
  std::string_view first;
  reader.Next(first);
  const bool version6 = first.size() > 1;
  // Version 6 starts with the design file's marker, version 5 with its
  // unit code: anything else is not a hull file at all.
  const bool marked = version6 ? StartsWithDesignMarker(text)
                               : TryParseInt(TokenLine(first).Token()).has_value();
  if (!marked) {
    message = kNotHullFileMessage;
    return OlderRead::kRefused;
  }
  if (version6 && LooksCurrentFormat(reader)) {
    message = options.subject + " is in S98 format.";
    return OlderRead::kCurrent;
  }
  auto copy = std::make_unique<HullDesign>(design);
  ClearForOlderRead(*copy);
  const bool read = version6 ? ReadVersion6(*copy, reader, options, message)
                             : ReadVersion5(*copy, first, reader, options, message);
  if (!read) return OlderRead::kRefused;
  design = std::move(*copy);
  RebuildSurface(design, surface);
  message.clear();
  return OlderRead::kRead;
}

std::string CurrentFormatName(const std::string& path) {
  size_t at = 0;
  if (!ContainsNoCase(path, ".shl", &at)) return path + ".s98";
  std::string name = path;
  name.replace(at, 4, ".s98");
  return name;
}

OlderRead ReadOlderFile(HullDesign& design, Surface& surface, const std::string& path,
                        Prompter& prompter, std::string& message,
                        const OlderReadOptions& options) {
  std::string text;
  if (!ReadWholeFile(path, text, kMaxOlderFileBytes, "an older hull file", message)) return OlderRead::kRefused;
  const OlderRead result = ParseOlderText(design, surface, text, message, path);
  if (result != OlderRead::kCurrent) return result;
  const std::string renamed = CurrentFormatName(path);
  if (!options.renameCurrentFormat) {
    message = "The file " + path + " is in S98 format; open it as a S98 file (" + renamed + ").";
    return OlderRead::kRefused;
  }
  // Renamed first, so that the user is told what really happened.
  if (RenameKeepingTarget(path, renamed)) {
    size_t at = path.size();
    ContainsNoCase(path, ".shl", &at);
    prompter.ShowError("File " + path.substr(0, at) + ".shl is in S98 format and has been renamed " +
                       renamed);
    prompter.ShowInformation("Please reopen " + renamed + " as a S98 file");
  } else {
    prompter.ShowError("Cannot Rename " + path + " Please rename the file manually");
  }
  design.DesignOpen = false;
  message.clear();
  return OlderRead::kCurrent;
}

// ---- writing ----------------------------------------------------------------

std::string CorrectedOlderName(const std::string& typed) {
  std::string name = typed;
  const size_t slash = name.find_last_of('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = name.find('.', start);
  if (dot != std::string::npos) name.erase(dot, 5);
  return name + ".shl";
}

bool WriteOlderFile(HullDesign& design, const std::string& path, OlderVersion version,
                    std::string& message) {
  // Version 5 reads a 16 x 16 grid whenever this is set.
  if (version == OlderVersion::kVersion5) design.DesignDimensions[kDimensionBeam] = 0.0;
  if (!SaveFileAtomically(path, FormatOlderText(design, version))) {
    message = CannotSaveMessage(path);
    return false;
  }
  message.clear();
  return true;
}

bool SaveOlderFile(HullDesign& design, const std::string& path, Prompter& prompter,
                   const ChooseOlderVersion& chooseVersion) {
  // The file is written whole through a temporary one, so its type is
  // chosen before the first try.
  const OlderVersion version = chooseVersion ? chooseVersion() : OlderVersion::kVersion6;
  std::string name = path;
  for (;;) {
    std::string message;
    if (WriteOlderFile(design, name, version, message)) {
      design.DesignFileName = name;
      return true;
    }
    prompter.ShowError(message);
    const std::optional<std::string> typed =
        prompter.AskText("File Name ERROR", "Please correct this filename", name);
    if (!typed) return false;
    name = CorrectedOlderName(*typed);
  }
}

}  // namespace skelmora
