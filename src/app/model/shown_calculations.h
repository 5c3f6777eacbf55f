// The centres and heel steps the views draw belong to the hull they were
// computed on. Rather than clear them on every path that changes the shape
// (edits, drags, undo, file reads, trim, the fairing dialogs), each set keeps
// the key of its hull and the views drop a set whose key no longer matches.
#pragma once

#include <cstdint>
#include <vector>

#include "hydro/calculation_records.h"
#include "model/app_state.h"
#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora::app {

inline constexpr const char* kNoCentresStatus =
    "No centres to show yet: Calc/Hydrostatics finds them for the hull as it stands.";

// A hash of what the hull's shape and place are made of: the units, the
// working net with its weights and the knot vectors (the grid follows
// from these).
uint64_t HullKey(const HullDesign& design, const Surface& surface);

// The centres of the upright hydrostatics now in the session's results,
// for the hull as it stands.
void KeepCentres(AppState& state);

// A stability run's heels for the hull as it stands; the body view goes
// back to upright (the chosen step belonged to the previous run).
void KeepHeelSteps(AppState& state, std::vector<HeelStep> steps);

// The session's calculations with whatever no longer fits the hull dropped
// (and the body view back to upright when its heel went).
const CalculationRecords* ShownCalculations(AppState& state);

}  // namespace skelmora::app
