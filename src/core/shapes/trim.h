// Tools › "&Trim / Heel hull", the trim half: the whole net turned in the
// length-height plane about the centre of flotation, as one undoable edit.
// Heel is not stored in a one-sided net; the views show it instead.
#pragma once

#include <optional>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "model/undo_history.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

inline constexpr double kMaxTrimDegrees = 45.0;
inline constexpr const char* kNoFlotationMessage =
    "The hull does not cross the waterline, so there is no centre of flotation to trim about. "
    "Shift the hull down first (Tools/Shift Hull Up/Dn).";
inline constexpr const char* kTrimRangeMessage =
    "The trim angle must lie between -45 and 45 degrees.";

// The centroid (y) of the z = 0 waterplane (WaterplaneOf); nothing when the
// waterline encloses no area.
std::optional<double> CentreOfFlotation(const HullDesign& design, const Surface& surface,
                                        CutBuffers& cuts);

// Length of the z = 0 waterline (aft end minus forward end); 0 when none.
double WaterlineLength(const HullDesign& design, const Surface& surface, CutBuffers& cuts);

// Trims the hull by `degrees` (positive: by the stern, the aft end goes
// down), turning every vertex about the transverse axis at z = 0 through
// the centre of flotation. The pivot is the centre of flotation of the hull
// half way through the turn, found by iteration, so that a trim and the
// opposite trim give the net back and the displacement is kept to second
// order. Refused with a message, nothing changed and no undo step, without
// a waterline, for an angle that is not a number or beyond 45 degrees, or
// when a coordinate would not fit the net (kNetOverflowMessage).
bool TrimHull(HullDesign& design, Surface& surface, CutBuffers& cuts, const UndoHistory& history,
              Prompter& prompter, double degrees);

// The angle that gives a trim by the stern of `trim` model units (the aft
// draft less the forward draft, over the waterline length): atan(trim /
// waterline length), in degrees. Nothing without a waterline.
std::optional<double> TrimAngleFor(const HullDesign& design, const Surface& surface,
                                   CutBuffers& cuts, double trim);

}  // namespace skelmora
