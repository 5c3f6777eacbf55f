// The undo history: whole-design snapshots appended to "undofile.txt" in a
// work directory that only this running copy uses.
#pragma once

#include <filesystem>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

// Counts the step (UndoCount + 1) and appends its snapshot; does nothing
// without an open design. The first step of a history starts a new file.
// File errors are ignored, as a history is a convenience and must never
// stop an edit; a step that was not written is caught by Undo. An empty
// work directory means no history at all (a batch run): nothing is written
// and the count stays as it is.
void TakeSnapshot(HullDesign& design, const std::filesystem::path& workDirectory);

// Restores the newest snapshot and removes it from the history; rebuilds the
// surface and extents, and the three curve spacings return to 0. Returns
// false with the design unchanged when the history is missing, does not hold
// snapshot UndoCount, or holds it damaged or cut short (not exactly as the
// writer wrote it, or not ending where a whole design ends); UndoCount then
// drops to 0 (so Undo disables) and the next snapshot starts a new file.
bool Undo(HullDesign& design, Surface& surface, const std::filesystem::path& workDirectory);

// New design, open, import and save start a new history.
void ResetHistory(HullDesign& design);

}  // namespace skelmora
