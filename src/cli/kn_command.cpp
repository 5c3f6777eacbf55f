#include "kn_command.h"

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "curves/cross_curves.h"
#include "design_io.h"
#include "hydro/hydrostatics.h"
#include "json_out.h"
#include "stream_prompter.h"

namespace skelmora::cli {

const char* const kKnUsage =
    "  kn FILE --displacements W1,W2,... --angles FROM:TO:STEP [--json]\n";

namespace {

using nlohmann::json;

std::string Usage() {
  std::string usage = kKnUsage;
  usage.pop_back();
  return "usage: skelmora-cli" + usage.substr(1);
}

}  // namespace

int RunKnCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  std::optional<std::string> weights, range;
  bool asJson = false;
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      asJson = true;
    } else if (arg == "--displacements" || arg == "--angles") {
      if (k + 1 >= argc) {
        err << arg << " needs a value\n" << Usage() << '\n';
        return 2;
      }
      (arg == "--angles" ? range : weights) = argv[++k];
    } else if (arg.rfind("--", 0) == 0) {
      err << "kn does not take " << arg << '\n' << Usage() << '\n';
      return 2;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 1 || !weights || !range) {
    err << Usage() << '\n';
    return 2;
  }
  std::string message;
  const auto displacements = ParseDisplacementList(*weights, message);
  if (!displacements) {
    err << message << '\n';
    return 2;
  }
  const auto triple = ParseRange(*range);
  if (!triple) {
    err << "The angles are not FROM:TO:STEP: " << *range << '\n';
    return 2;
  }
  const auto angles = CheckCrossAngles((*triple)[0], (*triple)[1], (*triple)[2], message);
  if (!angles) {
    err << message << '\n';
    return 2;
  }

  DesignSession session;
  HullDesign& design = session.design;
  StreamPrompter prompter(err);
  if (!Load(positional[0], session, err)) return 1;
  if (!HullGuard(design, *session.surface, prompter)) return 1;
  std::vector<KnPoint> points;
  // What was computed is printed even when a displacement failed; the
  // message names what is missing and the status says it.
  const bool complete = ComputeCrossCurves(design, *session.surface, *session.cuts,
                                           *displacements, *angles, prompter, points, message);
  if (asJson) {
    const bool metric = FactorsFor(design.Units).metric;
    json rows = json::array();
    for (const KnPoint& p : points) {
      rows.push_back({{"displacement", p.displacement}, {"angle", p.angle}, {"kn", p.kn}});
    }
    const json units{{"displacement", metric ? "kg" : "lb"},
                     {"angle", "deg"},
                     {"kn", metric ? "m" : "ft"}};
    out << DumpJson(json{{"rows", std::move(rows)}, {"units", units}, {"complete", complete}})
        << '\n';
  } else {
    out << FormatCrossCurves(points, design.Units, design.DesignFileName);
  }
  if (!complete) {
    err << message << '\n';
    return 1;
  }
  return 0;
}

}  // namespace skelmora::cli
