// The z = 0 waterplane from the waterline cut, integrated exactly along
// its polylines: area, centre of flotation and the second moments that
// give the metacentric radii (the hydrostatics report's BMt and BML are
// estimates from the coefficients; these are the waterplane's own).
#pragma once

#include <optional>

#include "model/hull_design.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

// Both sides, model units (in / mm and their powers).
struct WaterplaneMoments {
  double area = 0.0;
  double lcf = 0.0;           // y of the centroid
  double transverse = 0.0;    // about the centreline
  double longitudinal = 0.0;  // about the transverse axis through the LCF
};

// Nothing when the waterline encloses no area.
std::optional<WaterplaneMoments> WaterplaneOf(const HullDesign& design, const Surface& surface,
                                              CutBuffers& cuts);

}  // namespace skelmora
