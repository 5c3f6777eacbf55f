// Making and removing chines (creases) on a picked row or column. The views
// hand over the picked vertex's column (vertical chine) or row (horizontal
// chine) with PressAction::kChineColumn / kChineRow and friends, having
// already ignored picks on the last column or row and disarmed the mode.
//
// Each returns true when the chine list changed; it then has taken its undo
// step and rebuilt the working counts, knots and grid. A refusal shows its
// message and changes nothing (no undo step). The caller repaints.
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

enum class ChineKind {
  kColumn,  // "Vertical": a chined column
  kRow,     // "Horizontal": a chined row
};

// The guards a chine command checks when it is chosen, before any pick:
// no chine on a tension of 1, no removal from an empty list. Each shows
// its message when it refuses.
bool CanMakeChine(HullDesign& design, Prompter& prompter, ChineKind kind);
bool CanDeleteChine(HullDesign& design, Prompter& prompter, ChineKind kind);

// Adds the chine and keeps the list sorted. Refused: tension 1 in that
// direction, the first or last index, a full list of 10, a line already
// chined, and a chine that would take the working net past 51 entries.
bool MakeChine(HullDesign& design, Surface& surface, const UndoHistory& history,
               Prompter& prompter, ChineKind kind, int index);

// Removes the chine on that row or column. Refused when the list is empty or
// the line is not chined.
bool DeleteChine(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter, ChineKind kind, int index);

}  // namespace skelmora
