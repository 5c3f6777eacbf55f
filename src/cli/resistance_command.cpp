#include "resistance_command.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_args.h"
#include "design_io.h"
#include "files/text_io.h"
#include "hydro/hydrostatics.h"
#include "json_documents.h"
#include "json_out.h"
#include "resistance/hull_inputs.h"
#include "resistance/resistance.h"
#include "resistance/resistance_fields.h"
#include "stream_prompter.h"

namespace skelmora::cli {

const char* const kResistanceUsage =
    "  resistance holtrop|savitsky|yacht FILE [--speeds FROM:TO:STEP] [--json]\n"
    "      [--water salt|fresh] [--lwl M] [--beam M] [--draft M] [--volume M3] [--lcb %L]\n"
    "      [--cm C] [--cwp C] [--wetted M2] [--half-entrance DEG] [--transom-area M2]\n"
    "      [--bulb-area M2] [--bulb-centre M] [--appendage-area M2] [--appendage-factor K]\n"
    "      [--stern-shape C] [--displacement T] [--lcg M] [--chine-beam M] [--deadrise DEG]\n";

namespace {

using nlohmann::json;

std::string Usage() {
  std::string usage = kResistanceUsage;
  usage.pop_back();
  return "usage: skelmora-cli" + usage.substr(1);
}

// Everything the command line says; the one place that reads argv.
struct ResistanceArgs {
  std::vector<std::string> positional;
  bool json = false;
  std::optional<std::array<double, 3>> speeds;
  std::optional<Water> water;
  std::vector<std::pair<const ResistanceField*, double>> overrides;
};

// Nothing with the reason on a bad argument.
std::optional<ResistanceArgs> ParseResistanceArgs(int argc, char** argv, int first,
                                                  std::string& reason) {
  ResistanceArgs args;
  for (int k = first; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--json") {
      args.json = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      args.positional.push_back(arg);
      continue;
    }
    if (k + 1 >= argc) {
      reason = arg + " needs a value";
      return std::nullopt;
    }
    const std::string value = argv[++k];
    if (arg == "--speeds") {
      args.speeds = ParseRange(value);
      if (!args.speeds) {
        reason = "The speeds are not FROM:TO:STEP: " + value;
        return std::nullopt;
      }
      continue;
    }
    if (arg == "--water") {
      if (value != "salt" && value != "fresh") {
        reason = "--water needs salt or fresh: " + value;
        return std::nullopt;
      }
      args.water = value == "salt" ? Water::kSalt : Water::kFresh;
      continue;
    }
    const ResistanceField* option = nullptr;
    for (const ResistanceField& f : ResistanceFields()) {
      if (arg == f.option) option = &f;
    }
    if (!option) {
      reason = "resistance does not take " + arg;
      return std::nullopt;
    }
    const auto number = ParseDouble(value);
    if (!number) {
      reason = arg + " is not a number: " + value;
      return std::nullopt;
    }
    if (const auto bad = CheckFieldValue(*option, *number, arg)) {
      reason = *bad;
      return std::nullopt;
    }
    args.overrides.emplace_back(option, *number);
  }
  return args;
}

std::string Cell(bool valid, double value, int decimals) {
  return valid ? FormatFixed(value, 10, decimals) : std::string(9, ' ') + "-";
}

void WriteText(const ResistanceRun& run, std::ostream& out) {
  out << "Resistance by " << MethodName(run.method) << " (SI: kn, kN, kW)\n";
  for (const ResistanceField& f : ResistanceFields()) {
    if (!UsedBy(f, run.method)) continue;
    out << "  " << (f.option + 2) << ' ' << FormatFixed(run.inputs.*(f.value), 0, 4) << ' '
        << f.unit << '\n';
  }
  out << "  water " << (run.inputs.water == Water::kSalt ? "salt" : "fresh") << '\n';
  if (run.method != ResistanceMethod::kSavitsky) {
    out << "  (cp " << FormatFixed(PrismaticOf(run.inputs), 0, 4) << ", cb "
        << FormatFixed(BlockOf(run.inputs), 0, 4) << ")\n";
  }
  for (const std::string& w : run.warnings) out << "Warning: " << w << '\n';
  const bool savitsky = run.method == ResistanceMethod::kSavitsky;
  // Savitsky's second component is the pressure drag, weight x tan(trim).
  out << "     Speed    Froude  Friction" << (savitsky ? "  Pressure" : "      Wave")
      << "     Total  P.Effect" << (savitsky ? "      Trim   Wetted L" : "") << '\n';
  for (const ResistanceRow& r : run.rows) {
    out << FormatFixed(r.speed, 10, 3) << FormatFixed(r.froude, 10, 3)
        << Cell(r.valid, r.friction, 2) << Cell(r.valid, r.wave, 2) << Cell(r.valid, r.total, 2)
        << Cell(r.valid, r.effectivePower, 1);
    if (savitsky) out << Cell(r.valid, r.trim, 2) << Cell(r.valid, r.wettedLength, 3);
    out << '\n';
  }
}

}  // namespace

int RunResistanceCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err) {
  std::string reason;
  const auto args = ParseResistanceArgs(argc, argv, first, reason);
  if (!args) {
    err << reason << '\n' << Usage() << '\n';
    return 2;
  }
  if (args->positional.size() != 2) {
    err << Usage() << '\n';
    return 2;
  }
  const auto method = MethodNamed(args->positional[0]);
  if (!method) {
    err << "Unknown method: " << args->positional[0] << " (holtrop, savitsky or yacht)\n";
    return 2;
  }
  for (const auto& [option, value] : args->overrides) {
    if (!UsedBy(*option, *method)) {
      err << MethodName(*method) << " does not use " << option->option << '\n';
      return 2;
    }
  }
  std::optional<std::vector<double>> speeds;
  if (args->speeds) {
    speeds = SpeedRange((*args->speeds)[0], (*args->speeds)[1], (*args->speeds)[2], reason);
    if (!speeds) {
      err << reason << ": " << FormatFixed((*args->speeds)[0], 0, 3) << ':'
          << FormatFixed((*args->speeds)[1], 0, 3) << ':' << FormatFixed((*args->speeds)[2], 0, 3)
          << '\n';
      return 2;
    }
  }

  DesignSession session;
  StreamPrompter prompter(err);
  if (!Load(args->positional[1], session, err)) return 1;
  if (!HullGuard(session.design, *session.surface, prompter)) return 1;
  HullResistanceSource source;
  if (!HullResistanceInputs(session.design, *session.surface, *session.cuts, prompter,
                            args->water.value_or(Water::kSalt), source)) {
    return 1;
  }
  ResistanceInputs inputs = source.inputs;
  for (const auto& [option, value] : args->overrides) inputs.*(option->value) = value;
  if (const auto bad = CheckInputs(*method, inputs)) {
    err << *bad << '\n';
    return args->overrides.empty() ? 1 : 2;
  }
  ResistanceRun run =
      ComputeResistance(*method, inputs, speeds ? *speeds : DefaultSpeeds(*method, inputs));
  // The chine taken from the hull: say when it is no hard chine.
  if (*method == ResistanceMethod::kSavitsky && inputs.chineBeam == source.inputs.chineBeam) {
    if (const auto note = ChineNote(source)) run.warnings.insert(run.warnings.begin(), *note);
  }
  if (args->json) {
    out << DumpJson(ResistanceJson(run)) << '\n';
  } else {
    WriteText(run, out);
  }
  return 0;
}

}  // namespace skelmora::cli
