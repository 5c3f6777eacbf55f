// Tools › "Stretch / shrink hull..." and "Shift hull...": whole-net scaling
// and shifting. Each takes an undo step, changes the vertices and ends with
// the grid evaluated and the extents recomputed; the caller repaints.
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

enum class StretchMode {
  kSetDimension,    // "Set Dimension": the value is the new size
  kScaleByPercent,  // "Scale By Percent": factor 1 + value / 100
};

enum class HullParameter {
  kOverall,    // "Overall Size": x, y and z
  kLength,     // "Length Overall": y
  kHalfBeam,   // "Half Beam": x
  kFreeboard,  // "Freeboard": z above 0
  kDraft,      // "Draft": z below 0
};

// What "Set Dimension" shows and divides by: the length of the net (largest
// minus smallest vertex y) for the first two, else the design's principal
// dimension (DesignDimensions: entered for a parametric hull, measured by the
// hydrostatics; 0 when neither has happened).
double StretchCurrentValue(const HullDesign& design, HullParameter parameter);

// The dialog's OK. Refused with a message, changing nothing, when "Set
// Dimension" finds the current value 0 (no factor exists), when the factor
// would not be positive (the hull would collapse or mirror), when the value
// is not a number, or when a scaled coordinate would not fit the net
// (kNetOverflowMessage, model/net_edit.h). Afterwards the station spacing returns to 0 for
// overall and length, the waterline spacing for overall, draft and freeboard.
bool StretchHull(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter, StretchMode mode, HullParameter parameter, double value);

enum class ShiftKind {
  kBowToZero,  // "Shift Bow to Zero": the foremost surface point to y = 0
  kForeAft,    // "Shift Fore(-) or Aft(+)": y + distance
  kUpDown,     // "Shift Up(+) Down(-)": z + distance
  kRightLeft,  // "Shift Rt(+) or Left(-)": x + distance
};

// The dialog's OK; the distance is ignored for kBowToZero. False (nothing
// changed) without an open design, with a distance that is not a number or
// when a moved coordinate would not fit the net (kNetOverflowMessage); the
// last two are shown through prompter when one is given.
bool TranslateHull(HullDesign& design, Surface& surface, const UndoHistory& history,
                   ShiftKind kind, double distance = 0.0, Prompter* prompter = nullptr);

}  // namespace skelmora
