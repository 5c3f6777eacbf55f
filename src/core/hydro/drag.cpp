#include "hydro/drag.h"

#include <cmath>

#include "files/text_io.h"
#include "hydro/hydro_common.h"

namespace skelmora {

namespace {

constexpr double kGravity = 9.80665;                        // m/s^2
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

// Residuary resistance coefficients a0..a9, stored coefficient by
// coefficient: kSeries[c][row] for the Froude numbers 0.125 .. 0.450.
constexpr double kSeries[10][kDragRows] = {
    {-6.735654, -0.38287, -1.503526, 11.29218, 22.17867, 25.90867, 40.97559, 45.83759, 89.20382,
     212.6788, 336.2354, 566.5476, 743.4107, 1200.62},
    {38.36831, 38.1729, 24.40803, -14.51947, -49.16784, -74.75668, -114.2855, -184.7646,
     -393.0127, -801.7908, -1085.134, -1609.632, -1708.263, -2751.715},
    {-0.008193, 0.007243, 0.0122, 0.047182, 0.085998, 0.153521, 0.207226, 0.357031, 0.617466,
     1.087307, 1.644191, 2.01609, 2.435809, 3.208577},
    {0.055234, 0.026644, 0.067221, 0.085176, 0.150725, 0.188568, 0.250827, 0.338343, 0.460472,
     0.538938, 0.532702, 0.265722, 0.013553, 0.25492},
    {-1.997242, -5.295332, -2.448582, -2.673016, -2.878684, -0.889467, -3.072662, 3.871658,
     11.54327, 10.80273, -1.224173, -29.24412, -81.16189, -132.0424},
    {-38.86081, -39.55032, -31.9137, -11.41819, 7.167049, 24.12137, 53.0157, 132.2568, 331.1197,
     667.6445, 831.1445, 1154.091, 937.4014, 1489.269},
    {0.956591, 1.219563, 2.216098, 5.654065, 8.600272, 10.48516, 13.02177, 10.86054, 8.598136,
     12.39815, 26.18321, 51.46175, 115.6006, 196.3406},
    {-0.002171, 0.000052, 0.000074, 0.007021, 0.012981, 0.025348, 0.035934, 0.066809, 0.104073,
     0.166473, 0.238795, 0.288046, 0.365071, 0.528225},
    {0.272895, 0.824568, 0.244345, -0.094934, -0.327085, -0.85494, -0.715457, -1.719215,
     -2.815203, -3.026131, -2.45047, -0.178354, 1.838967, 1.379102},
    {-0.017516, -0.047842, -0.015887, 0.006325, 0.018271, 0.048449, 0.039874, 0.095977, 0.15596,
     0.165055, 0.139154, 0.018446, -0.062023, 0.013577},
};

}  // namespace

double DragFroudeNumber(int i) { return 0.1 + 0.025 * i; }

double KnotsPerFroude(double lwl, bool metric) {
  const double metres = metric ? lwl * 0.001 : lwl * 0.0254;
  return metres > 0.0 ? std::sqrt(kGravity * metres) / kMetresPerSecondPerKnot : 0.0;
}

double DragMaxVelocity(double lwl, bool metric) {
  return DragFroudeNumber(kDragRows) * KnotsPerFroude(lwl, metric);
}

double WaveRegression(int i, const ResistanceParameters& p) {
  if (i < 1 || i > kDragRows) return 0.0;
  const int row = i - 1;
  auto a = [row](int c) { return kSeries[c][row]; };
  const double s = p.slenderness;
  return a(0) + a(1) * p.cp + a(2) * p.lcbTerm + a(3) * p.beamDraft + a(4) * s +
         a(5) * p.cp * p.cp + a(6) * p.cp * s + a(7) * p.lcbTerm * p.lcbTerm + a(8) * s * s +
         a(9) * s * s * s;
}

void ComputeWaveDrag(const ResistanceParameters& parameters, bool metric, DragResults& drag) {
  const double toDragUnit = metric ? 0.9999841005 : 2.20453492;
  drag.waveDrag[0] = 0.0;
  for (int i = 1; i <= kDragRows; ++i) {
    double r = WaveRegression(i, parameters);
    if (r < 0.0) r = 0.0;
    drag.waveDrag[i] = r * 0.001 * toDragUnit * parameters.displacementKg;
  }
}

void ComputeFrictionDrag(double lwl, double wettedArea, bool metric, DragResults& drag) {
  drag.knotsPerFroude = KnotsPerFroude(lwl, metric);
  drag.maxVelocity = DragMaxVelocity(lwl, metric);
  // English lengths and areas go to metric with 39.36 inches to the metre.
  const double lengthMetres = metric ? lwl * 0.001 : lwl * 0.0254065040650407;
  const double areaMetres = metric ? wettedArea : wettedArea * 0.092954080684142;
  for (int i = 0; i <= kDragRows; ++i) {
    const double speed = DragSpeed(drag, i) * kMetresPerSecondPerKnot;
    const double reynolds = speed * 0.7 * lengthMetres * 1e6;
    // The line has a pole at Re = 100 and no meaning below it (or at zero
    // speed, or on a hull with no waterline length).
    double cf = 0.0;
    if (i != 0 && reynolds > 100.0) {
      const double denominator = std::log10(reynolds) - 2.0;
      cf = 0.075 / (denominator * denominator);
    }
    const double newtons = speed * speed * cf * 0.5 * 1025.0 * areaMetres;
    drag.frictionDrag[i] = newtons * (metric ? 0.10197 : 0.2248);
  }
}

bool ComputeDrag(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                 HydrostaticResults& results, DragResults& drag, Prompter& prompter) {
  const bool floating = ComputeHullExtents(design, surface, cuts, results, prompter);
  StoreDesignDraft(results, design);
  if (!floating) return false;
  const bool metric = FactorsFor(design.Units).metric;
  drag.parameters = ComputeResistanceParameters(design, surface, cuts, results);
  ComputeWaveDrag(drag.parameters, metric, drag);
  ComputeFrictionDrag(results.lwl, results.wettedArea, metric, drag);
  return true;
}

DragTable FormatDragTable(const DragResults& drag) {
  DragTable table;
  table[0] = {"Vel.Kts", "Froude", "Wave", "Friction"};
  for (int i = 1; i <= kDragRows; ++i) {
    table[i] = {FormatFixed(DragSpeed(drag, i), 5, 3), FormatFixed(DragFroudeNumber(i), 0, 3),
                FormatFixed(drag.waveDrag[i], 0, 1), FormatFixed(drag.frictionDrag[i], 0, 1)};
  }
  return table;
}

double DragVelocityStep(const DragResults& drag) { return 0.025 * drag.knotsPerFroude; }

std::string FormatVelocityStep(const DragResults& drag) {
  return FormatFixed(DragVelocityStep(drag), 0, 3);
}

std::string DragChartTitle(bool metric) {
  return metric ? "Displacement Mode Wave & Friction Drag in Kg"
                : "Displacement Mode Wave & Friction Drag in Pounds";
}

}  // namespace skelmora
