// The rows of a stability run as the body view's heeled pictures.
#pragma once

#include <vector>

#include "hydro/centres.h"
#include "stability/stability_run.h"

namespace skelmora {

// One step per row found; a row whose displacement was not found gives none. lift is the vertical shift the run's hull had
// against the net as it is now (the weights dialog moves the hull down for
// the run and back up on closing, so lift = minus that shift). The rows do
// not keep the sinkage; it is the row's VCGz less the turned centre of
// gravity's height.
std::vector<HeelStep> HeelStepsOf(const StabilityRun& run, double lift);

}  // namespace skelmora
