// The hydrostatics, drag, curve and draft commands of skelmora-cli.
#pragma once

#include <iosfwd>

#include "cli_args.h"

namespace skelmora::cli {

int RunHydro(const Args& args, std::ostream& out, std::ostream& err);
int RunDrag(const Args& args, std::ostream& out, std::ostream& err);
int RunCurve(const Args& args, std::ostream& out, std::ostream& err);
int RunDraft(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
