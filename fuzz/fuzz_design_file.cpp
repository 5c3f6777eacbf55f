// Design file reader: any input is either refused with a message or read
// into a design that the writer can save and the reader read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "files/design_file.h"
#include "model/hull_design.h"
#include "surface/surface.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto design = std::make_unique<HullDesign>();
  // Everything in the surface is derived from the design, so one serves all
  // inputs; allocating 1.7 MB per input would dominate the run time.
  static const auto surface = std::make_unique<Surface>();
  // A coarse grid still runs every evaluation path, many times faster.
  design->ColumnDivisions = design->RowDivisions = 6;
  std::string message;
  if (!ParseDesignText(*design, *surface, text, message, "fuzz.s98")) {
    if (message.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  ComputeExtents(*design, *surface);

  // What we write we must read again, and a second pass changes nothing
  // (the first may: a weight that rounds to 0.0000 is read back as 1).
  const std::string first = FormatDesignText(*design, false);
  auto again = std::make_unique<HullDesign>();
  again->ColumnDivisions = again->RowDivisions = 6;
  if (!ParseDesignText(*again, *surface, first, message)) std::abort();
  const std::string second = FormatDesignText(*again, false);
  if (!ParseDesignText(*again, *surface, second, message)) std::abort();
  if (FormatDesignText(*again, false) != second) std::abort();
  return 0;
}
