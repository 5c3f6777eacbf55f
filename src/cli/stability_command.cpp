#include "stability_command.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "design_io.h"
#include "json_documents.h"
#include "files/file_messages.h"
#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "model/net_edit.h"
#include "stability/ballast_file.h"
#include "stability/criteria.h"
#include "stability/stability_data.h"
#include "stream_prompter.h"

namespace skelmora::cli {

const char* const kStabilityUsage =
    "  stability FILE [--max A] [--step S] [--ballast FILE.bdt] [--shift D]\n"
    "            [--vcg V --lcg L] [--out stabdata.dat] [--json] [--criteria]\n";

namespace {

using nlohmann::json;

struct Options {
  std::vector<std::string> positional;
  double maxHeel = 45.0;
  double step = 5.0;
  std::optional<std::string> ballast;
  double shift = 0.0;
  std::optional<double> vcg;
  std::optional<double> lcg;
  std::optional<std::string> out;
  bool json = false;
  bool criteria = false;
};

bool Parse(int argc, char** argv, int first, Options& o, std::string& message) {
  struct Number {
    const char* option;
    const char* what;
    std::optional<double>* optional;
    double* plain;
  };
  const Number numbers[] = {{"--max", "The maximum heel", nullptr, &o.maxHeel},
                            {"--step", "The heel step", nullptr, &o.step},
                            {"--shift", "The shift", nullptr, &o.shift},
                            {"--vcg", "The VCG", &o.vcg, nullptr},
                            {"--lcg", "The LCG", &o.lcg, nullptr}};
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      o.json = true;
      continue;
    }
    if (arg == "--criteria") {
      o.criteria = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      o.positional.push_back(arg);
      continue;
    }
    const Number* number = nullptr;
    for (const Number& n : numbers) {
      if (arg == n.option) number = &n;
    }
    if (!number && arg != "--ballast" && arg != "--out") {
      message = "Unknown option: " + arg;
      return false;
    }
    if (k + 1 >= argc) {
      message = arg + " needs a value";
      return false;
    }
    const std::string value = argv[++k];
    if (arg == "--ballast") {
      o.ballast = value;
    } else if (arg == "--out") {
      o.out = value;
    } else {
      const std::optional<double> parsed = ParseDouble(value);
      if (!parsed) {
        message = std::string(number->what) + " is not a number: " + value;
        return false;
      }
      if (number->optional) {
        *number->optional = parsed;
      } else {
        *number->plain = *parsed;
      }
    }
  }
  if (o.positional.size() != 1) {
    std::string usage = kStabilityUsage;
    usage.pop_back();
    message = "usage: skelmora-cli" + usage.substr(1);
    return false;
  }
  if (o.vcg.has_value() != o.lcg.has_value()) {
    message = "--vcg and --lcg are given together (the centre of gravity set by hand)";
    return false;
  }
  return true;
}

}  // namespace

int RunStabilityCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  Options o;
  std::string message;
  if (!Parse(argc, argv, first, o, message)) {
    err << message << '\n';
    return 2;
  }
  const std::optional<HeelSteps> heel = CheckHeelInputs(o.maxHeel, o.step, message);
  if (!heel) {
    err << message << '\n';
    return 2;
  }

  DesignSession session;
  HullDesign& design = session.design;
  Surface& surface = *session.surface;
  StreamPrompter prompter(err);
  if (!Load(o.positional[0], session, err)) return 1;

  StabilityInputs inputs;
  inputs.heel = *heel;
  BallastTable table = BallastTable::Reset();
  if (o.ballast && !ReadBallastFile(*o.ballast, table, message)) {
    err << message << '\n';
    return 1;
  }
  if (!BallastItems(table, inputs.ballast, message)) {
    err << message << '\n';
    return 1;
  }
  // The shift lowers the hull and the ballast with it.
  for (BallastItem& item : inputs.ballast) item.height -= o.shift;
  if (o.shift != 0.0 && !RaiseHull(design, surface, -o.shift)) {
    err << kNetOverflowMessage << '\n';
    return 1;
  }
  if (!HullGuard(design, surface, prompter)) return 1;
  if (o.vcg) {
    if (!CheckCentreOfGravity(*o.vcg, *o.lcg, surface.extents, message)) {
      err << message << '\n';
      return 2;
    }
    inputs.manualCentre = true;
    inputs.manualVcg = *o.vcg;
    inputs.manualLcg = *o.lcg;
  }

  StabilityRecords records = StabilityRecordsOf(session);
  const StabilityRun run = RunStability(records, inputs, prompter);
  if (!run.ok) return 1;
  const std::string data = FormatStabilityData(run, design.DesignFileName, design.Units);
  if (o.out && !SaveFileAtomically(*o.out, data)) {
    err << CannotSaveMessage(*o.out) << '\n';
    return 1;
  }
  const std::vector<Criterion> criteria = EvaluateCriteria(run, design.Units);
  if (o.json) {
    out << StabilityJson(run, design.Units, criteria).dump() << '\n';
  } else {
    out << data;
    if (o.criteria) out << "\r\n" << FormatCriteria(criteria);
  }
  // Rows not found are not results: the run did not reach its target.
  const std::string notFound = NotFoundMessage(run);
  if (!notFound.empty()) {
    err << notFound << '\n';
    return 1;
  }
  return o.criteria && !AllCriteriaPass(criteria) ? 3 : 0;
}

}  // namespace skelmora::cli
