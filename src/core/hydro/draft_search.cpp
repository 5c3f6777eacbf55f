#include "hydro/draft_search.h"

#include <algorithm>
#include <cmath>

#include "exchange/hull_mesh.h"
#include "files/text_io.h"
#include "hydro/hydro_common.h"
#include "model/net_edit.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

constexpr int kMaxIterations = 8;

// Immersed area of the station just cut, both sides, in ft^2 / m^2.
double StationArea(const HullDesign& design, const Surface& surface, const CutBuffers& cuts,
                   const CutResult& station, const UnitFactors& f) {
  double sum = 0.0;
  for (int k = 1; k <= station.last; ++k) {
    const SurfacePoint& p = cuts.section[k - 1];
    const SurfacePoint& q = cuts.section[k];
    if (q.z <= 0.0) sum += std::fabs(q.z + p.z) * 0.5 * (q.x - p.x);
    if (p.z < 0.0 && q.z > 0.0) {
      const double u = 0.5 * (p.u + q.u);
      double below = p.v, above = q.v;
      SurfacePoint c;
      for (int n = 0; n < 10; ++n) {
        const double mid = 0.5 * (below + above);
        c = EvaluateSurfacePoint(surface, u, mid);
        if (c.z < 0.0) {
          below = mid;
        } else {
          above = mid;
        }
        if (std::fabs(c.z) < design.SurfaceAccuracy) break;
      }
      sum += std::fabs(p.z) * 0.5 * (c.x - p.x);
    }
  }
  return sum * f.sidesArea;
}

// Highest minus lowest vertex height of the used net.
double NetHeightSpan(const HullDesign& design) {
  double lowest = design.Net[0][0].z, highest = lowest;
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      lowest = std::min(lowest, static_cast<double>(design.Net[c][r].z));
      highest = std::max(highest, static_cast<double>(design.Net[c][r].z));
    }
  }
  return highest - lowest;
}

}  // namespace

double StationVolume(const HullDesign& design, const Surface& surface, CutBuffers& cuts) {
  const UnitFactors f = FactorsFor(design.Units);
  const CutResult waterline = CutWaterline(design, surface, cuts, 0.0);
  const WaterlineSpan span = PrimaryWaterlineSpan(cuts, waterline);
  if (span.ymax < span.ymin) return 0.0;  // no waterline: nothing immersed
  const double h = (span.ymax - span.ymin) * 0.01;
  double sum = 0.0;
  for (int k = 0; k <= 100; ++k) {
    const CutResult station = CutStation(design, surface, cuts, span.ymin + k * h);
    const double weight = (k == 0 || k == 100) ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
    sum += weight * StationArea(design, surface, cuts, station, f);
  }
  return h / 3.0 * sum * f.length;
}

double DisplacementWeight(double volume, int32_t units) {
  return volume * FactorsFor(units).seawater;
}

const char* DisplacementUnit(int32_t units) { return FactorsFor(units).metric ? "kg" : "lb"; }

const char* DraftUnit(int32_t units) { return FactorsFor(units).metric ? "mm" : "in"; }

double ClosedHullDisplacement(const Surface& surface, int32_t units) {
  const UnitFactors f = FactorsFor(units);
  return std::fabs(SignedVolume(BuildHullMesh(surface))) * f.volume * f.seawater;
}

std::string DraftTargetRefusal(double target, double capacity, int32_t units) {
  const std::string unit = DisplacementUnit(units);
  const std::string value = FormatEcho(target, 1) + " " + unit;
  if (!(target > 0.0)) {
    return "The new displacement " + value + " cannot be sought: it must be greater than 0.";
  }
  if (target > capacity) {
    return "The new displacement " + value + " is more than this hull can displace: closed " +
           "by a flat deck at its sheer and wholly immersed it displaces " +
           FormatEcho(capacity, 1) + " " + unit + ".";
  }
  return {};
}

double DraftProbeStep(int32_t units) { return FactorsFor(units).metric ? 25.4 : 1.0; }

double GridLowestZ(const Surface& surface) {
  double lowest = 1e9;
  const int nu = std::clamp(surface.columnDivisions, 0, kMaxDivisions);
  const int nv = std::clamp(surface.rowDivisions, 0, kMaxDivisions);
  for (int i = 0; i <= nu; ++i) {
    for (int j = 0; j <= nv; ++j) lowest = std::min(lowest, surface.grid[i][j].z);
  }
  return lowest;
}

std::string DraftNotReachedMessage(double target, const DraftSearch& search) {
  return "The displacement " + FormatEcho(target, 1) +
         " was not reached: the search stopped at " + FormatEcho(search.finalDisplacement, 1) +
         " after " + std::to_string(search.iterations) + " steps";
}

double GridLowestTop(const Surface& surface) {
  double lowest = 1e9;
  const int nu = std::clamp(surface.columnDivisions, 0, kMaxDivisions);
  const int nv = std::clamp(surface.rowDivisions, 0, kMaxDivisions);
  for (int i = 0; i <= nu; ++i) {
    double top = -1e9;
    for (int j = 0; j <= nv; ++j) top = std::max(top, surface.grid[i][j].z);
    lowest = std::min(lowest, top);
  }
  return lowest;
}

bool RaiseHull(HullDesign& design, Surface& surface, double dz) {
  const auto raise = [dz](double&, double&, double& z) { z += dz; };
  if (!NetEditFits(design, raise)) return false;
  ApplyNetEdit(design, raise);
  EvaluateSurfaceGrid(design, surface);
  InvalidateExtents(design);
  return true;
}

DraftSearch BeginDraftSearch(HullDesign& design, Surface& surface, CutBuffers& cuts,
                             HydrostaticResults& results) {
  DraftSearch search;
  search.netAsFound = std::make_shared<const VertexNet>(design.Net);
  search.initialDraft = GridLowestZ(surface);
  results.lowestZ = search.initialDraft;
  StoreDesignDraft(results, design);
  search.initialDisplacement =
      DisplacementWeight(StationVolume(design, surface, cuts), design.Units);
  search.capacity = ClosedHullDisplacement(surface, design.Units);
  return search;
}

bool AdjustDisplacement(HullDesign& design, Surface& surface, CutBuffers& cuts,
                        HydrostaticResults& results, Prompter& prompter, DraftSearch& search,
                        double target) {
  if (search.adjusted) return false;
  if (target == 0.0) {
    prompter.ShowInformation(kNoTargetDisplacementMessage);
    return false;
  }
  // Nothing moves for a target no draft can give.
  if (const std::string refusal = DraftTargetRefusal(target, search.capacity, design.Units);
      !refusal.empty()) {
    prompter.ShowError(refusal);
    return false;
  }
  const double w0 = search.initialDisplacement;
  const double r = DraftProbeStep(design.Units);
  // No step moves the hull further than its own height (and a probe): past
  // that the displacement no longer changes, and a step of millions would
  // leave single-precision heights that no Cancel could bring back.
  const double limit = NetHeightSpan(design) + r;
  auto Bounded = [limit](double step) { return std::clamp(step, -limit, limit); };
  auto weigh = [&] { return DisplacementWeight(StationVolume(design, surface, cuts), design.Units); };

  // Probe: one step towards the target to learn the weight per unit height.
  const double probe = target < w0 ? r : -r;
  if (!RaiseHull(design, surface, probe)) {
    prompter.ShowError(kNetOverflowMessage);
    return false;
  }
  search.accumulatedShift += probe;
  double w1 = weigh();
  double rate = std::fabs(w1 - w0) / r;
  // A probe that changes nothing (no waterline either side) gives no step.
  double d = rate > 0.0 ? Bounded((w1 - target) / rate) : 0.0;
  search.accumulatedShift += d;
  search.steps.push_back(DraftStep{probe, w1, rate});

  // Secant steps; each step's d is applied at the start of the next.
  int i = 0;
  for (;;) {
    ++i;
    const double wp = w1;
    const double applied = d;
    // A step the net cannot hold (a target far beyond the hull) ends the
    // search where it stands.
    if (!RaiseHull(design, surface, applied)) {
      --i;
      break;
    }
    w1 = weigh();
    rate = applied != 0.0 ? std::fabs((w1 - wp) / applied) : 0.0;
    if (rate > 0.0) d = Bounded((w1 - target) / rate);
    search.accumulatedShift += d;
    search.steps.push_back(DraftStep{applied, w1, rate});
    if (std::fabs(wp - target) <= 1.0 || i == kMaxIterations) break;
  }
  search.accumulatedShift -= d;  // computed but never applied
  search.iterations = i;
  search.adjusted = true;
  search.finalDisplacement = w1;
  search.reached = std::fabs(w1 - target) <= kDraftTolerance;
  search.finalDraft = GridLowestZ(surface);
  results.lowestZ = search.finalDraft;
  StoreDesignDraft(results, design);
  return true;
}

void CancelDraftSearch(HullDesign& design, Surface& surface, DraftSearch& search) {
  if (search.netAsFound) {
    if (search.accumulatedShift != 0.0) {
      design.Net = *search.netAsFound;
      EvaluateSurfaceGrid(design, surface);
      InvalidateExtents(design);
    }
  } else {
    RaiseHull(design, surface, -search.accumulatedShift);
  }
  search.accumulatedShift = 0.0;
}

}  // namespace skelmora
