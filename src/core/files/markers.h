// The measure-marker file (".mkr"): a grid of measured points, read again
// at every repaint while markers are shown, and written from a hull's
// vertices. Line 1 holds the last column and last row index of the marker
// grid (each 0..50); then one "x y z" line per point, column by column.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/hull_design.h"
#include "model/prompter.h"

namespace skelmora {

struct MarkerPoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline constexpr const char* kMarkerCountMessage =
    "More than 50 or less than 0 Data Points in Marker File Data, Data Discarded";

enum class MarkerParse { kOk, kBadCount };

// The points of a marker file's text into points (cleared first; its
// capacity is kept). A grid count outside 0..50 gives kBadCount and no
// points. A file that ends early gives the points it has.
MarkerParse ParseMarkerText(std::string_view text, std::vector<MarkerPoint>& points);

// What the views run at every paint while MarkersShown is set. Without a
// file name, markers are switched off; a file that no longer exists also
// forgets the name, silently. A grid count outside 0..50 shows
// kMarkerCountMessage and switches markers off, keeping the name; so does a
// file that exists but cannot be read (silently). Returns true when the
// points were read.
bool ReadMarkers(HullDesign& design, Prompter& prompter, std::vector<MarkerPoint>& points);

// The marker file name for a chosen name: the first "." of the file name and
// up to three characters after it are removed and ".mkr" is appended
// ("hull.s98" -> "hull.mkr", "hull" -> "hull.mkr"). Dots in directory names
// are left alone.
std::string MarkerFileNameFor(const std::string& chosen);

// The text of a marker file holding the design's vertices (CR LF lines).
std::string FormatMarkerText(const HullDesign& design);

// "Convert Vertices to Measure Markers" once a name is chosen (the caller
// ends the command if the save dialog is cancelled): MarkerFileName becomes
// MarkerFileNameFor(chosen), the file is written beside itself and renamed
// over any old one, and MarkersShown is set. Returns false, leaving the
// design as it was, when the file cannot be written.
bool WriteMarkersFromVertices(HullDesign& design, const std::string& chosen);

}  // namespace skelmora
