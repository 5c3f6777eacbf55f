// Reading and writing designs by file extension.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "cli_args.h"
#include "model/design_session.h"

namespace skelmora::cli {

// Reads a design by its extension (".s98", ".shl") into the session; evaluates the grid at
// the design's divisions and computes the extents.
bool LoadDesign(const std::string& path, DesignSession& session, std::string& message);

// What every command does first: LoadDesign with the --divisions given,
// the message on err when it fails.
bool Load(const Args& args, const std::string& path, DesignSession& session, std::ostream& err);

// Whether the command got its count of positional arguments; the usage on
// err when not.
bool Expect(const Args& args, size_t count, const char* usage, std::ostream& err);

// By the extension: ".s98", ".shl" (version 5 or 6) or ".mkr".
bool SaveDesignAs(HullDesign& design, const std::string& path, std::string& message,
                  int shlVersion = 6);

}  // namespace skelmora::cli
