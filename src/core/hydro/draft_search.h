// The draft for a given displacement: the hull is moved up or down against
// the fixed waterline until its station volume weighs the target. The
// caller's dialog drives it: begin on show, adjust once, then keep the moved
// hull (Ok) or cancel, which moves every vertex back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hydro/hydrostatics.h"

namespace skelmora {

inline constexpr const char* kNoTargetDisplacementMessage =
    "Please enter a value for the new displacement";

// How close (lb / kg) the search must come for the target to count as reached.
inline constexpr double kDraftTolerance = 1.0;

// Displaced volume (ft^3 / m^3) by Simpson's rule over 101 stations between
// the ends of the primary waterline.
double StationVolume(const HullDesign& design, const Surface& surface, CutBuffers& cuts);

// Seawater weight of a station volume: pounds or kilograms.
double DisplacementWeight(double volume, int32_t units);

// The units the dialog and the CLI show: "lb" or "kg" for displacements,
// "in" or "mm" for drafts (model units).
const char* DisplacementUnit(int32_t units);
const char* DraftUnit(int32_t units);

// What the closed hull (a flat deck at the sheer) weighs in seawater when
// wholly immersed, lb / kg, from the evaluated grid: no draft displaces more.
double ClosedHullDisplacement(const Surface& surface, int32_t units);

// Why a target cannot be sought, or empty: it is not above 0, or above what
// the closed hull can displace (capacity). The message names the value.
std::string DraftTargetRefusal(double target, double capacity, int32_t units);

// The probe step in model units: one inch.
double DraftProbeStep(int32_t units);

// Lowest z over the evaluated grid (the draft, negative when immersed).
double GridLowestZ(const Surface& surface);

// The lowest of the tops of the grid's lines along v (one per step along
// the length): where the deck edge first goes under as the hull sinks. The
// upright hydrostatics hold only while the waterline stays below it.
double GridLowestTop(const Surface& surface);

// Raises the hull by dz (every vertex height of the net) and re-evaluates
// the grid; the extents are left to be recomputed. False, with nothing
// changed, when a height would not fit the net.
bool RaiseHull(HullDesign& design, Surface& surface, double dz);

struct DraftStep {
  double shift = 0.0;         // height change applied before the measurement (+ raises)
  double displacement = 0.0;  // weight after it, lb / kg
  double rate = 0.0;          // weight per unit of height found, lb / kg per model unit
};

struct DraftSearch {
  double initialDisplacement = 0.0;  // W0
  double initialDraft = 0.0;         // lowest grid z on show
  double accumulatedShift = 0.0;     // height changes applied since the show
  bool adjusted = false;             // one adjustment per showing
  std::vector<DraftStep> steps;      // the probe first, then each iteration
  int iterations = 0;                // "Number of steps"
  double finalDisplacement = 0.0;
  double finalDraft = 0.0;
  double capacity = 0.0;  // ClosedHullDisplacement on show
  // The hull as it stands displaces the target within kDraftTolerance. Not
  // so for a hull that stays dry or a target beyond what it can displace.
  bool reached = false;
  // The net on show, which Cancel puts back bit for bit.
  std::shared_ptr<const VertexNet> netAsFound;
};

// On show: the initial draft (also stored in lowestZ and the design's draft
// slot), the initial displacement and the closed hull's capacity.
DraftSearch BeginDraftSearch(HullDesign& design, Surface& surface, CutBuffers& cuts,
                             HydrostaticResults& results);

// The adjustment towards target (lb / kg): a probe step, then at most 8
// secant steps. A target of 0 is refused with kNoTargetDisplacementMessage,
// one below 0 or beyond the capacity with DraftTargetRefusal's message, both
// before anything moves; a second call does nothing. True when the hull was
// moved.
bool AdjustDisplacement(HullDesign& design, Surface& surface, CutBuffers& cuts,
                        HydrostaticResults& results, Prompter& prompter, DraftSearch& search,
                        double target);

// What to say when an adjustment ended without reaching target: "The
// displacement T was not reached: the search stopped at W after N steps".
std::string DraftNotReachedMessage(double target, const DraftSearch& search);

// Puts the net on show back exactly (or, for a search begun elsewhere,
// moves every vertex back by the accumulated shift) and re-evaluates the
// grid.
void CancelDraftSearch(HullDesign& design, Surface& surface, DraftSearch& search);

}  // namespace skelmora
