// skelmora-cli new TYPE ... --out FILE.s98: a design from the parametric
// generators with the new-design dialogs' fields as options; and
// skelmora-cli deck IN OUT --camber C: the deck rows added to a hull.
#pragma once

#include <ostream>

namespace skelmora::cli {

// The usage lines of both commands, for the program's help.
extern const char* const kNewUsage;

// argv[first..] are the arguments after "new" / "deck". 0 when OUT was
// written; 1 when the generator or the deck refused (the dialog's message
// on standard error) or a file could not be read or written; 2 for bad
// arguments.
int RunNew(int argc, char** argv, int first, std::ostream& out, std::ostream& err);
int RunDeck(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
