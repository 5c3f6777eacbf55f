// skelmora-cli curves FILE --drafts FROM:TO:STEP: the hydrostatics at a
// series of drafts.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kCurvesUsage;

// argv[first..] are the arguments after "curves". 0 on success, 1 when the
// file could not be read or the drafts leave the hull, 2 for bad arguments.
int RunCurvesCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
