// Ballast file reader: any input is refused with a message and the table
// untouched, or gives a table of 2 to kBallastMaxRows rows of five cells; a
// table written out reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stability/ballast_file.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  BallastTable table = BallastTable::Reset(3);
  table.rows[1][0] = "untouched";
  std::string message;
  if (!ParseBallastFile(text, table, message)) {
    if (message.empty() || table.RowCount() != 3 || table.rows[1][0] != "untouched") std::abort();
    return 0;
  }
  if (table.RowCount() < 2 || table.RowCount() > kBallastMaxRows) std::abort();
  if (table.rows[0][kBallastName] != kBallastHeadings[kBallastName]) std::abort();

  const std::string written = FormatBallastFile(table);
  BallastTable again;
  if (!ParseBallastFile(written, again, message)) std::abort();
  if (again.RowCount() != table.RowCount()) std::abort();
  if (FormatBallastFile(again) != written) std::abort();
  return 0;
}
