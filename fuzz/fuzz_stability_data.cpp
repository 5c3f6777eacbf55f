// The stability data file read back for the results window: the file is
// the user's to edit, so any text gives at most the asked-for rows of each
// table, every value finite, and the first table only with the second. The
// first byte is the row count asked for.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "stability/stability_data.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int rowCount = static_cast<int>(data[0]) - 8;  // a few negative counts too
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const StabilityTables tables = ReadStabilityTables(text, rowCount);
  const size_t most = rowCount > 0 ? static_cast<size_t>(rowCount) : 0;
  if (tables.first.size() > most || tables.second.size() > most) std::abort();
  if (!tables.hasSecondTable && (!tables.first.empty() || !tables.second.empty())) std::abort();
  for (const auto* table : {&tables.first, &tables.second}) {
    for (const auto& row : *table) {
      for (const double value : row) {
        if (!std::isfinite(value)) std::abort();
      }
    }
  }
  return 0;
}
