// skelmora-cli kg-limit FILE.s98 COND.lcd --displacements W1,W2,...: the
// highest VCG at which every criterion (general and weather) holds at each
// displacement, and the criterion that governs it.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kKgLimitUsage;

// 0 when every displacement has a limit; 1 when a file cannot be read or a
// displacement has none (it sinks the hull, or no VCG meets the criteria);
// 2 for bad arguments.
int RunKgLimitCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
