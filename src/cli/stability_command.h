// skelmora-cli stability FILE [options]: the large-angle stability run, its
// data file and the intact-stability criteria.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kStabilityUsage;

// argv[first..] are the arguments after "stability". Returns 0 on success,
// 1 when a file could not be read or written or the run failed (the message
// on standard error), 2 for bad arguments or refused heel inputs, 3 with
// --criteria when a criterion fails.
int RunStabilityCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
