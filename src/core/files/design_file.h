// The ".s98" hull design file: writer, reader and the save flow's choice of format.
#pragma once

#include <functional>
#include <string>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// The text a design file holds (CR LF lines). With snapshotFlags the first
// line is "Undocount=" and UndoCount, and flags line 1 carries the four
// open flags instead of the draw flags (the undo snapshot layout).
// Weights of 0 or less are written as 1 and set to 1 in the design.
std::string FormatDesignText(HullDesign& design, bool snapshotLayout);

// Writes beside the file, then renames over it, so a failed save leaves the
// old file intact. On failure returns false with
// "Cannot save the file: " + path in message.
bool WriteDesignFile(HullDesign& design, const std::string& path, std::string& message);

// Reads into a copy of the design and commits only when the file is sound;
// then runs the working counts, knots and grid. On failure the design is
// untouched and message holds the text shown to the user.
bool ReadDesignFile(HullDesign& design, Surface& surface, const std::string& path,
                    std::string& message);

// Same as ReadDesignFile but from text already in memory.
bool ParseDesignText(HullDesign& design, Surface& surface, const std::string& text,
                     std::string& message);

// Save flow, from the optional confirmation through the history reset.
// writeOlder writes the older ".shl" layout under the design's file name and
// returns false with a message when it fails; without it the design is
// saved in this format. Returns true when a file was written.
struct SaveOptions {
  bool confirm = false;  // ask "Save Design to Disk?" first
  std::function<bool(HullDesign&, const std::string& path, std::string& message)> writeOlder;
};
bool SaveDesign(HullDesign& design, Prompter& prompter, const SaveOptions& options);

}  // namespace skelmora
