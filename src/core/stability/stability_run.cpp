#include "stability/stability_run.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "files/text_io.h"
#include "hydro/hydro_common.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

constexpr int kStations = 21;       // stations 0..20 along the heeled waterline
constexpr double kConverged = 0.002;

// The one rebuild after the net has been turned, mirrored or put back. The
// knot vectors and counts do not change, so the grid is all there is to redo.
void NetChanged(StabilityRecords& records) {
  EvaluateSurfaceGrid(records.design, records.surface);
}

template <typename Edit>
void ForUsedVertices(HullDesign& design, Edit edit) {
  const int columns = std::clamp<int32_t>(design.LastColumn, 0, kMaxIndex);
  const int rows = std::clamp<int32_t>(design.LastRow, 0, kMaxIndex);
  for (int c = 0; c <= columns; ++c) {
    for (int r = 0; r <= rows; ++r) edit(design.Net[c][r]);
  }
}

void TurnNet(HullDesign& design, const Turn& turn, bool mirror) {
  ForUsedVertices(design, [&](Vertex& v) {
    const double x = mirror ? -static_cast<double>(v.x) : v.x;
    const double z = v.z;
    v.x = static_cast<float>(turn.X(x, z));
    v.z = static_cast<float>(turn.Z(x, z));
  });
}

int GridColumns(const Surface& s) { return std::clamp(s.columnDivisions, 0, kMaxDivisions); }
int GridRows(const Surface& s) { return std::clamp(s.rowDivisions, 0, kMaxDivisions); }

double GridHighestZ(const Surface& surface) {
  double highest = -1e17;
  for (int i = 0; i <= GridColumns(surface); ++i) {
    for (int j = 0; j <= GridRows(surface); ++j) highest = std::max(highest, surface.grid[i][j].z);
  }
  return highest;
}

bool Straddles(const SurfacePoint& a, const SurfacePoint& b) {
  return (a.z <= 0.0 && b.z > 0.0) || (a.z > 0.0 && b.z <= 0.0);
}

// Where the grid's four border lines cross the waterline: the first point
// of each straddling pair.
void BorderCrossings(const Surface& surface, double& firstY, double& lastY) {
  firstY = 1e10;
  lastY = 0.0;
  const int nu = GridColumns(surface), nv = GridRows(surface);
  auto pair = [&](const SurfacePoint& a, const SurfacePoint& b) {
    if (!Straddles(a, b)) return;
    firstY = std::min(firstY, a.y);
    lastY = std::max(lastY, a.y);
  };
  for (int i : {0, nu}) {
    for (int j = 0; j < nv; ++j) pair(surface.grid[i][j], surface.grid[i][j + 1]);
  }
  for (int j : {0, nv}) {
    for (int i = 0; i < nu; ++i) pair(surface.grid[i][j], surface.grid[i + 1][j]);
  }
}

// The forward and after ends of the grid.
void GridLengthSpan(const Surface& surface, double& firstY, double& lastY) {
  firstY = 1e11;
  lastY = -1e17;
  for (int i = 0; i <= GridColumns(surface); ++i) {
    for (int j = 0; j <= GridRows(surface); ++j) {
      firstY = std::min(firstY, surface.grid[i][j].y);
      lastY = std::max(lastY, surface.grid[i][j].y);
    }
  }
}

// The farthest a grid point lies from the heel axis (the centreline at the
// waterline): a sinkage beyond it leaves the hull wholly out of the water
// or wholly in it, whatever the heel.
double GridReach(const Surface& surface) {
  double reach = 0.0;
  for (int i = 0; i <= GridColumns(surface); ++i) {
    for (int j = 0; j <= GridRows(surface); ++j) {
      reach = std::max(reach, std::hypot(surface.grid[i][j].x, surface.grid[i][j].z));
    }
  }
  return reach;
}

double SimpsonWeight(int i) {
  if (i == 0 || i == kStations - 1) return 1.0;
  return i % 2 == 1 ? 4.0 : 2.0;
}

// The sums of one displacement-search pass.
struct PassSums {
  double volume = 0.0, volumeMoment = 0.0;
  double waterplane = 0.0, waterplaneMoment = 0.0;
  double wetted = 0.0;
  WaterplaneSums breadths;
  double sa = 0.0, saz = 0.0, sax = 0.0;
  double bmwl = 0.0, amax = 0.0, lowest = 0.0;
  double lastStationLowest = 0.0;
  WaterlineStations stations;
};

PassSums IntegratePass(StabilityRecords& records, const UprightSurface& upright, double heel,
                       double sinkage, HeeledSection& section, StabilityProgress* progress) {
  PassSums sums;
  sums.stations = HeeledWaterlineSpan(records, heel, sinkage, &upright);
  const double spacing = sums.stations.spacing;
  double previousA = 0.0, previousB = 0.0, previousG = 0.0;
  for (int i = 0; i < kStations; ++i) {
    const double y = sums.stations.firstY + i * spacing;
    BuildHeeledSection(records.design, records.surface, records.cuts, heel, y, sinkage, section);
    if (progress) progress->SectionBuilt(section);
    const SectionArea area = HeeledSectionArea(section);
    const SectionGirth girth = HeeledSectionGirth(section);
    const double a = std::max(area.area, 0.0);
    const double b = std::max(area.breadth, 0.0);
    const double g = std::max(girth.girth, 0.0);
    sums.bmwl = std::max(sums.bmwl, b);
    sums.amax = std::max(sums.amax, a);
    sums.lowest = std::min(sums.lowest, girth.lowestZ);
    if (i == kStations - 1) sums.lastStationLowest = girth.lowestZ;
    if (i > 0) {
      const double arm = y - spacing / 2.0;
      const double strip = (a + previousA) / 2.0 * spacing;
      sums.volume += strip;
      sums.volumeMoment += strip * arm;
      const double plane = spacing * (b + previousB) / 2.0;
      sums.waterplane += plane;
      sums.waterplaneMoment += plane * arm;
      sums.wetted += spacing * (g + previousG) / 2.0;
    }
    const double w = SimpsonWeight(i);
    sums.breadths.sb += w * b;
    sums.breadths.sib += w * i * b;
    sums.breadths.si2b += w * i * i * b;
    sums.breadths.sb3 += w * std::pow(b / 2.0, 3);
    sums.sa += a;
    sums.saz += a * area.zc;
    sums.sax += a * area.xc;
    previousA = a, previousB = b, previousG = g;
  }
  return sums;
}

std::string UnitWord(int32_t units) { return FactorsFor(units).metric ? " Kgs" : " Pounds"; }

}  // namespace

std::optional<HeelSteps> CheckHeelInputs(double maxHeel, double step, std::string& message) {
  if (maxHeel > 180.0) maxHeel = 180.0;
  if (!std::isfinite(maxHeel) || maxHeel < 0.0) {
    message = kHeelNegativeMessage;
    return std::nullopt;
  }
  if (!std::isfinite(step) || step < 1.0) {
    message = kStepTooSmallMessage;
    return std::nullopt;
  }
  if (!(maxHeel > step)) {
    message = kHeelBelowStepMessage;
    return std::nullopt;
  }
  return HeelSteps{maxHeel, step, RoundClamped(maxHeel / step)};
}

std::vector<double> StabilityRun::NotFound() const {
  std::vector<double> heels;
  for (const StabilityRow& row : rows) {
    if (!row.found) heels.push_back(row.heel);
  }
  return heels;
}

std::string NotFoundMessage(const StabilityRun& run) {
  const std::vector<double> heels = run.NotFound();
  if (heels.empty()) return {};
  std::string list;
  for (size_t k = 0; k < heels.size(); ++k) {
    if (k > 0) list += k + 1 == heels.size() ? " and " : ", ";
    list += FormatFixed(heels[k], 0, heels[k] == std::floor(heels[k]) ? 0 : 2);
  }
  return std::string("The displacement was not found at heel") + (heels.size() > 1 ? "s " : " ") +
         list + " deg (the waterline search missed it by more than " +
         FormatFixed(kFoundTolerance * 100.0, 0, 1) + " %); " +
         (heels.size() > 1 ? "those rows are" : "that row is") + " marked not found.";
}

bool CheckCentreOfGravity(double vcg, double lcg, const HullExtents& extents,
                          std::string& message) {
  const double length = std::max(extents.hullLength - extents.smallestY, 0.0);
  const double reach = kCentreReachLengths * std::max(length, extents.depth);
  auto outside = [&](double value, double from, double to) {
    return !std::isfinite(value) || value < from - reach || value > to + reach;
  };
  const char* which = outside(vcg, extents.lowestZ, extents.highestZ)                 ? "VCG"
                      : outside(lcg, extents.smallestY, extents.hullLength) ? "LCG"
                                                                             : nullptr;
  if (!which) return true;
  // The value itself is not echoed: it may be hundreds of digits long.
  message = std::string("The ") + which + " given lies more than " +
            FormatFixed(kCentreReachLengths, 0, 0) +
            " hull lengths from the hull; give a centre of gravity near the hull.";
  return false;
}

double StabilityDisplacement(double volume, int32_t units) {
  return FactorsFor(units).metric ? volume * 1.0251922e-6 : volume * 0.03704;
}

HullWeight ComputeHullWeight(StabilityRecords& records) {
  const UnitFactors f = FactorsFor(records.design.Units);
  const PatchSums sums =
      IntegrateSurfacePatches(records.design, records.surface, records.results, PatchForm::kDrag);
  HullWeight hull;
  hull.weight = 2.0 * sums.volume * f.volume * f.seawater;
  hull.vcg = Quotient(sums.height, sums.total);
  hull.lcg = Quotient(sums.length, sums.total);
  records.results.patchVolume = hull.weight;
  records.results.vcgHull = hull.vcg;
  records.results.lcgHull = hull.lcg;
  return hull;
}

CentreOfGravity HullWeightCentroid(StabilityRecords& records, const StabilityInputs& inputs) {
  if (inputs.manualCentre) {
    records.results.vcgHull = inputs.manualVcg;
    records.results.lcgHull = inputs.manualLcg;
    return CentreOfGravity{inputs.manualVcg, inputs.manualLcg};
  }
  const PatchSums sums = IntegrateSurfacePatches(records.design, records.surface, records.results,
                                                 PatchForm::kHydrostatics);
  CentreOfGravity centre{Quotient(sums.height, sums.total), Quotient(sums.length, sums.total)};
  records.results.vcgHull = centre.vcg;
  records.results.lcgHull = centre.lcg;
  records.results.hullSurfaceArea = sums.total;
  return centre;
}

void UprightSurface::Keep(const Surface& surface) {
  working = surface.working;
  columns = GridColumns(surface);
  rows = GridRows(surface);
  grid.clear();
  grid.reserve(static_cast<size_t>((columns + 1) * (rows + 1)));
  for (int i = 0; i <= columns; ++i) {
    grid.insert(grid.end(), surface.grid[i].begin(), surface.grid[i].begin() + rows + 1);
  }
}

void UprightSurface::PutBack(Surface& surface) const {
  surface.working = working;
  surface.columnDivisions = columns;
  surface.rowDivisions = rows;
  for (int i = 0; i <= columns; ++i) {
    std::copy_n(grid.begin() + static_cast<long>(i) * (rows + 1), rows + 1,
                surface.grid[i].begin());
  }
}

WaterlineStations HeeledWaterlineSpan(StabilityRecords& records, double heel, double sinkage,
                                      const UprightSurface* upright) {
  HullDesign& design = records.design;
  Surface& surface = records.surface;
  design.ScratchNet = design.Net;
  const Turn turn(heel, sinkage);
  const bool turned = heel != 0.0 || sinkage != 0.0;

  // The waterline of the closed hull runs over both halves (and the deck
  // between them): the span is the union of the two halves' waterlines.
  // Upright and unlifted the halves' waterlines are the same.
  double firstY = 1e11, lastY = -1e17;
  bool crossed = false, submerged = true;
  auto takeWaterline = [&]() {
    submerged = submerged && GridHighestZ(surface) < 0.0;
    const CutResult waterline = CutWaterline(design, surface, records.cuts, 0.0);
    auto take = [&](const auto& points, int last) {
      if (last <= 0) return;
      crossed = true;
      for (int k = 0; k <= last; ++k) {
        firstY = std::min(firstY, points[k].y);
        lastY = std::max(lastY, points[k].y);
      }
    };
    take(records.cuts.section, waterline.last);
    take(records.cuts.loop, waterline.loopLast);
  };
  if (turned) {
    TurnNet(design, turn, false);
    NetChanged(records);
  }
  takeWaterline();
  if (turned) {
    design.Net = design.ScratchNet;
    TurnNet(design, turn, true);
    NetChanged(records);
    takeWaterline();
  }
  if (!crossed) {
    if (submerged) {
      // Wholly under water: every station of the hull is immersed.
      GridLengthSpan(surface, firstY, lastY);
    } else {
      BorderCrossings(surface, firstY, lastY);
    }
  }

  design.Net = design.ScratchNet;
  if (upright) {
    upright->PutBack(surface);
  } else {
    NetChanged(records);
  }
  if (!(lastY >= firstY)) return WaterlineStations{0.0, 0.0};  // nothing crosses
  return WaterlineStations{(lastY - firstY) / (kStations - 1), firstY};
}

CombinedCentre CombineBallast(std::vector<BallastItem>& ballast, int32_t units, double volume,
                              double vcg, double lcg) {
  const double perWeight = FactorsFor(units).metric ? 975426.85 : 27.0;
  CombinedCentre combined{vcg, lcg, 0.0, 0.0};
  double heights = 0.0, aftBows = 0.0, beams = 0.0;
  for (BallastItem& item : ballast) {
    item.weight *= perWeight;
    combined.ballastVolume += item.weight;
    heights += item.weight * item.height;
    aftBows += item.weight * item.aftBow;
    beams += item.weight * item.beam;
  }
  const double w = combined.ballastVolume;
  if (w == 0.0 || volume == 0.0) return combined;
  combined.tcg = beams / volume;
  combined.vcg = ((volume - w) * vcg + heights) / volume;
  combined.lcg = ((volume - w) * lcg + aftBows) / volume;
  return combined;
}

double SinkageSearch::Next(double used, double volume, double target, double waterplane) {
  const double excess = volume - target;
  // Illinois: a bracket kept twice running counts half as much, so regula
  // falsi does not creep along from one side.
  if (excess > 0.0) {
    if (side == 1 && hasLow) lowExcess /= 2.0;
    high = used, highExcess = excess, hasHigh = true, side = 1;
  } else {
    if (side == -1 && hasHigh) highExcess /= 2.0;
    low = used, lowExcess = excess, hasLow = true, side = -1;
  }
  const bool shrinking = lastExcess == 0.0 || std::fabs(excess) < 0.5 * std::fabs(lastExcess);
  lastExcess = excess;

  // More sinkage lifts the hull: the volume falls as the sinkage grows.
  const double top = hasLow ? low : reach;       // V below the target here or above
  const double bottom = hasHigh ? high : -reach;  // V above the target here or below
  double next = used;
  const bool newton = waterplane > 0.0;
  if (newton) next = used + excess / waterplane;
  const bool inside = next > std::min(bottom, top) && next < std::max(bottom, top);
  if (hasLow && hasHigh) {
    if (!newton || !inside || !shrinking) {
      next = lowExcess != highExcess
                 ? high - highExcess * (low - high) / (lowExcess - highExcess)
                 : (low + high) / 2.0;
      if (!(next > std::min(low, high) && next < std::max(low, high))) next = (low + high) / 2.0;
    }
  } else if (!newton || !inside) {
    // One side known: halfway towards where the hull is wholly in (or out
    // of) the water.
    next = (used + (excess > 0.0 ? top : bottom)) / 2.0;
  }
  return next;
}

bool SinkageSearch::Closed() const {
  return hasLow && hasHigh && std::fabs(low - high) <= 1e-12 * std::max(reach, 1.0);
}

void MetacentricHeights(const WaterplaneSums& sums, double spacing, double targetVolume,
                        StabilityRow& row) {
  const double m = sums.si2b - Quotient(sums.sib * sums.sib, sums.sb);
  row.bmt = Quotient(2.0 * spacing * sums.sb3, 9.0 * targetVolume);
  row.bml = Quotient(spacing * spacing * spacing * m, 3.0 * targetVolume);
  row.gmt = row.bmt - (row.vcgz - row.vcb);
  row.gml = row.bml - (row.vcgz - row.vcb);
}

std::optional<double> MaxPositiveStability(const std::vector<StabilityRow>& rows) {
  std::optional<double> angle;
  const StabilityRow* previous = nullptr;
  for (const StabilityRow& row : rows) {
    if (!row.found) continue;
    if (previous) {
      const double before = previous->gz, now = row.gz;
      if (now <= 0.0 && before > 0.0) {
        angle = now == 0.0 ? row.heel : (before * row.heel - previous->heel * now) / (before - now);
      }
    }
    previous = &row;
  }
  return angle;
}

StabilityRun RunStability(StabilityRecords& records, const StabilityInputs& inputs,
                          Prompter& prompter, StabilityProgress* progress) {
  HullDesign& design = records.design;
  const int32_t units = design.Units;
  StabilityRun run;
  run.heel = inputs.heel;
  run.ballast = inputs.ballast;
  const int n = std::clamp(inputs.heel.steps, 0, kMaxStabilitySteps);
  run.heel.steps = n;

  // The scratch copy is the run's to use; whatever a caller kept there
  // comes back with the net.
  const VertexNet scratchAsFound = design.ScratchNet;
  auto fail = [&]() {
    design.ScratchNet = scratchAsFound;
    prompter.ShowError(kStabilityErrorMessage);
    return run;
  };

  const CentreOfGravity hull = HullWeightCentroid(records, inputs);
  if (hull.vcg == 0.0 && hull.lcg == 0.0) return fail();
  double vcg = hull.vcg, lcg = hull.lcg, tcg = 0.0;
  run.lcgHullAlone = lcg;

  // The upright grid, evaluated afresh once, is what every turn puts back.
  NetChanged(records);
  const auto upright = std::make_unique<UprightSurface>();
  upright->Keep(records.surface);
  HeeledSection section;
  const double reach = GridReach(records.surface) * 1.01 + 1.0;
  double sinkage = 0.0, target = 0.0;
  for (int p = 0; p <= n; ++p) {
    const double heel = p < n ? p * inputs.heel.step : inputs.heel.maxHeel;
    if (progress) progress->HeelStarted(heel, FormatFixed(heel, 0, 0));

    // The displacement search (see SinkageSearch). The pass closest to the
    // target is the step's result.
    SinkageSearch search;
    search.reach = reach;
    PassSums sums, best;
    double bestSinkage = sinkage, bestMiss = 0.0;
    int pass = 0;
    for (;;) {
      sums = IntegratePass(records, *upright, heel, sinkage, section, progress);
      const double v = sums.volume;
      if (p == 0) {
        target = v;
        if (progress) {
          const double weight = FactorsFor(units).metric ? v * 1.025e-6 : v * 0.03704;
          progress->ReferenceDisplacement(weight, FormatFixed(weight, 0, 0) + UnitWord(units));
        }
      }
      const double miss = target != 0.0 ? std::fabs(v - target) / target : 0.0;
      if (pass == 0 || miss < bestMiss) best = sums, bestSinkage = sinkage, bestMiss = miss;
      const double used = sinkage;
      if (progress) {
        const double weight = StabilityDisplacement(v, units);
        progress->PassFinished(pass, weight, FormatFixed(weight, 0, 0));
      }
      ++pass;
      if (p == 0 || pass >= kMaxSearchPasses || miss < kConverged) break;
      sinkage = search.Next(used, v, target, sums.waterplane);
      if (search.Closed()) break;
    }
    run.totalPasses += pass;
    if (p == 0 && best.sa == 0.0) return fail();
    sums = best;
    sinkage = bestSinkage;

    StabilityRow row;
    row.heel = heel;
    row.passes = pass;
    row.missedBy = bestMiss;
    row.found = best.sa != 0.0 && bestMiss <= kFoundTolerance;
    const double spacing = sums.stations.spacing;
    row.volume = sums.volume;
    row.vcb = Quotient(sums.saz, sums.sa);
    row.tcb = Quotient(sums.sax, sums.sa);
    row.lcf = Quotient(sums.waterplaneMoment, sums.waterplane);
    row.lcb = Quotient(sums.volumeMoment, sums.volume);
    row.cp = Quotient(sums.volume, (kStations - 1) * sums.amax * spacing);
    if (p == 0) {
      run.targetVolume = target;
      // The weights are converted either way (the data file lists them);
      // a centre set by hand already includes them.
      const CombinedCentre combined = CombineBallast(run.ballast, units, target, vcg, lcg);
      run.ballastVolume = combined.ballastVolume;
      if (!inputs.manualCentre) {
        vcg = combined.vcg;
        lcg = combined.lcg;
        tcg = combined.tcg;
        run.ballastCombined = true;
      }
      run.lcgOverall = lcg;
      run.vcg = vcg;
      run.tcg = tcg;
    }
    row.lwl = (kStations - 1) * spacing;
    row.draft = std::fabs(sums.lowest);
    row.bmwl = sums.bmwl;
    row.waterplane = sums.waterplane;
    row.wettedSurface = sums.wetted;
    row.cb = std::fabs(Quotient(sums.volume, row.lwl * sums.bmwl * row.draft));
    row.cw = Quotient(sums.waterplane, row.lwl * sums.bmwl);
    const Turn turn(heel, sinkage);
    row.vcgx = turn.cosine * tcg + turn.sine * vcg;
    row.vcgz = turn.cosine * vcg + sinkage - turn.sine * tcg;
    row.lcg = lcg;
    MetacentricHeights(sums.breadths, spacing, target, row);
    row.gz = row.tcb - row.vcgx;
    run.rows.push_back(row);
  }
  run.maxPositiveStability = MaxPositiveStability(run.rows);
  design.ScratchNet = scratchAsFound;
  run.ok = true;
  return run;
}

}  // namespace skelmora
