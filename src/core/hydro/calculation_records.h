// The calculations' latest results: one set per session, overwritten by
// every calculation and read by the reports and charts.
#pragma once

#include <string>

#include "hydro/curves.h"
#include "hydro/drag.h"
#include "hydro/hydrostatics.h"

namespace skelmora {

struct CalculationRecords {
  HydrostaticResults results;
  DragResults drag;
  CurveResults curves;            // its station count persists between showings
  CurveKind curveKind = CurveKind::kAreas;
  std::string curveLabel;         // offered again by the next "Print Data"
};

}  // namespace skelmora
