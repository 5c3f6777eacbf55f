// Savitsky (1964), the short form: every force acts through the centre of
// gravity, so the running trim is the one at which the planing lift carries
// the weight with its centre of pressure at the LCG.
#pragma once

#include <optional>
#include <string>

#include "resistance/resistance.h"

namespace skelmora {

struct SavitskyPoint {
  double speedCoefficient = 0.0;  // Cv = V / sqrt(g b)
  double trim = 0.0;              // degrees
  double lambda = 0.0;            // mean wetted length / beam
  double wettedLength = 0.0;      // m
  double pressureDrag = 0.0;      // N, weight x tan(trim)
  double frictionDrag = 0.0;      // N, Df / cos(trim)
  double total = 0.0;             // N
};

// The lift coefficient of a flat plate at trim tau (degrees) and
// wetted-length ratio lambda, and the centre of pressure's distance from
// the transom over lambda b.
double SavitskyFlatLift(double tau, double lambda, double cv);
double SavitskyPressureCentre(double lambda, double cv);

// Nothing, with the reason, below the planing range (Cv under 0.6) or when
// no trim between 0.5 and 30 degrees puts the centre of pressure at the LCG.
std::optional<SavitskyPoint> SavitskyAt(const ResistanceInputs& in, double metresPerSecond,
                                        std::string& reason);

constexpr double kSavitskyMinSpeedCoefficient = 0.6;
constexpr double kSavitskyCorrelation = 0.0004;  // the friction allowance

}  // namespace skelmora
