// skelmora-cli fair: one line of the hull sampled and its curvature, as the
// fairing dialogs plot them, with the count of inflections for a script.
#pragma once

#include <iosfwd>

#include "cli_args.h"

namespace skelmora::cli {

// After the command name.
inline constexpr const char* kFairUsage =
    "column|row|sheer|fairbody|chine N FILE [--view body|plan|profile] [--json]";

int RunFair(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
