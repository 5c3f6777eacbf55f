#include "stability/fixed_text.h"

#include <algorithm>
#include <charconv>

#include "files/text_io.h"

namespace skelmora {

std::string StabilityFixed(double value, int width, int decimals) {
  std::string text = FormatFixed(value, width, decimals);
  const size_t minus = text.find('-');
  if (minus != std::string::npos &&
      text.find_first_of("123456789", minus) == std::string::npos) {
    return FormatFixed(0.0, width, decimals);
  }
  return text;
}

std::string StabilityCell(double value, int width, int decimals) {
  const int most = std::max(width, kStabilityCellMost);
  std::string text = StabilityFixed(value, width, decimals);
  for (int d = decimals - 1; d >= 0 && static_cast<int>(text.size()) > most; --d) {
    text = StabilityFixed(value, width, d);
  }
  for (int digits = most - 6; digits >= 0 && static_cast<int>(text.size()) > most; --digits) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, CleanNumber(value),
                                   std::chars_format::scientific, digits);
    text.assign(buffer, end.ptr);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  }
  return text;
}

}  // namespace skelmora
