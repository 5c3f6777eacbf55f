// The benchmarks' hull: 30 ft in inches, degree 3 both ways, a fine entry
// and a flat run, on a net of the size asked for.
#pragma once

#include <algorithm>
#include <cmath>

#include "model/design_session.h"

namespace skelmora::bench {

inline void FillBenchHull(HullDesign& d, int lastColumn, int lastRow) {
  constexpr double kPi = 3.14159265358979323846;
  d.DesignOpen = true;
  d.Units = kInches;
  d.LastColumn = lastColumn;
  d.LastRow = lastRow;
  d.WaterlineTension = 3;
  d.StationTension = 3;
  for (int a = 0; a <= lastColumn; ++a) {
    for (int b = 0; b <= lastRow; ++b) {
      const double s = static_cast<double>(a) / lastColumn;
      const double t = static_cast<double>(b) / lastRow;
      const double beam = 60.0 * std::sqrt(std::max(0.0, std::sin(kPi * s)));
      const double x = beam * std::pow(std::sin(kPi / 2 * t), 0.6);
      const double z = -48.0 * (1 - t) * (0.3 + 0.7 * std::sin(kPi * s)) + 40.0 * t;
      d.Net[a][b] = Vertex{static_cast<float>(x), static_cast<float>(360.0 * s),
                           static_cast<float>(z), 1.0f};
    }
  }
}

}  // namespace skelmora::bench
