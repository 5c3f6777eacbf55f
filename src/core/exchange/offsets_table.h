// The table of offsets a yard lofts from: one row per displayed station with
// the half-breadths at the displayed waterlines, the heights at the
// displayed buttocks, the sheer and the keel; feet-inches-eighths for inch
// designs, whole millimetres for metric ones. And the vertex net as a table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/hull_design.h"
#include "surface/sections.h"

namespace skelmora {

// "F-II-E" to the nearest eighth of an inch ("3-04-5" is 3 ft 4 5/8 in),
// a minus sign before a negative value that does not round to zero.
std::string FormatFeetInchesEighths(double inches);

// One offset in the design's unit as the table writes it.
std::string FormatOffset(double value, int32_t units);

struct OffsetRow {
  double station = 0.0;                        // y of the station
  std::vector<std::optional<double>> halfBreadths;  // one per waterline; none where it misses
  std::vector<std::optional<double>> heights;       // one per buttock
  double sheerHalfBreadth = 0.0, sheerHeight = 0.0, keelHeight = 0.0;
};

struct OffsetTable {
  std::vector<double> waterlines;  // z of each
  std::vector<double> buttocks;    // x of each (empty when buttocks are not shown)
  std::vector<OffsetRow> rows;
};

// At the placements the views derive, on a copy (the design is unchanged).
// The half-breadth is the outermost crossing of the station's section with
// the waterline, the height the lowest crossing with the buttock.
OffsetTable ComputeOffsetTable(const HullDesign& design, const Surface& surface, CutBuffers& cuts);

// Fixed-pitch text, one row per station, with a heading naming the unit.
std::string FormatOffsetTable(const HullDesign& design, const OffsetTable& table);

// Column, row, x, y, z and weight of every vertex, fixed pitch.
std::string FormatVertexTable(const HullDesign& design);

}  // namespace skelmora
