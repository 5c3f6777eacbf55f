// The table of a resistance run as the window shows and prints it: the
// components and the total per speed, the total also in the design's force
// unit (pounds or kilograms force) and the power in kW and hp.
#pragma once

#include <string>
#include <vector>

#include "resistance/resistance.h"

namespace skelmora {

struct ResistanceTable {
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;  // "-" where a speed has no value
};

ResistanceTable FormatResistanceTable(const ResistanceRun& run, bool metric);

// Total resistance in the design's force unit and power in horsepower.
double ForceInDesignUnit(double kiloNewtons, bool metric);
double Horsepower(double kiloWatts);

// The run as printed text: the method, the inputs, the warnings, the table.
std::string ResistanceReportText(const ResistanceRun& run, bool metric);

}  // namespace skelmora
