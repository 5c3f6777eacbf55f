// The resistance methods' inputs measured on the hull at its design
// waterline (z = 0), in SI.
#pragma once

#include <optional>
#include <string>

#include "hydro/hydrostatics.h"
#include "model/prompter.h"
#include "resistance/resistance.h"

namespace skelmora {

// Besides the inputs: how sharp the corner taken for the chine is, so a
// round-bilge hull can be told from a hard-chine one.
struct HullResistanceSource {
  ResistanceInputs inputs;
  double chineTurn = 0.0;  // degrees the section turns at its chine point
};

// Runs the integrations on results of its own (the design is not changed).
// The waterline length, beam (2 x its largest half-breadth) and draft
// (lowest point) come from the 101 Simpson stations, with Cm = Cb / Cp of
// theirs; the volume, LCB and wetted surface from the patch walk; Cwp from
// the waterline polyline, integrated exactly. The half angle of entrance is the
// chord of the waterline over its first 5 % from the bow (the local stem
// shape left out), the immersed transom area the section 0.1 % of the
// waterline length forward of its aft end. The LCG is put at the LCB; the
// chine is the sharpest corner of the station through it (its breadth the
// chine beam) and the deadrise the slope of the chord from keel to chine
// there. Displacement = volume x the water's density. False, after the
// hull checks' message, for a hull above the waterline.
// The hull's chine counts as hard (Savitsky's prismatic planing bottom)
// when its section turns at least this much there.
constexpr double kHardChineTurn = 25.0;

// What Savitsky's method should know of a hull without a hard chine at the
// LCG, or nothing.
std::optional<std::string> ChineNote(const HullResistanceSource& source);

// The method whose ranges the hull fits best, a hull without a hard chine
// counting one more against Savitsky.
ResistanceMethod BestFittingMethod(const HullResistanceSource& source);

bool HullResistanceInputs(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                          Prompter& prompter, Water water, HullResistanceSource& source);

}  // namespace skelmora
