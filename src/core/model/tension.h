// Spline › "Change spline tension": the degrees of the surface along the
// waterlines (column index) and along the stations (row index).
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// The largest tension the dialog offers in each direction: the number of
// control intervals (LastColumn for the waterlines, LastRow for the
// stations), at most 4 and at least 1.
int MaxWaterlineTension(const HullDesign& design);
int MaxStationTension(const HullDesign& design);

// The dialog's OK: an undo step, both tensions stored (a tension of 1 empties
// that direction's chines), working counts, knots and grid rebuilt. Returns
// false with a message and nothing changed when a value lies outside
// 1..its maximum or the chines would take the working net past 51 entries.
// The caller updates the "Wls.Tension=" / "Sta.Tension=" labels and repaints.
bool ChangeTension(HullDesign& design, Surface& surface, const UndoHistory& history,
                   Prompter& prompter, int waterlineTension, int stationTension);

}  // namespace skelmora
