#include "hydro/curves.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/hydro_common.h"

namespace skelmora {

int CurveStationCount(int requested) {
  if (requested <= 0) return kDefaultCurveStations;
  return std::min(requested, kMaxCurveStations);
}

bool ComputeCurves(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                   HydrostaticResults& results, Prompter& prompter, int requestedStations,
                   CurveResults& curves) {
  if (!(surface.extents.lowestZ < -0.1)) {
    prompter.ShowError(kNoDisplacementBelowLwlMessage);
    results.lowestZ = 1.0;
    StoreDesignDraft(results, design);
    return false;
  }
  const UnitFactors f = FactorsFor(design.Units);
  const int n = CurveStationCount(requestedStations);
  curves.stations = n;
  curves.maxArea = 0.0;
  curves.maxLength = 0.0;
  curves.areas.fill(0.0);
  curves.lengths.fill(0.0);

  // Both waterline polylines bound the stations.
  const WaterlineEnds ends = CutWaterlineEnds(design, surface, cuts, 0.0);
  const double ymin = ends.forward, ymax = ends.aft;

  const double spacing = (ymax - ymin) / n;
  for (int k = 0; k <= n; ++k) {
    const CutResult station = CutStation(design, surface, cuts, ymin + k * spacing);
    double area = 0.0, length = 0.0;
    // A pair leaving the water is cut at its upper point's height, set to 0
    // in the section itself so that nothing after it counts.
    for (int m = 1; m <= station.last; ++m) {
      const SurfacePoint& p = cuts.section[m - 1];
      SurfacePoint& q = cuts.section[m];
      if (p.z < 0.0) {
        if (q.z > 0.0) q.z = 0.0;
        area += std::fabs(q.z + p.z) * (q.x - p.x);
        length += std::hypot(q.x - p.x, q.z - p.z);
      }
    }
    curves.areas[k] = area * f.area;
    curves.lengths[k] = length * f.length;
    curves.maxArea = std::max(curves.maxArea, curves.areas[k]);
    curves.maxLength = std::max(curves.maxLength, curves.lengths[k]);
  }
  return true;
}

std::string CurveChartTitle(const std::string& designFileName, CurveKind kind) {
  return designFileName + (kind == CurveKind::kAreas ? " - Curve of Immersed Areas"
                                                     : " - Curve of Immersed Lengths");
}

std::string CurveAxisTitle(CurveKind kind, bool metric) {
  if (kind == CurveKind::kAreas) {
    return metric ? "Section Area - SqMeters" : "Section Area - SqFt";
  }
  return metric ? "Wetted Lengths - Meters" : "Wetted Lengths - Ft";
}

std::string FormatCurveTable(const CurveResults& curves, CurveKind kind, bool metric,
                             const std::string& label) {
  std::string text = "\n\n" + std::string(17, ' ') + label + "\n\n";
  if (kind == CurveKind::kAreas) {
    text += metric ? "      Section     Area SqM     % of Max\n"
                   : "      Section     Area SqFt    % Of Max\n";
  } else {
    text += metric ? "      Section    Length Meters\n" : "      Section    Length Ft\n";
  }
  // Each number right-aligned under the end of its heading word, so a
  // two-digit station or a large area keeps the columns straight.
  constexpr int kStationEnd = 13, kAreaEnd = 27, kPercentEnd = 39, kLengthEnd = 26;
  const int n = std::clamp(curves.stations, 0, kMaxCurveStations);
  for (int i = 0; i <= n; ++i) {
    text += FormatFixed(i, kStationEnd, 0);
    if (kind == CurveKind::kAreas) {
      // A zero largest area prints 0 % rather than dividing by zero.
      const double percent =
          curves.maxArea > 0.0 ? 100.0 * curves.areas[i] / curves.maxArea : 0.0;
      text += FormatFixed(curves.areas[i], kAreaEnd - kStationEnd, 3) +
              FormatFixed(percent, kPercentEnd - kAreaEnd, 2);
    } else {
      text += FormatFixed(curves.lengths[i], kLengthEnd - kStationEnd, 3);
    }
    text += '\n';
  }
  return text;
}

}  // namespace skelmora
