// AutoCAD R12 ASCII DXF of the lines, the net and the surface: X is the
// distance aft of the bow (the model's y), Y the half-breadth (x), Z the
// height, in the design's unit.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/sections.h"

namespace skelmora {

enum DxfFamily : unsigned {
  kDxfStations = 1u << 0,
  kDxfWaterlines = 1u << 1,
  kDxfButtocks = 1u << 2,
  kDxfSpecial = 1u << 3,   // the special stations, waterlines and buttocks
  kDxfNet = 1u << 4,       // vertices as points and the net's lines
  kDxfSurface = 1u << 5,   // the grid as 3DFACEs, always both sides
  kDxfAllFamilies = (1u << 6) - 1,
};

struct DxfOptions {
  unsigned families = kDxfAllFamilies;
  bool bothSides = true;  // the lines mirrored to the other side as well
};

// Layer names, one per family and special kind.
inline constexpr const char* kDxfStationLayer = "STATIONS";
inline constexpr const char* kDxfWaterlineLayer = "WATERLINES";
inline constexpr const char* kDxfButtockLayer = "BUTTOCKS";
inline constexpr const char* kDxfSpecialStationLayer = "SPECIAL_STATIONS";
inline constexpr const char* kDxfSpecialWaterlineLayer = "SPECIAL_WATERLINES";
inline constexpr const char* kDxfSpecialButtockLayer = "SPECIAL_BUTTOCKS";
inline constexpr const char* kDxfNetLayer = "NET";
inline constexpr const char* kDxfSurfaceLayer = "SURFACE";

// The stations, waterlines and buttocks at the design's displayed
// placements (derived as the views derive them, on a copy: the design is
// not changed). The grid and extents must be current.
std::string FormatDxf(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                      const DxfOptions& options);

}  // namespace skelmora
