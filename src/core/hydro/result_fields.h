// Every field of a hydrostatics run by name, with the unit it is given in,
// for exports that must say what their numbers mean.
#pragma once

#include <string>
#include <vector>

#include "hydro/hydrostatics.h"

namespace skelmora {

struct ResultField {
  const char* name;  // the field's name in HydrostaticResults
  double value;
  std::string unit;  // "in", "ft", "ft^2", "lb", "none", ...
};

// The fields after a hydrostatics run (a drag run stores other things in
// volume and vcb), then the report's two displacements as
// "displacementSaltwater" and "displacementFreshwater".
std::vector<ResultField> HydrostaticFields(const HydrostaticResults& results, int32_t units);

}  // namespace skelmora
