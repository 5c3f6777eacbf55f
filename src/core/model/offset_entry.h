// File › New › "Type in a Table of Vertex or Marker Offsets": the "New Design
// via Offset Entry" dialog sizes a fresh net and fills it with a box-like
// starting shape that the user then types over in the vertex spreadsheet.
#pragma once

#include <cstdint>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

// The dialog's fields, with their defaults.
struct OffsetEntryValues {
  int stations = 3;       // "Number of Stations": columns
  int offsets = 3;        // "Offsets Per station": rows
  double length = 360.0;  // "Length Overall"
  double beam = 48.0;     // "Max Beam At Deck" (half beam at the deck edge)
  double height = 48.0;   // "Height Above LWL"
  int32_t units = kInches;
};

// The dialog's OK. Refuses with a message and changes nothing when a
// dimension is 0 ("One or more hull dimensions are zero"; the dialog stays
// open) or a count lies outside 3..51. Otherwise sets the units, the counts,
// both tensions to 2, no chines, DesignFileName "Newdesgn.s98", and builds
// the net: a vertical stem at column 0 (x = 0, y = 0, z = H r / R) and every
// other column c a straight line at y = L c / C from the centreline 0.2 H
// below the waterline up to the deck edge (B, H). Working counts, knots and
// grid are rebuilt. The caller then opens the spreadsheet; the new-design
// reset and the history reset belong to the File › New flow.
bool NewDesignFromOffsets(HullDesign& design, Surface& surface, Prompter& prompter,
                          const OffsetEntryValues& values);

}  // namespace skelmora
