// The older ".shl" hull file, versions 5 and 6: reader, writer and the
// writer's file-name loop. Both layouts are tables over the design file's
// machinery (files/layout_table.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

enum class OlderVersion { kVersion5 = 5, kVersion6 = 6 };

// The text an older file of that version holds (CR LF lines). Version 5
// carries the net, tensions, chines, units and the six design dimensions;
// version 6 everything of the design file but the weights, the special
// sections' lists and the trailing chine block (its chines come after the
// header). For version 5 the second design dimension must be 0 (the writer
// sees to it) for the net to be written at its own size.
std::string FormatOlderText(const HullDesign& design, OlderVersion version);

enum class OlderRead {
  kRead,     // the design is the file's
  kRefused,  // message says why; the design is untouched
  kCurrent,  // the file is really a ".s98" design (handled as below)
};

struct OlderReadOptions {
  // A ".shl" that holds a current-format design is renamed to ".s98" on
  // disk, the user is told to reopen it, and no design is open afterwards.
  // Without it (the CLI) the file is left alone and the read refused.
  bool renameCurrentFormat = true;
};

// Reads a version 5 or 6 file (the first line's length decides) into a copy
// of the design and commits only a sound one; then the working counts,
// knots and grid. Out-of-range counts are refused as the design file
// refuses them. Version 5: tensions are truncated reals, a chine marker
// other than "N" means no chines (all slots 999), a non-zero second design
// dimension means a 16 x 16 vertex grid; colours, flags and settings stay
// as they were. DesignFileName is the caller's to set.
OlderRead ParseOlderText(HullDesign& design, Surface& surface, std::string_view text,
                         std::string& message, const std::string& fileName = {});

// The file at path. kCurrent: with renameCurrentFormat the file is renamed
// (never over an existing file), the user told through prompter and
// design.DesignOpen cleared; otherwise refused with a message.
OlderRead ReadOlderFile(HullDesign& design, Surface& surface, const std::string& path,
                        Prompter& prompter, std::string& message,
                        const OlderReadOptions& options = {});

// The name a current-format ".shl" file is given: its last ".shl" (any
// case) becomes ".s98", or ".s98" is appended.
std::string CurrentFormatName(const std::string& path);

// The name typed in the "File Name ERROR" box made into an older file's
// name: in its last part, five characters from the first "." on are
// dropped, and ".shl" is appended.
std::string CorrectedOlderName(const std::string& typed);

// Writes the older file under path (beside it first, then renamed over it).
// Version 5 first sets the second design dimension to 0 in the design.
// False with "Cannot save the file: " + path when it cannot be written.
bool WriteOlderFile(HullDesign& design, const std::string& path, OlderVersion version,
                    std::string& message);

// The save flow's older branch: the "File Type" choice, then the write;
// where it fails, "Cannot save the file: " + the name and the "File Name
// ERROR" box until a name can be written or the box is cancelled. True when
// written; DesignFileName becomes the name written.
using ChooseOlderVersion = std::function<OlderVersion()>;
bool SaveOlderFile(HullDesign& design, const std::string& path, Prompter& prompter,
                   const ChooseOlderVersion& chooseVersion);

}  // namespace skelmora
