// The stability texts' numbers: FormatFixed, but a value that rounds to zero
// is written without a minus sign ("0.000", never "-0.000").
#pragma once

#include <string>

namespace skelmora {

std::string StabilityFixed(double value, int width, int decimals);

}  // namespace skelmora
