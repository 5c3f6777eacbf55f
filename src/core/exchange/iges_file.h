// IGES 5.3 file holding the hull side as one rational B-spline surface
// (entity 128): the working net (chines as repeated lines, so the creases
// stay), its weights and its knot vectors, in the design's unit.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

struct IgesOptions {
  bool mirror = false;      // the other side as a second entity
  std::string fileName;     // named in the global section
  std::string timeStamp;    // "YYYYMMDD.HHNNSS", the caller's clock (the core reads none)
};

// From the current working net and knots (Rebuild). Every record is 80
// columns; reals carry 10 significant digits.
std::string FormatIges(const HullDesign& design, const Surface& surface, const IgesOptions& options);

}  // namespace skelmora
