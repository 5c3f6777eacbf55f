// Inserting and deleting whole rows and columns of the vertex net. Each keeps
// the chine lists on the same physical rows and columns, takes its undo step
// before it changes anything and ends with the working counts, knots and grid
// rebuilt. The extents are left as they were: the caller clears ExtentsValid
// and repaints the open views.
//
// Each returns true when the net changed. A refusal shows its message through
// the prompter and changes nothing (no undo step either). Without an open
// design they do nothing.
//
// The row and column move of a held vertex is MoveLine (views/picking.h).
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

inline constexpr const char* kTooFewToDelete = "Cannot Delete - Too few vertices would remain.";
inline constexpr const char* kTooManyRows =
    "Max of 50 ROWS OF VERTICES allowed. Cannot add this row";
inline constexpr const char* kTooManyColumns =
    "Max of 50 COLUMNS OF VERTICES allowed. Cannot add this Column";

// The guard of the delete commands, checked when they are armed and again by
// the delete itself: a row can go only while LastRow > StationTension + 1,
// a column only while LastColumn > WaterlineTension + 1.
bool CanDeleteRow(const HullDesign& design, Prompter& prompter);
bool CanDeleteColumn(const HullDesign& design, Prompter& prompter);

// A new row between rows `row` and row + 1, at their midpoint with weight 1.
// Refused above the top row (it would average with the cleared vertices
// beyond it) and when the working net would pass 51 rows.
bool InsertRowAbove(HullDesign& design, Surface& surface,
                    const UndoHistory& history, Prompter& prompter, int row);

// A new column between columns `column` and column + 1; as InsertRowAbove.
bool InsertColumnAfter(HullDesign& design, Surface& surface,
                       const UndoHistory& history, Prompter& prompter, int column);

// Removes the row; a chine on it goes, chines above it move down one. A chine
// that would end up on the first or last row is dropped (an edge cannot be
// chined). The vacated top row is cleared to (0, 0, 0, 1).
bool DeleteRow(HullDesign& design, Surface& surface, const UndoHistory& history,
               Prompter& prompter, int row);

bool DeleteColumn(HullDesign& design, Surface& surface, const UndoHistory& history,
                  Prompter& prompter, int column);

}  // namespace skelmora
