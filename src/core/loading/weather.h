// The severe wind and rolling criterion (IMO 2008 IS Code, Part A, 2.3) and
// the windage it starts from. Everything in metres, tonnes and degrees.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "loading/floating.h"
#include "stability/criteria.h"

namespace skelmora {

inline constexpr double kWindPressure = 504.0;  // Pa
inline constexpr double kGravity = 9.81;         // m/s^2

// The lateral areas of the hull's profile (the silhouette on the centre
// plane) split by the condition's waterline, as the drafts fore and aft
// give it, plus the condition's windage blocks. Model units.
struct Windage {
  double hullArea = 0.0;          // the profile above the water
  double area = 0.0;              // with the blocks: A
  double centre = 0.0;            // z of the centre of A
  double underwaterArea = 0.0;
  double underwaterCentre = 0.0;  // z of the centre of the underwater profile
  double height = 0.0;            // Z: from the underwater centre up to A's centre
};
Windage ComputeWindage(const FloatingHull& hull, const LoadingCondition& condition,
                       const Equilibrium& equilibrium);

// The breadth of the waterline at the equilibrium's plane (model units).
double WaterlineBreadth(const FloatingHull& hull, const Equilibrium& equilibrium);

// The Code's tables, linear between their entries and held at their ends.
double RollFactorX1(double breadthDraft);
double RollFactorX2(double blockCoefficient);
// From the bilge keels' area as a percentage of L B; 0.7 for sharp bilges.
double RollFactorK(double keelPercent, bool sharpBilges);
double RollFactorS(double rollPeriod);

struct WeatherInputs {
  // GZ (m) from the windward heels (negative) through the leeward ones.
  std::vector<GzPoint> table;
  double displacement = 0.0;     // t
  double windArea = 0.0;         // A, m^2
  double windHeight = 0.0;       // Z, m
  double breadth = 0.0;          // B, m
  double draft = 0.0;            // d, mean, m
  double waterlineLength = 0.0;  // m
  double cb = 0.0;
  double bilgeKeelArea = 0.0;    // m^2
  bool sharpBilges = false;
  double gm = 0.0;               // corrected for free surfaces, m
  double og = 0.0;               // KG - d, m (positive: G above the water)
  std::optional<double> downflooding;   // phiF, deg
  std::optional<double> deckImmersion;  // deg
};

struct WeatherResult {
  double windLever = 0.0, gustLever = 0.0;  // lw1, lw2 (m)
  double breadthDraft = 0.0, cb = 0.0;
  double x1 = 0.0, x2 = 0.0, k = 0.0, r = 0.0, s = 0.0;
  double c = 0.0;                            // of the roll period
  std::optional<double> rollPeriod;          // s; nothing when GM <= 0
  std::optional<double> rollAngle;           // phi1, deg
  std::optional<double> steadyHeel;          // phi0: GZ = lw1
  std::optional<double> gustHeel;            // the first crossing of lw2
  std::optional<double> secondCrossing;      // phiC: GZ falls back to lw2
  std::optional<double> phi2;                // min(50, phiF, phiC)
  std::optional<double> areaA, areaB;        // m.rad
  double steadyHeelLimit = 16.0;             // min(16, 0.8 deck immersion)
  std::vector<Criterion> criteria;           // b >= a, and phi0 within its limit
};

WeatherResult EvaluateWeather(const WeatherInputs& in);

}  // namespace skelmora
