// The hull the loading code floats (a closed mesh of the current grid) and
// the tanks inside it: capacity, the fluid's centre at its fill and the
// free-surface moment.
#pragma once

#include <cstdint>
#include <vector>

#include "loading/closed_solid.h"
#include "loading/loading_condition.h"
#include "surface/surface.h"

namespace skelmora {

struct FloatingHull {
  TriangleSoup soup;
  double volume = 0.0;     // the whole closed hull, model units cubed
  double yMin = 0.0, yMax = 0.0;
  double keelZ = 0.0;      // the lowest z: drafts and KM are measured from it
  std::vector<Vec3> deckEdge;  // the sheer on both sides: each column's point farthest out and up
  int32_t units = 1;
  double Length() const { return yMax - yMin; }
};

// From the grid as evaluated now (the design's divisions).
FloatingHull BuildFloatingHull(const Surface& surface, int32_t units);

// Weight of a volume (model units cubed) of seawater, as the stability run
// takes it (0.03704 lb per in^3, 1.0251922e-6 kg per mm^3), and of fresh
// water, seawater over 1.025, the density tanks are given against.
double SeawaterWeight(double volume, int32_t units);
double FreshWaterWeight(double volume, int32_t units);

// Fills from 2 % to 98 % have a free surface that counts.
inline constexpr double kLeastFreeSurfaceFill = 2.0;
inline constexpr double kMostFreeSurfaceFill = 98.0;

struct TankState {
  double capacity = 0.0;  // model units cubed
  double volume = 0.0;    // of fluid at the fill
  double weight = 0.0;    // lb / kg
  double lcg = 0.0, vcg = 0.0, tcg = 0.0;
  // Density x the second moment of the free surface about its own centre
  // line (the longitudinal axis through its centroid), upright: weight x
  // model units. 0 outside the 2-98 % fills.
  double freeSurfaceMoment = 0.0;
};

// The fluid is the part of the tank's box inside the closed hull, level
// with the design waterline (the hull upright and at zero trim).
TankState ComputeTank(const FloatingHull& hull, const Tank& tank);

// Everything the condition weighs, with the tanks' fluid at their upright
// centres, and the sum of the free-surface moments.
struct ConditionWeights {
  double weight = 0.0;
  double lcg = 0.0, vcg = 0.0, tcg = 0.0;
  double freeSurfaceMoment = 0.0;
  std::vector<TankState> tanks;  // one per tank, in order
  // The virtual rise of G, sum of moments over the weight.
  double VirtualRise() const { return weight > 0.0 ? freeSurfaceMoment / weight : 0.0; }
};
ConditionWeights SumCondition(const FloatingHull& hull, const LoadingCondition& condition);

}  // namespace skelmora
