#include "model/offset_entry.h"

#include <cmath>
#include <string>

#include "model/shape_changed.h"

namespace skelmora {

namespace {

constexpr int kFewestLines = 3;

bool CheckCount(int count, const char* what, Prompter& prompter) {
  if (count >= kFewestLines && count <= kNetSize) return true;
  prompter.ShowError(std::string("The ") + what + " must be from " + std::to_string(kFewestLines) +
                     " to " + std::to_string(kNetSize) + ".");
  return false;
}

}  // namespace

bool NewDesignFromOffsets(HullDesign& design, Surface& surface, Prompter& prompter,
                          const OffsetEntryValues& values) {
  const double L = values.length, B = values.beam, H = values.height;
  if (L == 0.0 || B == 0.0 || H == 0.0) {
    prompter.ShowError("One or more hull dimensions are zero");
    return false;
  }
  if (!std::isfinite(L) || !std::isfinite(B) || !std::isfinite(H)) {
    prompter.ShowError("The hull dimensions must be numbers.");
    return false;
  }
  if (!CheckCount(values.stations, "number of stations", prompter) ||
      !CheckCount(values.offsets, "number of offsets per station", prompter)) {
    return false;
  }
  design.Units = values.units == kMillimetres ? kMillimetres : kInches;
  design.LastColumn = values.stations - 1;
  design.LastRow = values.offsets - 1;
  design.WaterlineTension = 2;
  design.StationTension = 2;
  design.ColumnChineCount = 0;
  design.RowChineCount = 0;
  design.DesignFileName = "Newdesgn.s98";

  ResetNet(design);
  const int C = design.LastColumn, R = design.LastRow;
  for (int r = 0; r <= R; ++r) {
    design.Net[0][r] = Vertex{0.0f, 0.0f, static_cast<float>(H * r / R), 1.0f};
  }
  for (int c = 1; c <= C; ++c) {
    for (int r = 0; r <= R; ++r) {
      const double f = static_cast<double>(r) / R;
      design.Net[c][r] = Vertex{static_cast<float>(B * f), static_cast<float>(L * c / C),
                                static_cast<float>(H * f - 0.2 * H * (1.0 - f)), 1.0f};
    }
  }
  RebuildSurface(design, surface);
  return true;
}

}  // namespace skelmora
