#include "shapes/stretch_translate.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "files/text_io.h"
#include "model/net_edit.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

constexpr const char* kNotANumberMessage = "The value is not a number.";

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

// The change of one vertex's coordinates that a stretch makes.
struct Stretch {
  HullParameter parameter;
  double k;
  void operator()(double& x, double& y, double& z) const {
    switch (parameter) {
      case HullParameter::kOverall:
        x *= k, y *= k, z *= k;
        break;
      case HullParameter::kLength:
        y *= k;
        break;
      case HullParameter::kHalfBeam:
        x *= k;
        break;
      case HullParameter::kFreeboard:
        if (z > 0.0) z *= k;
        break;
      case HullParameter::kDraft:
        if (z < 0.0) z *= k;
        break;
    }
  }
};

struct Shift {
  ShiftKind kind;
  double d;
  void operator()(double& x, double& y, double& z) const {
    if (kind == ShiftKind::kForeAft) y += d;
    if (kind == ShiftKind::kUpDown) z += d;
    if (kind == ShiftKind::kRightLeft) x += d;
  }
};

// One step of "Shift Bow to Zero": a minimum above 0 is taken whole, one at
// or below 0 by half.
Shift BowStep(double smallest) {
  return Shift{ShiftKind::kForeAft, -(smallest > 0.0 ? smallest : smallest / 2.0)};
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
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      smallest = std::min(smallest, static_cast<double>(design.Net[c][r].y));
      largest = std::max(largest, static_cast<double>(design.Net[c][r].y));
    }
  }
  return largest - smallest;
}

bool StretchHull(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter, StretchMode mode, HullParameter parameter, double value) {
  if (!design.DesignOpen) return false;
  if (!std::isfinite(value)) {
    prompter.ShowError(kNotANumberMessage);
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
      prompter.ShowError("Scaling by " + FormatEcho(value, 1) +
                         " % would collapse or mirror the hull: the percentage must be above "
                         "-100.");
      return false;
    }
  }
  const Stretch stretch{parameter, k};
  if (!NetEditFits(design, stretch)) {
    prompter.ShowError(kNetOverflowMessage);
    return false;
  }
  history.Take(design);
  ApplyNetEdit(design, stretch);
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

bool TranslateHull(HullDesign& design, Surface& surface, const UndoHistory& history,
                   ShiftKind kind, double distance, Prompter* prompter) {
  if (!design.DesignOpen) return false;
  auto refuse = [prompter](const char* message) {
    if (prompter) prompter->ShowError(message);
    return false;
  };
  if (kind != ShiftKind::kBowToZero) {
    if (!std::isfinite(distance)) return refuse(kNotANumberMessage);
    const Shift shift{kind, distance};
    if (!NetEditFits(design, shift)) return refuse(kNetOverflowMessage);
    history.Take(design);
    ApplyNetEdit(design, shift);
    ShapeChanged(design, surface);
    return true;
  }
  // The grid minimum, not the vertices': the surface may lie aft of its bow
  // vertices. A negative minimum is taken in two half steps, the second with
  // the smaller of the two minima. The net is kept aside until both steps
  // are known to fit.
  EvaluateSurfaceGrid(design, surface);
  const double first = GridSmallestY(surface);
  if (!NetEditFits(design, BowStep(first))) return refuse(kNetOverflowMessage);
  const VertexNet before = design.Net;
  ApplyNetEdit(design, BowStep(first));
  EvaluateSurfaceGrid(design, surface);
  const double second = std::min(first, GridSmallestY(surface));
  if (!NetEditFits(design, BowStep(second))) {
    design.Net = before;
    EvaluateSurfaceGrid(design, surface);
    return refuse(kNetOverflowMessage);
  }
  const VertexNet moved = design.Net;
  design.Net = before;  // the snapshot holds the hull as it was
  history.Take(design);
  design.Net = moved;
  ApplyNetEdit(design, BowStep(second));
  ShapeChanged(design, surface);
  return true;
}

}  // namespace skelmora
