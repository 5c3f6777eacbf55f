// skelmora-cli: the headless front end.
#include <iostream>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"
#include "condition_command.h"
#include "kg_limit_command.h"
#include "export_command.h"
#include "fair_command.h"
#include "hydro_commands.h"
#include "curves_command.h"
#include "kn_command.h"
#include "new_command.h"
#include "resistance_command.h"
#include "stability_command.h"
#include "transform_command.h"

namespace {

using skelmora::cli::Args;

struct Command {
  const char* name;
  const char* usage;                 // after the command name
  std::vector<std::string> options;  // the options it takes
  int (*run)(const Args&, std::ostream&, std::ostream&);
};

const std::vector<Command>& Commands() {
  using namespace skelmora::cli;
  static const std::vector<Command> commands = {
      {"info", "FILE [--json]", {"--json"}, RunInfo},
      {"grid", "FILE [--divisions NU NV] [--json]", {"--divisions", "--json"}, RunGrid},
      {"cut",
       "station|buttock|waterline C FILE [--divisions NU NV] [--json]",
       {"--divisions", "--json"},
       RunCut},
      {"sections", "FILE [--json]", {"--json"}, RunSections},
      {"convert",
       "IN OUT [--shl-version 5|6] [--iges-transpose yes|no] [--iges-units in|mm]",
       {"--shl-version", "--iges-transpose", "--iges-units"},
       RunConvert},
      {"ghs", "FILE.GF1 [--units F|M] --out tempdata", {"--units", "--out"}, RunGhs},
      {"hydro", "FILE [--json]", {"--json"}, RunHydro},
      {"drag", "FILE [--json]", {"--json"}, RunDrag},
      {"curve", "areas|lengths FILE [--stations N] [--json]", {"--stations", "--json"}, RunCurve},
      {"draft",
       "FILE --displacement W [--json] [--out OUT.s98]",
       {"--displacement", "--json", "--out"},
       RunDraft},
      {"fair", kFairUsage, {"--view", "--json"}, RunFair},
  };
  return commands;
}

void Usage(std::ostream& out) {
  out << "usage: skelmora-cli COMMAND ...\n";
  for (const Command& command : Commands()) {
    out << "  " << command.name << ' ' << command.usage << '\n';
  }
  out << skelmora::cli::kTransformUsage << skelmora::cli::kStabilityUsage
      << skelmora::cli::kExportUsage
      << skelmora::cli::kNewUsage << skelmora::cli::kCurvesUsage << skelmora::cli::kKnUsage
      << skelmora::cli::kResistanceUsage << skelmora::cli::kConditionUsage
      << skelmora::cli::kKgLimitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace skelmora::cli;
  if (argc < 2) {
    Usage(std::cerr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    Usage(std::cout);
    return 0;
  }
  // transform parses its own operations.
  if (name == "transform") return RunTransform(argc, argv, 2, std::cout, std::cerr);
  if (name == "stability") return RunStabilityCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "export") return RunExportCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "new") return RunNew(argc, argv, 2, std::cout, std::cerr);
  if (name == "deck") return RunDeck(argc, argv, 2, std::cout, std::cerr);
  if (name == "curves") return RunCurvesCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "condition") return RunConditionCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "kg-limit") return RunKgLimitCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "kn") return RunKnCommand(argc, argv, 2, std::cout, std::cerr);
  if (name == "resistance") return RunResistanceCommand(argc, argv, 2, std::cout, std::cerr);
  for (const Command& command : Commands()) {
    if (name != command.name) continue;
    Args args;
    std::string message;
    if (!ParseArgs(argc, argv, 2, args, message)) {
      std::cerr << message << '\n';
      return 2;
    }
    // An option the command would ignore is a mistake in the script.
    if (const auto unexpected = UnexpectedOption(args, command.options)) {
      std::cerr << name << " does not take " << *unexpected << "\nusage: skelmora-cli " << name
                << ' ' << command.usage << '\n';
      return 2;
    }
    return command.run(args, std::cout, std::cerr);
  }
  std::cerr << "Unknown command: " << name << '\n';
  Usage(std::cerr);
  return 2;
}
