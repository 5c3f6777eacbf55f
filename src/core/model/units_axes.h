// Tools › "Change units (in / mm)" and the three "Exchange ... Coordinates"
// commands. Both end with the grid evaluated and the extents recomputed
// (ShapeChanged without hooks); the caller refits and repaints the views.
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// Asks "Change From INCHES to MILLIMETERS?" (or the reverse); on Yes takes an
// undo step, switches Units and scales x, y and z of every used vertex by
// 25.4 or 0.039370079. Weights, special sections and the accuracy stay; the
// three curve spacings return to 0. False when nothing changed.
bool ChangeUnits(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter);

enum class AxisPair {
  kBeamLength,   // "Exchange Beam and Length Coordinates": x <-> y
  kBeamHeight,   // "Exchange Beam and Height Coordinates": x <-> z
  kLengthHeight  // "Exchange Length and Height Coordinates": y <-> z, net transposed
};

// Exchanges the two coordinates of every used vertex; running it twice
// restores the hull exactly. Length/height also transposes the net (vertex
// [c][r] becomes [r][c]) and with it everything tied to the two directions:
// LastColumn / LastRow, the tensions, the chine lists, the selected vertex
// and the highlighted line, so the surface is the same surface with y and z
// exchanged. Takes an undo step like every other edit.
bool ExchangeAxes(HullDesign& design, Surface& surface, const UndoHistory& history,
                  AxisPair pair);

}  // namespace skelmora
