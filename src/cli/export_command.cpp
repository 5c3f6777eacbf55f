#include "export_command.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "design_io.h"
#include "exchange/dxf_file.h"
#include "exchange/hull_mesh.h"
#include "exchange/ghs_file.h"
#include "exchange/iges_file.h"
#include "exchange/offsets_table.h"
#include "exchange/stl_file.h"
#include "files/file_messages.h"
#include "files/text_io.h"

namespace skelmora::cli {

const char* const kExportUsage =
    "  export dxf|stl|iges|ghs|offsets FILE --out OUT [--sides one|both]\n"
    "         [--families stations,waterlines,buttocks,special,net,surface]\n";

namespace {

struct Options {
  std::vector<std::string> positional;
  std::optional<std::string> out;
  bool bothSides = true;
  bool sidesGiven = false;  // iges writes one side unless asked for both
  std::optional<unsigned> families;
};

std::optional<unsigned> ParseFamilies(const std::string& list, std::string& message) {
  static const std::pair<const char*, unsigned> kNames[] = {
      {"stations", kDxfStations}, {"waterlines", kDxfWaterlines}, {"buttocks", kDxfButtocks},
      {"special", kDxfSpecial},   {"net", kDxfNet},               {"surface", kDxfSurface}};
  unsigned families = 0;
  std::stringstream in(list);
  std::string name;
  while (std::getline(in, name, ',')) {
    bool known = false;
    for (const auto& [text, bit] : kNames) {
      if (name == text) {
        families |= bit;
        known = true;
      }
    }
    if (!known) {
      message = "Unknown family: " + name +
                " (stations, waterlines, buttocks, special, net or surface)";
      return std::nullopt;
    }
  }
  if (families == 0) message = "--families needs at least one family";
  if (families == 0) return std::nullopt;
  return families;
}

bool Parse(int argc, char** argv, int first, Options& o, std::string& message) {
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--out" || arg == "--sides" || arg == "--families") {
      if (k + 1 >= argc) {
        message = arg + " needs a value";
        return false;
      }
      const std::string value = argv[++k];
      if (arg == "--out") {
        o.out = value;
      } else if (arg == "--sides") {
        if (value != "one" && value != "both") {
          message = "--sides is one or both: " + value;
          return false;
        }
        o.bothSides = value == "both";
        o.sidesGiven = true;
      } else {
        o.families = ParseFamilies(value, message);
        if (!o.families) return false;
      }
    } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
      message = "Unknown option: " + arg;
      return false;
    } else {
      o.positional.push_back(arg);
    }
  }
  return true;
}

// IGES's "YYYYMMDD.HHNNSS".
std::string UtcTimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d.%H%M%S", &utc);
  return text;
}

}  // namespace

int RunExportCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  (void)out;
  Options o;
  std::string message;
  if (!Parse(argc, argv, first, o, message)) {
    err << message << "\nusage:\n" << kExportUsage;
    return 2;
  }
  if (o.positional.size() != 2 || !o.out) {
    err << "usage:\n" << kExportUsage;
    return 2;
  }
  const std::string& format = o.positional[0];
  if (format != "dxf" && format != "stl" && format != "iges" && format != "ghs" &&
      format != "offsets") {
    err << "Unknown export format: " << format << "\nusage:\n" << kExportUsage;
    return 2;
  }
  if ((format == "ghs" || format == "offsets") && o.sidesGiven) {
    err << format << " has the one side only; --sides is for dxf and iges\n";
    return 2;
  }
  if (format != "dxf" && o.families) {
    err << format << " exports the whole hull; --families is for dxf\n";
    return 2;
  }
  DesignSession session;
  if (!Load(o.positional[1], session, err)) return 1;
  std::string contents;
  if (format == "stl") {
    contents = FormatBinaryStl(BuildHullMesh(*session.surface), session.design.Units);
  } else if (format == "ghs") {
    contents = FormatGhs(session.design, *session.surface, *session.cuts);
  } else if (format == "offsets") {
    contents = FormatOffsetTable(
        session.design, ComputeOffsetTable(session.design, *session.surface, *session.cuts));
  } else if (format == "iges") {
    IgesOptions options;
    options.mirror = o.bothSides && o.sidesGiven;
    options.fileName = std::filesystem::path(*o.out).filename().string();
    options.timeStamp = UtcTimeStamp();
    contents = FormatIges(session.design, *session.surface, options);
  } else {
    DxfOptions options;
    options.bothSides = o.bothSides;
    if (o.families) options.families = *o.families;
    contents = FormatDxf(session.design, *session.surface, *session.cuts, options);
  }
  // The same all-or-nothing write as saving a design.
  if (!SaveFileAtomically(*o.out, contents)) {
    err << CannotSaveMessage(*o.out) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::cli
