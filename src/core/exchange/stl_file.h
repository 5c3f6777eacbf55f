// Binary STL of a triangle mesh, in the design's unit with z up.
#pragma once

#include <string>

#include "exchange/hull_mesh.h"

namespace skelmora {

// The 80-byte header names the unit; each facet's normal is its own
// (0, 0, 0 for a sliver with no area).
std::string FormatBinaryStl(const TriangleMesh& mesh, int32_t units);

}  // namespace skelmora
