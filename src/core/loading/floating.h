// Where a loaded hull floats and how it heels: the plane of the water found
// on the closed hull so that the volume below it displaces the condition's
// weight and the centre of buoyancy lies on the vertical through the centre
// of gravity. G is raised by the free-surface moments over the displacement
// (the virtual rise) at every heel; the fluid's own shift is not followed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "loading/tanks.h"
#include "stability/criteria.h"
#include "stability/stability_run.h"

namespace skelmora {

// The water's plane in the hull's axes: up = (-sin(heel) cos(trim),
// -sin(trim), cos(heel) cos(trim)), below it is up.p < level. Heel is
// positive to the stored side (x > 0 goes down), trim positive by the stern
// (larger y goes down); radians.
struct Attitude {
  double heel = 0.0;
  double trim = 0.0;
  double level = 0.0;
};

enum class Refusal { kNone, kNoWeight, kSinks, kCapsizes };

inline constexpr const char* kNoWeightMessage = "The condition weighs nothing.";

struct Equilibrium {
  Refusal refusal = Refusal::kNone;
  std::string message;  // why it was refused
  Attitude attitude;
  // Model units, lb / kg, degrees.
  double draftFore = 0.0, draftAft = 0.0, draftMid = 0.0;  // above the keel's lowest point
  double yFore = 0.0, yAft = 0.0;  // the waterline's ends
  double trim = 0.0;               // draftAft - draftFore
  double trimAngle = 0.0;
  double heel = 0.0;
  double displacement = 0.0;
  double volume = 0.0;
  double lcb = 0.0, vcb = 0.0, tcb = 0.0, lcf = 0.0;
  double lcg = 0.0, vcg = 0.0, tcg = 0.0;
  double waterplaneArea = 0.0;
  double kmt = 0.0, kml = 0.0;     // metacentres above the keel, from the waterplane's moments
  double bmt = 0.0, bml = 0.0;
  double gmtSolid = 0.0, gmtFluid = 0.0, gml = 0.0;
  double freeSurfaceMoment = 0.0;
  double freeboard = 0.0;          // lowest, from the deck edge to the water
  int evaluations = 0;             // cuts of the hull
  bool ok() const { return refusal == Refusal::kNone; }
};

// The floating position of a condition's weights. Refused (with the
// message) when it weighs nothing, when the weight is beyond what the
// closed hull displaces or no trim floats it (sinks), or when there is
// neither an upright position with GM > 0 nor a stable heeled one within
// 90 degrees (capsizes).
Equilibrium FindEquilibrium(const FloatingHull& hull, const ConditionWeights& weights);

struct LeverRow {
  double heel = 0.0;          // degrees
  double gz = 0.0;            // model units, with the virtual rise of G
  double trim = 0.0;          // model units over the equilibrium's waterline length
  double trimAngle = 0.0;     // degrees
  double sinkage = 0.0;       // how far the equilibrium's midship waterline point went under
  double displacement = 0.0;  // lb / kg
  // B and G along the water's horizontal longitudinal axis: equal when
  // B is on the vertical through G.
  double lcb = 0.0, lcg = 0.0;
  bool found = false;         // displacement within 0.1 % and LCB on LCG within 0.1 % of the length
  int evaluations = 0;
  Attitude attitude;          // the water's plane the row was found at
};

struct LeverCurve {
  std::vector<LeverRow> rows;
  std::optional<double> vanishingAngle;  // degrees; the first fall of GZ to 0 among found rows
  int evaluations = 0;
  // The criteria on the found rows, with the fluid GMt of the equilibrium.
  std::vector<Criterion> criteria;
};

// Righting levers at free trim from upright to the maximum heel: at each heel
// sinkage and trim are searched so that the displacement and LCB = LCG hold.
LeverCurve FreeTrimLevers(const FloatingHull& hull, const ConditionWeights& weights,
                          const Equilibrium& equilibrium, const HeelSteps& steps);

// The least heel of the run (degrees) at which one of the points reaches the
// water: found between the curve's rows where the lowest point's height
// above the water changes sign, then searched to 1e-6 degree with the hull
// trimmed and sunk as in the levers. Each point is taken on the side the
// hull heels to (|x|), as the levers run to one side only. 0 when a point
// is under water upright; nothing when none goes under within the run.
std::optional<double> ImmersionAngle(const FloatingHull& hull, const ConditionWeights& weights,
                                     const LeverCurve& curve, const std::vector<Vec3>& points);

// Everything for one condition on the hull as its grid is now: the closed
// hull, the weights and tanks, the floating position and, when heels are
// given and the position was found, the free-trim levers. The design and
// its surface are only read.
struct ConditionRun {
  FloatingHull hull;
  ConditionWeights weights;
  Equilibrium equilibrium;
  std::optional<LeverCurve> levers;
};
ConditionRun RunCondition(const Surface& surface, int32_t units, const LoadingCondition& condition,
                          const std::optional<HeelSteps>& heels);

// The stability window's case as a condition: the hull weighing its upright
// displacement less the ballast, at its surface centroid, plus the ballast
// items (weights in lb / kg). The stability command runs it at free trim
// through RunCondition.
LoadingCondition StabilityCaseCondition(double displacement, double vcg, double lcg,
                                        const std::vector<BallastItem>& ballast);

}  // namespace skelmora
