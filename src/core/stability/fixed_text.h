// The stability texts' numbers: FormatFixed, but a value that rounds to zero
// is written without a minus sign ("0.000", never "-0.000").
#pragma once

#include <string>

namespace skelmora {

std::string StabilityFixed(double value, int width, int decimals);

// A cell of the data file's tables: as StabilityFixed, but never wider than
// the column's width or kStabilityCellMost characters, whichever is more
// (every value a hull gives keeps its decimals within that): a wider value
// loses decimals, then takes the exponent form ("1.2e+15"), so one cell
// never pushes the rest of its row out of line.
inline constexpr int kStabilityCellMost = 10;
std::string StabilityCell(double value, int width, int decimals);

}  // namespace skelmora
