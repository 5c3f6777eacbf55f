// The ".s98" hull design file: writer, reader and the save flow's choice of format.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "files/text_io.h"
#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// The text a design file holds (CR LF lines). With snapshotLayout the first
// line is "Undocount=" and UndoCount, and flags line 1 carries the four
// open flags instead of the draw flags (the undo snapshot layout).
// Weights of 0 or less are written as 1 and set to 1 in the design.
std::string FormatDesignText(HullDesign& design, bool snapshotLayout);

// Writes beside the file, then renames over it, so a failed save leaves the
// old file intact. On failure returns false with
// "Cannot save the file: " + path in message.
bool WriteDesignFile(HullDesign& design, const std::string& path, std::string& message);

// Reads into a copy of the design and commits only when the file is sound;
// then runs the working counts, knots and grid. Refused, with a message
// naming the problem: a net beyond 51 x 51, a tension below 1, more than 10
// chines a way, chines not strictly inside the net in ascending order or
// expanding past 51 working columns or rows, special-section counts beyond
// their lists, a file that ends before the perspective angles. A file that
// ends before the chine block has no chines. On failure the design is
// untouched. DesignFileName and the history are the caller's to set.
bool ReadDesignFile(HullDesign& design, Surface& surface, const std::string& path,
                    std::string& message);

// Same as ReadDesignFile but from text already in memory; fileName only
// names the source in messages.
bool ParseDesignText(HullDesign& design, Surface& surface, std::string_view text,
                     std::string& message, const std::string& fileName = {});

// What the design reader and the undo share: everything after the first
// line, read into design (ResetNet, DesignOpen, transient flags cleared
// first). With snapshot set a line containing "Undocount" (the next
// snapshot) also ends the chine blocks. Returns false with a message when
// the text cannot be a design; design may then be partly filled, so read
// into a copy.
bool ReadDesignBody(HullDesign& design, LineReader& reader, bool snapshot,
                    const std::string& fileName, std::string& message);

// Save flow, from the optional confirmation through the history reset.
// writeOlder writes the older ".shl" layout under the design's file name and
// returns false with a message when it fails; without it the design is
// saved in this format and the older-format question is not asked.
// Returns true when a file was written; a failure is shown with ShowError.
struct SaveOptions {
  bool confirm = false;  // ask "Save Design to Disk?" first
  std::function<bool(HullDesign&, const std::string& path, std::string& message)> writeOlder;
};
bool SaveDesign(HullDesign& design, Prompter& prompter, const SaveOptions& options);

}  // namespace skelmora
