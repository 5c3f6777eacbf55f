// Older hull file reader: any input is refused with a message, found to be
// a current-format design, or read into a design that both older layouts
// write and read back, version 6 stable after one pass.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "files/older_file.h"
#include "model/hull_design.h"
#include "surface/surface.h"
#include "surface/surface_build.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const auto surface = std::make_unique<Surface>();
  auto design = std::make_unique<HullDesign>();
  design->ColumnDivisions = design->RowDivisions = 6;
  std::string message;
  switch (ParseOlderText(*design, *surface, text, message, "fuzz.shl")) {
    case OlderRead::kRefused:
      if (message.empty()) std::abort();  // a refusal always says why
      return 0;
    case OlderRead::kCurrent:
      return 0;
    case OlderRead::kRead:
      break;
  }
  ComputeExtents(*design, *surface);

  const std::string six = FormatOlderText(*design, OlderVersion::kVersion6);
  auto again = std::make_unique<HullDesign>();
  again->ColumnDivisions = again->RowDivisions = 6;
  if (ParseOlderText(*again, *surface, six, message) != OlderRead::kRead) std::abort();
  const std::string second = FormatOlderText(*again, OlderVersion::kVersion6);
  if (ParseOlderText(*again, *surface, second, message) != OlderRead::kRead) std::abort();
  if (FormatOlderText(*again, OlderVersion::kVersion6) != second) std::abort();

  design->DesignDimensions[kDimensionBeam] = 0.0;
  const std::string five = FormatOlderText(*design, OlderVersion::kVersion5);
  if (ParseOlderText(*again, *surface, five, message) != OlderRead::kRead) std::abort();
  return 0;
}
