// The printed hydrostatics report, laid out in fixed pitch as the window
// shows it: the first half of the groups down a left column, each beside its
// counterpart of the second half on the right; in each column the captions
// padded to one width and the numbers right-aligned on their decimal points,
// with their unit texts after them.
#pragma once

#include <string>

#include "hydro/hydro_report.h"

namespace skelmora::app {

// Two empty lines, "  Hydrostatics Data for " and the file name, the date
// and time between empty lines, then the two columns. Each line ends in '\n'.
std::string FormatReportColumns(const HydrostaticsReport& report,
                                const std::string& designFileName, const std::string& dateTime);

}  // namespace skelmora::app
