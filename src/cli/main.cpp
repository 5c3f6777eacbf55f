// skelmora-cli: the headless front end.
#include <cstring>
#include <iostream>
#include <string>

#include "cli_args.h"
#include "commands.h"
#include "hydro_commands.h"
#include "stability_command.h"
#include "transform_command.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: skelmora-cli COMMAND ...\n"
         "  info FILE [--json]\n"
         "  grid FILE [--divisions NU NV] [--json]\n"
         "  cut station|buttock|waterline C FILE [--divisions NU NV] [--json]\n"
         "  sections FILE [--json]\n"
         "  convert IN OUT\n"
         "  hydro FILE [--json]\n"
         "  drag FILE [--json]\n"
         "  curve areas|lengths FILE [--stations N] [--json]\n"
         "  draft FILE --displacement W [--json] [--out OUT.s98]\n"
      << skelmora::cli::kTransformUsage << skelmora::cli::kStabilityUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace skelmora::cli;
  if (argc < 2) {
    Usage(std::cerr);
    return 2;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    Usage(std::cout);
    return 0;
  }
  // transform parses its own operations.
  if (command == "transform") return RunTransform(argc, argv, 2, std::cout, std::cerr);
  if (command == "stability") return RunStabilityCommand(argc, argv, 2, std::cout, std::cerr);
  Args args;
  std::string message;
  if (!ParseArgs(argc, argv, 2, args, message)) {
    std::cerr << message << '\n';
    return 2;
  }
  if (command == "info") return RunInfo(args, std::cout, std::cerr);
  if (command == "grid") return RunGrid(args, std::cout, std::cerr);
  if (command == "cut") return RunCut(args, std::cout, std::cerr);
  if (command == "sections") return RunSections(args, std::cout, std::cerr);
  if (command == "convert") return RunConvert(args, std::cout, std::cerr);
  if (command == "hydro") return RunHydro(args, std::cout, std::cerr);
  if (command == "drag") return RunDrag(args, std::cout, std::cerr);
  if (command == "curve") return RunCurve(args, std::cout, std::cerr);
  if (command == "draft") return RunDraft(args, std::cout, std::cerr);
  std::cerr << "Unknown command: " << command << '\n';
  Usage(std::cerr);
  return 2;
}
