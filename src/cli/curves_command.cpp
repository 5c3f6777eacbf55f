#include "curves_command.h"

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "curves/hydrostatic_curves.h"
#include "design_io.h"
#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "json_out.h"
#include "stream_prompter.h"

namespace skelmora::cli {

const char* const kCurvesUsage = "  curves FILE --drafts FROM:TO:STEP [--json]\n";

namespace {

using nlohmann::json;

std::string Usage() {
  std::string usage = kCurvesUsage;
  usage.pop_back();
  return "usage: skelmora-cli" + usage.substr(1);
}

}  // namespace

int RunCurvesCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  std::optional<std::string> range;
  bool asJson = false;
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      asJson = true;
    } else if (arg == "--drafts") {
      if (k + 1 >= argc) {
        err << "--drafts needs a value\n" << Usage() << '\n';
        return 2;
      }
      range = argv[++k];
    } else if (arg.rfind("--", 0) == 0) {
      err << "curves does not take " << arg << '\n' << Usage() << '\n';
      return 2;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 1 || !range) {
    err << Usage() << '\n';
    return 2;
  }
  const auto triple = ParseRange(*range);
  if (!triple) {
    err << "The drafts are not FROM:TO:STEP: " << *range << '\n';
    return 2;
  }
  std::string message;
  const auto drafts = DraftSeries((*triple)[0], (*triple)[1], (*triple)[2], message);
  if (!drafts) {
    err << message << '\n';
    return 2;
  }

  DesignSession session;
  HullDesign& design = session.design;
  StreamPrompter prompter(err);
  if (!Load(positional[0], session, err)) return 1;
  if (!HullGuard(design, *session.surface, prompter)) return 1;
  // No draft change lies between a keel and a deck edge at one height: say
  // that, rather than offer the empty range between them.
  const double keel = session.surface->extents.lowestZ;
  const double deckEdge = GridLowestTop(*session.surface);
  if (!(deckEdge > keel)) {
    err << "The hull in " << positional[0] << " has no depth: its keel and the lowest point of "
        << "its deck edge are both at " << FormatEcho(keel, 3)
        << ", so there is no draft to compute curves at.\n";
    return 1;
  }
  std::vector<CurveRow> rows;
  if (!ComputeHydrostaticCurves(design, *session.surface, *session.cuts, *drafts, prompter,
                                rows, message)) {
    err << message << '\n';
    return 1;
  }
  if (asJson) {
    json list = json::array();
    json units = json::object();
    for (const CurveRow& row : rows) {
      json item = json::object();
      for (const ResultField& field : CurveRowFields(row, design.Units)) {
        item[field.name] = field.value;
        units[field.name] = field.unit;
      }
      list.push_back(std::move(item));
    }
    out << DumpJson(json{{"rows", std::move(list)}, {"units", std::move(units)}}) << '\n';
  } else {
    out << FormatCurveRows(rows, design.Units, design.DesignFileName);
  }
  return 0;
}

}  // namespace skelmora::cli
