#include "shapes/trim.h"

#include <cmath>

#include "hydro/waterplane.h"
#include "model/net_edit.h"
#include "model/shape_changed.h"
#include "stability/heeled_section.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

constexpr int kPivotIterations = 30;

// The turn about (y = pivot, z = 0); positive sine puts the stern down.
struct TrimTurn {
  double pivot;
  double cosine;
  double sine;
  TrimTurn(double pivotY, double degrees)
      : pivot(pivotY),
        cosine(std::cos(degrees * kDegreesToRadians)),
        sine(std::sin(degrees * kDegreesToRadians)) {}
  void operator()(double&, double& y, double& z) const {
    const double dy = y - pivot;
    const double dz = z;
    y = pivot + dy * cosine + dz * sine;
    z = -dy * sine + dz * cosine;
  }
};

}  // namespace

std::optional<double> CentreOfFlotation(const HullDesign& design, const Surface& surface,
                                        CutBuffers& cuts) {
  const auto waterplane = WaterplaneOf(design, surface, cuts);
  if (!waterplane) return std::nullopt;
  return waterplane->lcf;
}

double WaterlineLength(const HullDesign& design, const Surface& surface, CutBuffers& cuts) {
  const WaterlineEnds ends = CutWaterlineEnds(design, surface, cuts, 0.0);
  return ends.found && ends.aft > ends.forward ? ends.aft - ends.forward : 0.0;
}

bool TrimHull(HullDesign& design, Surface& surface, CutBuffers& cuts, const UndoHistory& history,
              Prompter& prompter, double degrees) {
  if (!design.DesignOpen) return false;
  if (!std::isfinite(degrees) || std::fabs(degrees) > kMaxTrimDegrees) {
    prompter.ShowError(kTrimRangeMessage);
    return false;
  }
  EvaluateSurfaceGrid(design, surface);
  const std::optional<double> start = CentreOfFlotation(design, surface, cuts);
  if (!start) {
    prompter.ShowError(kNoFlotationMessage);
    return false;
  }
  // The pivot P with P = the centre of flotation of the hull turned by half
  // the angle about P; the opposite trim of the result finds the same P.
  const VertexNet before = design.Net;
  double pivot = *start;
  bool fits = true;
  for (int k = 0; k < kPivotIterations; ++k) {
    const TrimTurn half(pivot, 0.5 * degrees);
    if (!NetEditFits(design, half)) {
      fits = false;
      break;
    }
    ApplyNetEdit(design, half);
    EvaluateSurfaceGrid(design, surface);
    const std::optional<double> next = CentreOfFlotation(design, surface, cuts);
    design.Net = before;
    if (!next) break;  // the half-turned hull lost its waterline: keep the last pivot
    const double change = *next - pivot;
    pivot = *next;
    if (std::fabs(change) <= 1e-9 * (1.0 + std::fabs(pivot))) break;
  }
  const TrimTurn turn(pivot, degrees);
  if (!fits || !NetEditFits(design, turn)) {
    EvaluateSurfaceGrid(design, surface);
    prompter.ShowError(kNetOverflowMessage);
    return false;
  }
  history.Take(design);
  ApplyNetEdit(design, turn);
  ShapeChanged(design, surface);
  return true;
}

std::optional<double> TrimAngleFor(const HullDesign& design, const Surface& surface,
                                   CutBuffers& cuts, double trim) {
  const double length = WaterlineLength(design, surface, cuts);
  if (!(length > 0.0) || !std::isfinite(trim)) return std::nullopt;
  return std::atan(trim / length) / kDegreesToRadians;
}

}  // namespace skelmora
