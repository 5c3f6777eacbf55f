// The calculations' latest results; the program holds one (in AppState),
// overwritten by every calculation.
#pragma once

#include <string>

#include "hydro/curves.h"
#include "hydro/drag.h"
#include "hydro/hydrostatics.h"

namespace skelmora::app {

struct HydroRecords {
  HydrostaticResults results;
  DragResults drag;
  CurveResults curves;            // its station count persists between showings
  CurveKind curveKind = CurveKind::kAreas;
  std::string curveLabel;         // offered again by the next "Print Data"
};

}  // namespace skelmora::app
