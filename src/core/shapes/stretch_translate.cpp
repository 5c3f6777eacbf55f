#include "shapes/stretch_translate.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "files/text_io.h"
#include "model/shape_changed.h"
#include "model/undo.h"

namespace skelmora {

namespace {

template <typename Edit>
void ForUsedVertices(HullDesign& design, Edit edit) {
  for (int c = 0; c <= std::clamp<int32_t>(design.LastColumn, 0, kMaxIndex); ++c) {
    for (int r = 0; r <= std::clamp<int32_t>(design.LastRow, 0, kMaxIndex); ++r) {
      edit(design.Net[c][r]);
    }
  }
}

const char* ParameterName(HullParameter parameter) {
  switch (parameter) {
    case HullParameter::kOverall:
    case HullParameter::kLength:
      break;
    case HullParameter::kHalfBeam:
      return "half beam";
    case HullParameter::kFreeboard:
      return "freeboard";
    case HullParameter::kDraft:
      return "draft";
  }
  return "length overall";
}

// The smallest y over the evaluated grid.
double GridSmallestY(const Surface& surface) {
  double smallest = 1e30;
  for (int i = 0; i <= surface.columnDivisions; ++i) {
    for (int j = 0; j <= surface.rowDivisions; ++j) {
      smallest = std::min(smallest, surface.grid[i][j].y);
    }
  }
  return smallest;
}

void ShiftY(HullDesign& design, double by) {
  ForUsedVertices(design, [by](Vertex& v) { v.y = static_cast<float>(v.y - by); });
}

}  // namespace

double StretchCurrentValue(const HullDesign& design, HullParameter parameter) {
  switch (parameter) {
    case HullParameter::kOverall:
    case HullParameter::kLength:
      break;
    case HullParameter::kHalfBeam:
      return design.DesignDimensions[kDimensionBeam];
    case HullParameter::kFreeboard:
      return design.DesignDimensions[kDimensionFreeboard];
    case HullParameter::kDraft:
      return design.DesignDimensions[kDimensionDraft];
  }
  double smallest = 1e30, largest = -1e30;
  for (int c = 0; c <= std::clamp<int32_t>(design.LastColumn, 0, kMaxIndex); ++c) {
    for (int r = 0; r <= std::clamp<int32_t>(design.LastRow, 0, kMaxIndex); ++r) {
      smallest = std::min(smallest, static_cast<double>(design.Net[c][r].y));
      largest = std::max(largest, static_cast<double>(design.Net[c][r].y));
    }
  }
  return largest - smallest;
}

bool StretchHull(HullDesign& design, Surface& surface, const std::filesystem::path& workDirectory,
                 Prompter& prompter, StretchMode mode, HullParameter parameter, double value) {
  if (!design.DesignOpen) return false;
  if (!std::isfinite(value)) {
    prompter.ShowError("The value is not a number.");
    return false;
  }
  double k;
  if (mode == StretchMode::kSetDimension) {
    const double current = StretchCurrentValue(design, parameter);
    if (current == 0.0) {
      prompter.ShowError(
          std::string("The current ") + ParameterName(parameter) +
          " is 0, so no factor can be found from a new value. Use Scale By "
          "Percent instead" +
          (parameter == HullParameter::kOverall || parameter == HullParameter::kLength
               ? "."
               : ", or run the hydrostatics first to measure the hull."));
      return false;
    }
    k = value / current;
    if (!(k > 0.0)) {
      prompter.ShowError("The new " + std::string(ParameterName(parameter)) + " (" +
                         FormatFixed(value, 0, 3) +
                         ") must not be 0 and must have the sign of "
                         "the current one (" +
                         FormatFixed(current, 0, 3) + ").");
      return false;
    }
  } else {
    k = 1.0 + value / 100.0;
    if (!(k > 0.0)) {
      prompter.ShowError("Scaling by " + FormatFixed(value, 0, 1) +
                         " % would collapse or mirror the hull: the percentage must be above "
                         "-100.");
      return false;
    }
  }
  TakeSnapshot(design, workDirectory);
  ForUsedVertices(design, [parameter, k](Vertex& v) {
    auto scale = [k](float& c) { c = static_cast<float>(c * k); };
    switch (parameter) {
      case HullParameter::kOverall:
        scale(v.x), scale(v.y), scale(v.z);
        break;
      case HullParameter::kLength:
        scale(v.y);
        break;
      case HullParameter::kHalfBeam:
        scale(v.x);
        break;
      case HullParameter::kFreeboard:
        if (v.z > 0.0f) scale(v.z);
        break;
      case HullParameter::kDraft:
        if (v.z < 0.0f) scale(v.z);
        break;
    }
  });
  if (parameter == HullParameter::kOverall || parameter == HullParameter::kLength) {
    design.StationSpacing = 0.0;
  }
  if (parameter == HullParameter::kOverall || parameter == HullParameter::kDraft ||
      parameter == HullParameter::kFreeboard) {
    design.WaterlineSpacing = 0.0;
  }
  ShapeChanged(design, surface);
  return true;
}

bool TranslateHull(HullDesign& design, Surface& surface, const std::filesystem::path& workDirectory,
                   ShiftKind kind, double distance) {
  if (!design.DesignOpen) return false;
  if (kind != ShiftKind::kBowToZero && !std::isfinite(distance)) return false;
  TakeSnapshot(design, workDirectory);
  const double d = distance;
  switch (kind) {
    case ShiftKind::kForeAft:
      ForUsedVertices(design, [d](Vertex& v) { v.y = static_cast<float>(v.y + d); });
      break;
    case ShiftKind::kUpDown:
      ForUsedVertices(design, [d](Vertex& v) { v.z = static_cast<float>(v.z + d); });
      break;
    case ShiftKind::kRightLeft:
      ForUsedVertices(design, [d](Vertex& v) { v.x = static_cast<float>(v.x + d); });
      break;
    case ShiftKind::kBowToZero: {
      // The grid minimum, not the vertices': the surface may lie aft of its
      // bow vertices. A negative minimum is taken in two half steps, the
      // second with the smaller of the two minima.
      EvaluateSurfaceGrid(design, surface);
      const double first = GridSmallestY(surface);
      ShiftY(design, first > 0.0 ? first : first / 2.0);
      EvaluateSurfaceGrid(design, surface);
      const double second = std::min(first, GridSmallestY(surface));
      ShiftY(design, second > 0.0 ? second : second / 2.0);
      break;
    }
  }
  ShapeChanged(design, surface);
  return true;
}

}  // namespace skelmora
