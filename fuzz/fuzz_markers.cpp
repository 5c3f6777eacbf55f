// Marker file reader: any input gives at most the announced number of
// points (never more than 51 x 51) or a refusal, and a net written as a
// marker file reads back point for point.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "files/markers.h"
#include "model/hull_design.h"

using namespace skelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static std::vector<MarkerPoint> points;
  if (ParseMarkerText(text, points) == MarkerParse::kBadCount) {
    if (!points.empty()) std::abort();
    return 0;
  }
  if (points.size() > static_cast<size_t>(kNetSize * kNetSize)) std::abort();

  // Use the points as a net (column by column, as the file lists them) and
  // check that writing and reading it again loses nothing but precision.
  auto design = std::make_unique<HullDesign>();
  design->LastColumn = static_cast<int>((points.size() + kNetSize - 1) / kNetSize) - 1;
  if (design->LastColumn < 0) return 0;
  design->LastRow = kMaxIndex;
  for (size_t k = 0; k < points.size(); ++k) {
    Vertex& v = design->Net[k / kNetSize][k % kNetSize];
    v.x = static_cast<float>(points[k].x);
    v.y = static_cast<float>(points[k].y);
    v.z = static_cast<float>(points[k].z);
  }
  std::vector<MarkerPoint> again;
  if (ParseMarkerText(FormatMarkerText(*design), again) != MarkerParse::kOk) std::abort();
  if (again.size() != static_cast<size_t>((design->LastColumn + 1) * kNetSize)) std::abort();
  return 0;
}
