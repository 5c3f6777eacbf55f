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

// The text a design file holds (CR LF lines), laid out by DesignFileTable;
// with snapshotLayout by SnapshotTable (first line "Undocount=" and
// UndoCount, flags line 1 with the four open flags). A weight of 0 or less
// is written as 1; the design itself is not changed.
std::string FormatDesignText(const HullDesign& design, bool snapshotLayout);

// Sets every weight of 0 or less in the written part of the net to 1, as
// the file writes it: saving and taking a snapshot leave the net as written.
void SetWrittenWeights(HullDesign& design);

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

// Reads one undo snapshot into design: text is what follows its
// "Undocount=" line, up to the end of the history or the next snapshot's
// "Undocount=" line. Since the program wrote it, it must be exactly as the
// writer writes it and end where a whole design ends (its chine block once,
// the last line complete); anything else is a history cut short or
// damaged, and is refused (false, with a message) with the design as it
// was. The surface is the caller's to rebuild.
bool ParseSnapshotText(HullDesign& design, std::string_view text, std::string& message,
                       const std::string& fileName = {});

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
