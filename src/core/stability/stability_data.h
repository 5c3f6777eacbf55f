// The stability data file "stabdata.dat": the run's two tables as text, and
// the reading back that the results window plots from.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "stability/stability_run.h"

namespace skelmora {

inline constexpr const char* kStabilityDataName = "stabdata.dat";
inline constexpr const char* kStabilityHeading =
    "  Ang     Disp      Trim     LWL     Draft       BmWL      WPln       WSurf       Cp       Cb       Cw      LCB      VCB      TCB     LCF      VCGx     VCGz     LCG";
inline constexpr const char* kMetacentricHeading = " Ang      Bmt      Gmt       Bml       Gml        Gz";
// A step whose displacement was not found gives its angle and this in
// place of the numbers, in both tables.
inline constexpr const char* kRowNotFound = "not found";

// The file's text, lines ending in CR LF. After a failed run only the header
// and the rows found so far (the file as far as it was written).
std::string FormatStabilityData(const StabilityRun& run, const std::string& designFileName,
                                int32_t units);

// Displacement as the first table gives it: pounds, or long tons above
// 99000 pounds; kilograms, or tonnes above 99000 kilograms. unit is set to
// "lb", "ton", "kg" or "t".
double TableDisplacement(double volume, int32_t units, std::string* unit = nullptr);

// Every column of both tables for row p in the file's units, under the
// headings' names in lower case. "ang" is the heel the step was computed at.
// A row not found gives only "ang".
std::vector<std::pair<std::string, double>> StabilityRowValues(const StabilityRun& run,
                                                               size_t p, int32_t units);

// The two tables read back: the rows of the first begin two lines below the
// first line after the title holding "Ang", those of the second on the line
// after the first holding "Bmt"; rowCount rows each, blank-separated numbers.
// A row whose angle is followed by something other than a number (a step
// not found) holds only its angle, and its angle is listed in notFound.
struct StabilityTables {
  bool hasSecondTable = false;
  std::vector<std::vector<double>> first;
  std::vector<std::vector<double>> second;
  std::vector<double> notFound;  // heels, from the second table
};
StabilityTables ReadStabilityTables(std::string_view text, int rowCount);

}  // namespace skelmora
