// Holtrop-Mennen: the 1982 paper's decomposition and form factor with the
// 1984 re-analysis's wave resistance (both Froude-number regimes and the
// interpolation between them).
#pragma once

#include <optional>
#include <string>

#include "resistance/resistance.h"

namespace skelmora {

// The components at one speed, newtons; with the coefficients the tests
// check against the published example.
struct HoltropPoint {
  double froude = 0.0;
  double cf = 0.0;
  double formFactor = 0.0;  // 1 + k1
  double friction = 0.0;    // RF, without the form factor
  double appendage = 0.0;
  double wave = 0.0;
  double bulb = 0.0;
  double transom = 0.0;
  double correlation = 0.0;
  double ca = 0.0;
  double total = 0.0;
};

// Nothing, with the reason, where the formulas have no value (Cp at or
// above 0.95, a run or entrance the regression cannot take).
std::optional<HoltropPoint> HoltropAt(const ResistanceInputs& in, double metresPerSecond,
                                      std::string& reason);

// The Froude number above which the method gives nothing.
constexpr double kHoltropMaxFroude = 1.0;

}  // namespace skelmora
