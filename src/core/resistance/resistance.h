// Resistance and effective power of the hull at a series of speeds by one of
// three statistical methods: Holtrop-Mennen for displacement ships, Savitsky
// for prismatic planing hulls, and the sailing-yacht series regression of the
// drag window. Everything here is SI: lengths m, areas m^2, volume m^3,
// displacement t, angles degrees, speeds knots, forces kN, power kW.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skelmora {

enum class ResistanceMethod { kHoltrop, kSavitsky, kYacht };
enum class Water { kSalt, kFresh };

// The method's name as the command line and the window give it.
const char* MethodName(ResistanceMethod method);
std::optional<ResistanceMethod> MethodNamed(const std::string& name);

// Density (kg/m^3) and kinematic viscosity (m^2/s) at 15 degrees C.
struct WaterProperties {
  double density = 1025.0;
  double viscosity = 1.1883e-6;
};
WaterProperties PropertiesOf(Water water);

// What the methods take. The hull supplies the first group at its design
// waterline; the rest have no source in the hull and default to none.
struct ResistanceInputs {
  double lwl = 0.0;           // m
  double beam = 0.0;          // m, on the waterline
  double draft = 0.0;         // m
  double volume = 0.0;        // m^3
  double lcb = 0.0;           // percent of lwl forward of its middle
  double cm = 0.0;            // midship coefficient
  double cwp = 0.0;           // waterplane coefficient
  double wetted = 0.0;        // m^2
  double halfEntrance = 0.0;  // degrees, of the design waterline at the bow
  double transomArea = 0.0;   // m^2, immersed
  double displacement = 0.0;  // t
  double lcg = 0.0;           // m forward of the transom
  double chineBeam = 0.0;     // m
  double deadrise = 0.0;      // degrees
  double bulbArea = 0.0;        // m^2, transverse section at the stem
  double bulbCentre = 0.0;      // m above the keel
  double appendageArea = 0.0;   // m^2 wetted
  double appendageFactor = 1.5; // 1 + k2
  double sternShape = 0.0;      // Holtrop's C_stern: -25 pram .. 0 normal .. 10 U
  Water water = Water::kSalt;
};

// Cp = volume / (lwl beam draft cm) and Cb = volume / (lwl beam draft).
double PrismaticOf(const ResistanceInputs& in);
double BlockOf(const ResistanceInputs& in);

// One speed. A speed the method cannot handle has no values: `valid` is
// false and every result is nothing (a warning says why).
struct ResistanceRow {
  double speed = 0.0;   // knots
  double froude = 0.0;  // V / sqrt(g lwl)
  bool valid = false;
  double friction = 0.0;        // kN; Holtrop without the form factor
  double wave = 0.0;            // kN; Savitsky: the pressure drag, weight x tan(trim)
  double total = 0.0;           // kN
  double effectivePower = 0.0;  // kW
  // Holtrop only.
  double formFactor = 0.0;      // 1 + k1
  double appendage = 0.0;       // kN
  double bulb = 0.0;            // kN
  double transom = 0.0;         // kN
  double correlation = 0.0;     // kN
  // Savitsky only.
  double trim = 0.0;            // degrees
  double wettedLength = 0.0;    // m, mean wetted length
};

struct ResistanceRun {
  ResistanceMethod method = ResistanceMethod::kHoltrop;
  ResistanceInputs inputs;
  std::vector<std::string> warnings;
  std::vector<ResistanceRow> rows;
};

// Nothing when the inputs the method needs are usable; otherwise the
// reason (an input that must be positive and is not, a bulb above its
// reach). The run refuses such inputs.
std::optional<std::string> CheckInputs(ResistanceMethod method, const ResistanceInputs& in);

// One warning per input outside the data behind the method, with its value
// and the range. Speeds are judged row by row by ComputeResistance.
std::vector<std::string> RangeWarnings(ResistanceMethod method, const ResistanceInputs& in);

// The method whose ranges the inputs fit best (fewest warnings; Holtrop,
// then yacht, then Savitsky on a tie).
ResistanceMethod BestFittingMethod(const ResistanceInputs& in);

// Speeds from `from` to `to` knots by `step` (the last one included when
// the steps reach it within a millionth of a step). Nothing, with the
// reason, for a negative speed, a step not above 0 or from above to.
std::optional<std::vector<double>> SpeedRange(double from, double to, double step,
                                              std::string& reason);

// The speeds a method shows unless told: Holtrop and yacht at the drag
// table's Froude numbers 0.125 .. 0.450, Savitsky at speed coefficients
// V / sqrt(g b) of 0.75 .. 4.0.
std::vector<double> DefaultSpeeds(ResistanceMethod method, const ResistanceInputs& in);

// The run. Expects inputs CheckInputs accepts.
ResistanceRun ComputeResistance(ResistanceMethod method, const ResistanceInputs& in,
                                const std::vector<double>& speeds);

constexpr double kGravity = 9.80665;  // m/s^2
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

// ITTC 1957: 0.075 / (log10 Re - 2)^2, 0 where Re does not exceed 100.
double Ittc57(double reynolds);

}  // namespace skelmora
