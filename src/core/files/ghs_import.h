// GHS geometry import: the transverse sections of a ".GF1" file become the
// point file "tempdata" in the work directory, which the views draw as the
// reference hull. The vertex net is not touched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/hull_design.h"
#include "model/prompter.h"
#include "views/draw_design.h"

namespace skelmora {

inline constexpr const char* kGhsUnitsCaption = "Units Needed";
inline constexpr const char* kGhsUnitsPrompt = "No UNITS were found - Specify F(feet) or M(meters)";
inline constexpr const char* kGhsPointFile = "tempdata";
inline constexpr const char* kGhsWorkFile = "TEMP";

enum class GhsUnits { kAsk, kFeet, kMetres };

enum class GhsConvert {
  kDone,       // text holds the point file
  kCancelled,  // the units question was cancelled
  kFailed,     // message says why
};

// The point file's text for a GHS file: one line per point, section number
// (from 1), point number (from 0), then half-beam, distance aft of the
// foremost section and height, each 11:5, scaled into inches (feet x 12) or
// millimetres (metres x 304.8). Without a units line ("P:M", "P:F") units
// says which, or with kAsk the "Units Needed" box asks until "M" or "F" (any
// case) is given; that answer also sets the design's unit (its vertices are
// not converted). A file without a "*" line, without sections or that ends
// inside a section is refused.
// The GHS file's text; false with the message a user sees (it cannot be
// opened, is too large to be one, is not a regular file).
bool ReadGhsFileText(const std::string& path, std::string& text, std::string& message);

GhsConvert ConvertGhsText(std::string_view ghs, HullDesign& design, Prompter& prompter,
                          GhsUnits units, std::string& text, std::string& message);

// The import: converts the file, writes "TEMP" in workDirectory and renames
// it to "tempdata" there, then sets RefHullLoaded and RefHullShown. A
// failed import leaves the previous point file and flags as they were; a
// cancelled units question leaves no reference hull (both flags cleared).
GhsConvert ImportGhsFile(HullDesign& design, const std::string& ghsPath,
                         const std::string& workDirectory, Prompter& prompter,
                         std::string& message, GhsUnits units = GhsUnits::kAsk);

// Reads a point file into the reference hull's polylines, one per section
// (the pen is up at the first point of each). Lines that do not hold five
// numbers are skipped; at most kMaxReferencePoints points are taken.
constexpr size_t kMaxReferencePoints = 1u << 20;
std::vector<PenPoint> ParseReferenceHull(std::string_view text);
// The same from the file; empty when it cannot be read.
std::vector<PenPoint> ReadReferenceHull(const std::string& path);

}  // namespace skelmora
