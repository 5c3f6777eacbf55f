// IGES import: the first rational B-spline surface (entity 128) of a file
// becomes the design's vertex net and tensions, turned into the program's
// axes (length along y, bow at column 0, keel at row 0).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

inline constexpr const char* kNoIgesSurfaceMessage =
    "Error - This IGES file does not contain Type 128 NURB Surfaces. Cannot Import this file.";
inline constexpr const char* kExchangeRowsQuestion = "Exchange Rows for Columns?";
inline constexpr const char* kIgesInchesQuestion = "Are units in Inches? (No=millimeters)";

// The parameters of one entity 128 that the import keeps.
struct IgesSurface {
  int k1 = 0;  // upper index, first direction (-> LastColumn)
  int k2 = 0;  // upper index, second direction (-> LastRow)
  int m1 = 0;  // degree, first direction (-> WaterlineTension)
  int m2 = 0;  // degree, second direction (-> StationTension)
  // (k1 + 1) x (k2 + 1), first index fastest.
  std::vector<float> weights;
  std::vector<float> x, y, z;
  // The global section's units flag (1 inches, 2 millimetres, 6 metres,
  // ...); 0 when the file has none.
  int unitsFlag = 0;
};

enum class IgesParse { kOk, kNoSurface, kRefused };

// Finds the first entity 128 (through the directory entry section when the
// file has one, else the first parameter line whose entity type is 128) and
// reads its parameters, which may run over any number of lines. Delimiters
// come from the global section; Hollerith strings are read whole. A net
// beyond 51 x 51 is refused before anything else is read, as are degrees
// below 1 and a record that ends before its last control point. Malformed
// numbers read as 0.
IgesParse ParseIgesText(std::string_view text, IgesSurface& surface, std::string& message);

// Whether the file's own unit is inches (inches, feet, miles, mils,
// micro-inches); otherwise it is taken as metric.
bool IgesUnitIsImperial(int unitsFlag);

// Makes the surface the design: net and tensions, the orientation steps
// (length along y, foremost point at y = 0, lowest at z = 0, the "Exchange
// Rows for Columns?" question, row 0 at the keel, column 0 at the bow), the
// units question, the reset after an import, metres to millimetres (a
// metric hull less than 1000 wide), the views (body only, stations and the
// net), then the knots, grid and extents. Weights not above 0 become 1.
void ImportIgesSurface(HullDesign& design, Surface& surface, const IgesSurface& iges,
                       Prompter& prompter);

// The whole import from a file: refused files (no surface, a net too
// large, unreadable) change nothing and say why in message. The design's
// file name becomes the IGES name with the extension ".s98"; the history
// is the caller's to reset.
// The IGES file's text; false with the message a user sees (it cannot be
// opened, is too large to be one, is not a regular file).
bool ReadIgesFileText(const std::string& path, std::string& text, std::string& message);

bool ImportIgesFile(HullDesign& design, Surface& surface, const std::string& path,
                    Prompter& prompter, std::string& message);

// The same from text already read; path names the file.
bool ImportIgesText(HullDesign& design, Surface& surface, std::string_view text,
                    const std::string& path, Prompter& prompter, std::string& message);

// "hull.igs" -> "hull.s98".
std::string IgesDesignName(const std::string& path);

}  // namespace skelmora
