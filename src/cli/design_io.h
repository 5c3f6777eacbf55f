// Reading and writing designs by file extension.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>

#include "cli_args.h"
#include "model/design_session.h"

namespace skelmora::cli {

// The answers to the IGES import's two questions; without them the
// rows stay as they are and the file's own unit is taken.
struct IgesAnswers {
  std::optional<bool> transpose;
  std::optional<bool> inches;
};

// Reads a design by its extension (".s98", ".shl", ".igs"/".iges") into the
// session; evaluates the grid at the design's divisions and computes the
// extents.
bool LoadDesign(const std::string& path, DesignSession& session, std::string& message,
                const IgesAnswers& iges = {});

// LoadDesign with the message on err when it fails.
bool Load(const std::string& path, DesignSession& session, std::ostream& err,
          const IgesAnswers& iges = {});

// What every command does first: Load with the --divisions given.
bool Load(const Args& args, const std::string& path, DesignSession& session, std::ostream& err);

// Whether the command got its count of positional arguments; the usage on
// err when not.
bool Expect(const Args& args, size_t count, const char* usage, std::ostream& err);

// By the extension: ".s98", ".shl" (version 5 or 6) or ".mkr".
bool SaveDesignAs(HullDesign& design, const std::string& path, std::string& message,
                  int shlVersion = 6);

}  // namespace skelmora::cli
