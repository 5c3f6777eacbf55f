// skelmora-cli resistance holtrop|savitsky|yacht FILE: resistance and
// effective power at a series of speeds, the hull's inputs overridable.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kResistanceUsage;

// argv[first..] are the arguments after "resistance". Returns 0 on success,
// 1 when the file could not be read or the hull gives no usable inputs, 2
// for bad arguments (the reason on standard error).
int RunResistanceCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
