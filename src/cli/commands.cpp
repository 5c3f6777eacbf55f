#include "commands.h"

#include <memory>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "design_io.h"
#include "files/file_messages.h"
#include "files/ghs_import.h"
#include "files/text_io.h"
#include "model/silent_prompter.h"
#include "json_out.h"
#include "surface/sections.h"

namespace skelmora::cli {

namespace {

using nlohmann::json;

// The design and its derived records, loaded from the first file argument.
using Loaded = DesignSession;

json PointJson(const SurfacePoint& p) { return json::array({p.u, p.v, p.x, p.y, p.z}); }

template <typename Container>
json IntList(const Container& values, int count) {
  json list = json::array();
  for (int k = 0; k < count; ++k) list.push_back(values[k]);
  return list;
}

void Print(const json& document, bool asJson, std::ostream& out) {
  if (asJson) {
    out << DumpJson(document) << '\n';
    return;
  }
  // Plain text: one "key: value" line per top-level member.
  const json clean = CleanJson(document);
  for (const auto& [key, value] : clean.items()) out << key << ": " << value.dump() << '\n';
}

json PlacementJson(const SectionPlacement& placement) {
  json positions = json::array();
  for (int k = 1; k <= placement.count; ++k) positions.push_back(placement.At(k));
  return positions;
}

}  // namespace

int RunInfo(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 1, "info FILE [--json]", err)) return 2;
  Loaded loaded;
  if (!Load(args, args.positional[0], loaded, err)) return 1;
  const HullDesign& d = loaded.design;
  const HullExtents& e = loaded.surface->extents;
  json doc;
  doc["units"] = d.Units;
  doc["lastColumn"] = d.LastColumn;
  doc["lastRow"] = d.LastRow;
  doc["waterlineTension"] = d.WaterlineTension;
  doc["stationTension"] = d.StationTension;
  doc["workingLastColumn"] = WorkingLastColumn(d);
  doc["workingLastRow"] = WorkingLastRow(d);
  doc["columnChines"] = IntList(d.ColumnChines, d.ColumnChineCount);
  doc["rowChines"] = IntList(d.RowChines, d.RowChineCount);
  doc["extents"] = {{"hullLength", e.hullLength},
                    {"halfBreadth", e.halfBreadth},
                    {"highestZ", e.highestZ},
                    {"lowestZ", e.lowestZ},
                    {"depth", e.depth}};
  Print(doc, args.json, out);
  return 0;
}

int RunGrid(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 1, "grid FILE [--divisions NU NV] [--json]", err)) return 2;
  Loaded loaded;
  if (!Load(args, args.positional[0], loaded, err)) return 1;
  const Surface& s = *loaded.surface;
  json grid = json::array();
  for (int i = 0; i <= s.columnDivisions; ++i) {
    json column = json::array();
    for (int j = 0; j <= s.rowDivisions; ++j) column.push_back(PointJson(s.grid[i][j]));
    grid.push_back(std::move(column));
  }
  json doc;
  doc["columnDivisions"] = s.columnDivisions;
  doc["rowDivisions"] = s.rowDivisions;
  doc["grid"] = std::move(grid);
  Print(doc, args.json, out);
  return 0;
}

int RunCut(const Args& args, std::ostream& out, std::ostream& err) {
  const char* usage = "cut station|buttock|waterline C FILE [--divisions NU NV] [--json]";
  if (!Expect(args, 3, usage, err)) return 2;
  const std::string& kind = args.positional[0];
  if (kind != "station" && kind != "buttock" && kind != "waterline") {
    err << "Unknown section kind: " << kind << " (station, buttock or waterline)\n";
    return 2;
  }
  const auto position = ParseDouble(args.positional[1]);
  if (!position) {
    err << "The cut position is not a number: " << args.positional[1] << '\n';
    return 2;
  }
  Loaded loaded;
  if (!Load(args, args.positional[2], loaded, err)) return 1;
  CutBuffers& buffers = *loaded.cuts;
  CutResult result;
  if (kind == "station") {
    result = CutStation(loaded.design, *loaded.surface, buffers, *position);
  } else if (kind == "buttock") {
    result = CutButtock(loaded.design, *loaded.surface, buffers, *position);
  } else {
    result = CutWaterline(loaded.design, *loaded.surface, buffers, *position);
  }
  json points = json::array();
  if (result.last >= 1) {
    for (int k = 0; k <= result.last; ++k) points.push_back(PointJson(buffers.section[k]));
  }
  json loop = json::array();
  if (result.loopLast >= 1) {
    for (int k = 0; k <= result.loopLast; ++k) loop.push_back(PointJson(buffers.loop[k]));
  }
  json doc;
  doc["kind"] = kind;
  doc["position"] = *position;
  doc["last"] = result.last;
  doc["loopLast"] = result.loopLast;
  doc["points"] = std::move(points);
  if (kind == "waterline") doc["pieceEnds"] = IntList(buffers.pieceEnds, buffers.pieceCount);
  doc["loop"] = std::move(loop);
  Print(doc, args.json, out);
  return 0;
}

int RunSections(const Args& args, std::ostream& out, std::ostream& err) {
  if (!Expect(args, 1, "sections FILE [--json]", err)) return 2;
  Loaded loaded;
  if (!Load(args, args.positional[0], loaded, err)) return 1;
  HullDesign& d = loaded.design;
  CutBuffers& buffers = *loaded.cuts;
  const SectionPlacement stations = StationPositions(d, *loaded.surface, buffers);
  const SectionPlacement waterlines = WaterlinePositions(d, *loaded.surface);
  const SectionPlacement buttocks = ButtockPositions(d, *loaded.surface);
  json doc;
  doc["stations"] = PlacementJson(stations);
  doc["waterlines"] = PlacementJson(waterlines);
  doc["buttocks"] = PlacementJson(buttocks);
  doc["stationCount"] = d.StationCount;
  doc["stationSpacing"] = d.StationSpacing;
  doc["waterlineCount"] = d.WaterlineCount;
  doc["waterlineSpacing"] = d.WaterlineSpacing;
  doc["buttockCount"] = d.ButtockCount;
  doc["buttockSpacing"] = d.ButtockSpacing;
  Print(doc, args.json, out);
  return 0;
}

namespace {
constexpr const char* kConvertUsage =
    "convert IN OUT [--shl-version 5|6] [--iges-transpose yes|no] [--iges-units in|mm]";
}  // namespace

int RunConvert(const Args& args, std::ostream&, std::ostream& err) {
  if (!Expect(args, 2, kConvertUsage, err)) return 2;
  Loaded loaded;
  if (!Load(args, args.positional[0], loaded, err)) return 1;
  std::string message;
  if (!SaveDesignAs(loaded.design, args.positional[1], message, args.shlVersion.value_or(6))) {
    err << message << '\n';
    return 1;
  }
  return 0;
}

int RunGhs(const Args& args, std::ostream&, std::ostream& err) {
  constexpr const char* kUsage = "ghs FILE.GF1 [--units F|M] --out tempdata";
  if (!Expect(args, 1, kUsage, err)) return 2;
  if (!args.out) {
    err << "usage: skelmora-cli " << kUsage << '\n';
    return 2;
  }
  std::string ghs;
  std::string message;
  if (!ReadGhsFileText(args.positional[0], ghs, message)) {
    err << message << '\n';
    return 1;
  }
  const GhsUnits units = !args.units        ? GhsUnits::kAsk
                         : *args.units == 'F' ? GhsUnits::kFeet
                                              : GhsUnits::kMetres;
  HullDesign design;
  SilentPrompter nobody;  // nobody to ask: a file without units needs --units
  std::string text;
  switch (ConvertGhsText(ghs, design, nobody, units, text, message)) {
    case GhsConvert::kDone:
      break;
    case GhsConvert::kCancelled:
      err << "No UNITS were found in " << args.positional[0] << ": give --units F or M\n";
      return 1;
    case GhsConvert::kFailed:
      err << message << '\n';
      return 1;
  }
  if (!SaveFileAtomically(*args.out, text)) {
    err << CannotSaveMessage(*args.out) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::cli
