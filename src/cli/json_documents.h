// The --json documents of the calculations, built in one place for the
// command line and the Python module, so both give the same keys and units.
#pragma once

#include <cstdint>
#include <vector>

#include <nlohmann/json.hpp>

#include "hydro/hydrostatics.h"
#include "resistance/resistance.h"
#include "stability/criteria.h"
#include "stability/stability_run.h"

namespace skelmora::cli {

// Every hydrostatic result with its value, and a "units" object naming each one's unit.
nlohmann::json HydrostaticsJson(const HydrostaticResults& results, int32_t units);

// The method, the inputs used, the warnings, the units and one row per speed
// (null where the method has no value).
nlohmann::json ResistanceJson(const ResistanceRun& run);

// The rows (with "found"), the heels not found, the criteria and the run's totals.
nlohmann::json StabilityJson(const StabilityRun& run, int32_t units,
                             const std::vector<Criterion>& criteria);

}  // namespace skelmora::cli
