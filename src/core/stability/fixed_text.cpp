#include "stability/fixed_text.h"

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

}  // namespace skelmora
