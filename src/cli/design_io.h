// Reading and writing designs by file extension.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora::cli {

// Reads a design by its extension; evaluates the grid at the design's
// divisions and computes the extents.
bool LoadDesign(const std::string& path, HullDesign& design, Surface& surface,
                std::string& message);

bool SaveDesignAs(HullDesign& design, const std::string& path, std::string& message);

}  // namespace skelmora::cli
