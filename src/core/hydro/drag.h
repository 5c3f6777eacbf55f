// Resistance in displacement mode at 14 speeds: wave drag from a
// systematic-series regression on the form parameters, friction drag from
// the ITTC 1957 line. Pounds in English units, kilograms force in metric.
#pragma once

#include <array>
#include <string>

#include "hydro/hydrostatics.h"

namespace skelmora {

constexpr int kDragRows = 14;

struct DragResults {
  // Index 0 is unused (wave) or zero speed (friction); 1..14 are the rows.
  std::array<double, kDragRows + 1> waveDrag{};
  std::array<double, kDragRows + 1> frictionDrag{};
  double maxVelocity = 0.0;      // knots, the speed at Froude number 0.45
  double knotsPerFroude = 0.0;   // sqrt(g LWL) in knots
  ResistanceParameters parameters;
};

// The Froude number of wave drag row i: 0.1 + 0.025 i.
double DragFroudeNumber(int i);

// sqrt(g LWL) in knots for a waterline length in model units: the speed of
// Froude number 1.
double KnotsPerFroude(double lwl, bool metric);

// Knots at Froude number 0.45 on the given waterline length (model units).
double DragMaxVelocity(double lwl, bool metric);

// The speed of row i: its Froude number times sqrt(g LWL), so that the
// speed, the Froude number, the wave and the friction drag of a row all
// belong to one speed. Row 0 is zero speed.
inline double DragSpeed(const DragResults& drag, int i) {
  return i <= 0 ? 0.0 : DragFroudeNumber(i) * drag.knotsPerFroude;
}

// The regression's Rr / displacement x 1000 for row i (1..14; 0 for any
// other), before negative values are cut to 0.
double WaveRegression(int i, const ResistanceParameters& parameters);

void ComputeWaveDrag(const ResistanceParameters& parameters, bool metric, DragResults& drag);

// From lwl (model units) and wettedArea (ft^2 / m^2), each row at its own
// speed; sets maxVelocity and knotsPerFroude too.
void ComputeFrictionDrag(double lwl, double wettedArea, bool metric, DragResults& drag);

// The drag run. False when the hull was found above the waterline.
bool ComputeDrag(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                 HydrostaticResults& results, DragResults& drag, Prompter& prompter);

// The window's table: row 0 the headings, rows 1..14 speed, Froude number,
// wave and friction drag as shown.
using DragTable = std::array<std::array<std::string, 4>, kDragRows + 1>;
DragTable FormatDragTable(const DragResults& drag);
// The speed between two rows (Froude number step 0.025).
double DragVelocityStep(const DragResults& drag);
std::string FormatVelocityStep(const DragResults& drag);
std::string DragChartTitle(bool metric);

}  // namespace skelmora
