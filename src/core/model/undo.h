// The undo history: whole-design snapshots appended to "undofile.txt" in a
// work directory that only this running copy uses.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

// Counts the step (UndoCount + 1) and appends its snapshot; does nothing
// without an open design. File errors are ignored, as a history is a
// convenience and must never stop an edit.
void TakeSnapshot(HullDesign& design, const std::string& workDirectory);

// Restores the newest snapshot and removes it from the history; rebuilds the
// surface and extents. Returns false (design unchanged) when the history
// holds no such snapshot; UndoCount then drops to 0.
bool Undo(HullDesign& design, Surface& surface, const std::string& workDirectory);

// New design, open, import and save start a new history.
void ResetHistory(HullDesign& design);

}  // namespace skelmora
