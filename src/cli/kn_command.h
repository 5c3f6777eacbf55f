// skelmora-cli kn FILE --displacements W1,W2,... --angles FROM:TO:STEP: the
// cross curves of stability.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kKnUsage;

// argv[first..] are the arguments after "kn". 0 on success, 1 when the file
// could not be read or a displacement cannot be floated, 2 for bad
// arguments.
int RunKnCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
