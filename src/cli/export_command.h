// skelmora-cli export: the CAD exchange files.
#pragma once

#include <ostream>

namespace skelmora::cli {

extern const char* const kExportUsage;

int RunExportCommand(int argc, char** argv, int first, std::ostream& out, std::ostream& err);

}  // namespace skelmora::cli
