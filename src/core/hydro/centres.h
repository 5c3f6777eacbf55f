// Where the hull floats, for the views: the centres of buoyancy, gravity
// and flotation of the latest upright hydrostatics, and the heeled centres
// of the latest stability run, all in model units (inches or millimetres,
// heights signed, positive above the waterline).
#pragma once

#include <cstdint>
#include <optional>

#include "hydro/hydrostatics.h"

namespace skelmora {

struct FloatingCentres {
  double lcb = 0.0, zcb = 0.0;  // B: y and height
  double lcg = 0.0, zcg = 0.0;  // G: the hull surface centroid
  double lcf = 0.0;             // F lies on the waterline
};

// The centres from a hydrostatics run's results (LCB, VCB, LCG and VCG are
// in feet or metres there, LCF in model units). Nothing when a value is not
// finite.
std::optional<FloatingCentres> CentresFromResults(const HydrostaticResults& results,
                                                  int32_t units);

// One heel of a stability run as the body view draws it: the upright net
// is lifted by `lift` (the run's hull shift, undone since), turned by
// `heel` about the waterline's centre and lifted by `sinkage`; B and G are
// in the turned frame.
struct HeelStep {
  double heel = 0.0;     // degrees
  double lift = 0.0;
  double sinkage = 0.0;
  double tcb = 0.0, zcb = 0.0;
  double tcg = 0.0, zcg = 0.0;
  double gz = 0.0;       // the righting arm
};

}  // namespace skelmora
