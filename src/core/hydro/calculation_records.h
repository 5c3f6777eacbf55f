// The calculations' latest results: one set per session, overwritten by
// every calculation and read by the reports and charts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hydro/centres.h"
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
  // What the views draw with "Show Centres" and a chosen heel: taken from
  // the last hydrostatics and stability runs (a drag run leaves them).
  std::optional<FloatingCentres> centres;
  std::vector<HeelStep> heelSteps;
};

}  // namespace skelmora
