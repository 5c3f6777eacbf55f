// skelmora-cli transform IN OUT [operations...]: the net editing operations
// applied in order to a design, for scripting series of hulls.
#pragma once

#include <ostream>

namespace skelmora::cli {

// The usage lines of the command, for the program's help.
extern const char* const kTransformUsage;

// argv[first..] are the arguments after "transform". Returns 0 when OUT was
// written, 1 when a file could not be read or written or an operation was
// refused (its message on standard error; OUT is not written), 2 for bad
// arguments.
int RunTransform(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
