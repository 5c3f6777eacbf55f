// The commands of skelmora-cli. Each returns the process exit status and
// writes its result to out, or the user-visible message to err.
#pragma once

#include <iosfwd>

#include "cli_args.h"

namespace skelmora::cli {

int RunInfo(const Args& args, std::ostream& out, std::ostream& err);
int RunGrid(const Args& args, std::ostream& out, std::ostream& err);
int RunCut(const Args& args, std::ostream& out, std::ostream& err);
int RunSections(const Args& args, std::ostream& out, std::ostream& err);
int RunConvert(const Args& args, std::ostream& out, std::ostream& err);
// The GHS geometry file as the reference hull's point file.
int RunGhs(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
