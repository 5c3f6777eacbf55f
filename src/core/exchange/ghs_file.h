// GHS geometry (".GF1"): the hull's sections at the displayed stations,
// each a position and its half-beam / height points, in feet behind a units
// line ("P:F" for inch designs, "P:M" for millimetre ones), which the GHS
// import scales back by 12 or 304.8 into the design's unit.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/sections.h"

namespace skelmora {

inline constexpr double kGhsFeetToInches = 12.0;
inline constexpr double kGhsFeetToMillimetres = 304.8;

// The placements are derived on a copy: the design is not changed. A
// station that misses the hull is left out.
std::string FormatGhs(const HullDesign& design, const Surface& surface, CutBuffers& cuts);

}  // namespace skelmora
