// A condition's levers judged: the down-flooding and deck-immersion angles,
// the general criteria ending at the down-flooding angle, the windage and
// the weather criterion; and the limiting KG over a range of displacements.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "loading/weather.h"

namespace skelmora {

struct ConditionAssessment {
  std::optional<double> downflooding;   // phiF, deg; nothing: no opening goes under
  std::optional<double> deckImmersion;  // deg
  Windage windage;                      // model units
  WeatherInputs weatherInputs;          // SI, as the criterion takes them
  WeatherResult weather;
  // The general criteria (areas ending at min(40, phiF)) then the weather's.
  std::vector<Criterion> criteria;
  int leverCurves = 0;  // curves run besides the condition's own (the windward side)
};

// From the condition's free-trim curve. GZ to windward is the curve turned
// about upright when the weights lie on the centreline; otherwise the levers
// of the mirrored condition are run. KG for r is the fluid one (raised by
// the free surfaces), as the GM.
ConditionAssessment AssessCondition(const FloatingHull& hull, const LoadingCondition& condition,
                                    const ConditionWeights& weights, const Equilibrium& equilibrium,
                                    const LeverCurve& curve);

// One trial of the limiting-KG search: the condition's weight replaced by
// displacement (lb / kg) at its LCG, on the centreline, at this VCG (z),
// with the condition's free-surface moments.
struct KgTrial {
  Equilibrium equilibrium;
  std::optional<LeverCurve> levers;
  std::optional<ConditionAssessment> assessment;
  int leverCurves = 0;
  bool Passes() const;
  // The first criterion failed, or why nothing was judged.
  std::string Failed() const;
};
KgTrial TryKg(const FloatingHull& hull, const LoadingCondition& condition,
              const ConditionWeights& base, double displacement, double vcg,
              const HeelSteps& steps);

struct KgLimitRow {
  double displacement = 0.0;
  std::optional<double> vcg;  // the highest z of G at which every criterion holds
  std::optional<double> kg;   // the same above the keel
  std::string governing;      // the criterion that fails just above it
  std::string message;        // when there is no limit: why
  int leverCurves = 0;
};

// The search predicts the limit from a trial's levers raised as a whole
// (GZ - dKG sin(heel)) and tries it, a few times; then it steps from there
// by a thousandth of the depth, doubling, until the criteria change, and
// halves the bracket to a thousandth of the depth. Every answer comes from
// tried levers: the limit is the bracket's passing end.
inline constexpr double kKgTolerance = 1e-3;  // of the hull's depth
KgLimitRow LimitingKg(const FloatingHull& hull, const LoadingCondition& condition,
                      const ConditionWeights& base, double displacement, const HeelSteps& steps);

}  // namespace skelmora
