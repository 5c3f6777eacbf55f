// skelmora-cli condition FILE.s98 COND.lcd: where a loading condition
// floats, its tanks, and at free trim its righting levers and criteria.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kConditionUsage;

// argv[first..] are the arguments after "condition". 0 on success; 1 when a
// file cannot be read or the condition is refused (sinks, capsizes, weighs
// nothing); 2 for bad arguments; 3 with --criteria when a criterion fails.
int RunConditionCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
