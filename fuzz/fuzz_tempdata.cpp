// The reference hull's point file ("tempdata"): any input gives at most
// kMaxReferencePoints finite points, the first with its pen up.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/ghs_import.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto points = ParseReferenceHull(text);
  if (points.size() > kMaxReferencePoints) std::abort();
  if (!points.empty() && points.front().draw) std::abort();
  for (const PenPoint& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) std::abort();
  }
  return 0;
}
