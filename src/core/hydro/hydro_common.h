// Helpers shared by the hydrostatics, curves, draft search and drag code.
#pragma once

#include "hydro/hydrostatics.h"

namespace skelmora {

// i / n, and exactly 1.0 should the division come out above 1.
double LatticeParameter(int i, int n);

// The patch lattice's divisions: the design's, kept to what the grid allows.
int LatticeColumns(const HullDesign& design);
int LatticeRows(const HullDesign& design);

// numerator / denominator, or 0 for a zero denominator, so that a hull with
// nothing immersed yields zeros rather than NaN.
double Quotient(double numerator, double denominator);

// Extent of the primary waterline polyline; the starting values stay when
// the waterline cut found nothing (a hull resting on the waterline).
struct WaterlineSpan {
  double ymin = 1e12;
  double ymax = -1e12;
  double xmax = 0.0;
  bool Found() const { return ymax >= ymin; }
};
WaterlineSpan PrimaryWaterlineSpan(const CutBuffers& cuts, const CutResult& cut);

}  // namespace skelmora
