// The hydrostatics report: ten groups of captioned values, shown in the
// report window and printed as plain text. One builder serves both.
#pragma once

#include <string>
#include <vector>

#include "hydro/hydrostatics.h"

namespace skelmora {

struct ReportLine {
  std::string caption;
  std::string value;  // the number (width 5, 3 decimals) and its unit text
};

struct ReportGroup {
  std::string title;    // the window's group box
  std::string heading;  // the printed heading, without its two leading blanks
  std::vector<ReportLine> lines;
};

// Groups in print order; the window shows the first five on the left.
struct HydrostaticsReport {
  std::vector<ReportGroup> groups;
};

// Displacement in pounds or kilograms as the report gives it.
double SaltwaterDisplacement(const HydrostaticResults& results, int32_t units);
double FreshwaterDisplacement(const HydrostaticResults& results, int32_t units);

HydrostaticsReport BuildHydrostaticsReport(const HydrostaticResults& results, int32_t units);

// The text the printer receives, each line ending in '\n'. dateTime is the
// current date and time as the caller formats it.
std::string FormatHydrostaticsReport(const HydrostaticsReport& report,
                                     const std::string& designFileName,
                                     const std::string& dateTime);

}  // namespace skelmora
