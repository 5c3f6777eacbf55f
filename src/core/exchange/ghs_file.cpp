#include "exchange/ghs_file.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "files/text_io.h"

namespace skelmora {

std::string FormatGhs(const HullDesign& design, const Surface& surface, CutBuffers& cuts) {
  const bool millimetres = design.Units == kMillimetres;
  const double scale = millimetres ? kGhsFeetToMillimetres : kGhsFeetToInches;
  auto value = [scale](double v) { return FormatFixed(v / scale, 1, 7); };

  auto placed = std::make_unique<HullDesign>(design);
  const SectionPlacement stations = StationPositions(*placed, surface, cuts);
  std::string sections;
  int count = 0;
  for (int k = 1; k <= stations.count; ++k) {
    const double y = stations.At(k);
    const int last = std::min(CutStation(design, surface, cuts, y).last, kSectionCapacity - 1);
    if (last < 1) continue;
    ++count;
    sections += value(y) + "," + std::to_string(last + 1) + "\r\n";
    for (int p = 0; p <= last; ++p) {
      sections += value(cuts.section[p].x) + "," + value(cuts.section[p].z) + "\r\n";
    }
  }
  std::string out = "GHS geometry from skelmora, sections in feet\r\n";
  out += millimetres ? "P:M\r\n" : "P:F\r\n";
  out += "*\r\n";
  std::string title = design.DesignFileName.empty() ? std::string("hull") : design.DesignFileName;
  out += title + "\r\n";
  out += std::to_string(count) + "\r\n";
  out += sections;
  return out;
}

}  // namespace skelmora
