#include "stability/stability_run.h"

#include <algorithm>
#include <cmath>

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

PassSums IntegratePass(StabilityRecords& records, double heel, double sinkage,
                       HeeledSection& section, StabilityProgress* progress) {
  PassSums sums;
  sums.stations = HeeledWaterlineSpan(records, heel, sinkage);
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

WaterlineStations HeeledWaterlineSpan(StabilityRecords& records, double heel, double sinkage) {
  HullDesign& design = records.design;
  Surface& surface = records.surface;
  design.ScratchNet = design.Net;
  const Turn turn(heel, sinkage);
  if (heel != 0.0) {
    TurnNet(design, turn, false);
    NetChanged(records);
  }
  if (GridHighestZ(surface) < 0.0) {
    // The turned half is wholly under water: use the other half.
    design.Net = design.ScratchNet;
    TurnNet(design, turn, true);
    NetChanged(records);
  }

  double firstY, lastY;
  const CutResult waterline = CutWaterline(design, surface, records.cuts, 0.0);
  if (waterline.last > 0 || waterline.loopLast > 0) {
    firstY = 1e11;
    lastY = -1e17;
    auto take = [&](const auto& points, int last) {
      if (last <= 0) return;
      for (int k = 0; k <= last; ++k) {
        firstY = std::min(firstY, points[k].y);
        lastY = std::max(lastY, points[k].y);
      }
    };
    take(records.cuts.section, waterline.last);
    take(records.cuts.loop, waterline.loopLast);
  } else {
    BorderCrossings(surface, firstY, lastY);
  }

  design.Net = design.ScratchNet;
  NetChanged(records);
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
  combined.tcg = beams / w;
  combined.vcg = ((volume - w) * vcg + heights) / volume;
  combined.lcg = ((volume - w) * lcg + aftBows) / volume;
  return combined;
}

double SinkageSearch::Next(int pass, double used, double volume, double target,
                           double waterplane, double lastStationLowest) {
  double next = waterplane > 0.0 ? used + (volume - target) / waterplane : 0.0;
  if (pass > 8 && low != 0.0 && high != 0.0) {
    if (volume > target) {
      high = used;
    } else {
      low = used;
    }
    next = (low + high) / 2.0;
  }
  if (pass == 10) next = lastStationLowest / 2.0;
  const bool unset = low == 0.0 || high == 0.0;
  if (volume < target && unset) low = used;
  if (volume > target && unset) high = used;
  return next;
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
  for (size_t p = 1; p < rows.size(); ++p) {
    const double before = rows[p - 1].gz, now = rows[p].gz;
    if (!(now <= 0.0 && before > 0.0)) continue;
    angle = now == 0.0 ? rows[p].heel
                       : (before * rows[p].heel - rows[p - 1].heel * now) / (before - now);
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

  HeeledSection section;
  double sinkage = 0.0, target = 0.0;
  for (int p = 0; p <= n; ++p) {
    const double heel = p < n ? p * inputs.heel.step : inputs.heel.maxHeel;
    if (progress) progress->HeelStarted(heel, FormatFixed(heel, 0, 0));

    // The displacement search (see SinkageSearch).
    SinkageSearch search;
    double used = sinkage;
    PassSums sums;
    int pass = 0;
    for (;;) {
      sums = IntegratePass(records, heel, sinkage, section, progress);
      const double v = sums.volume;
      if (p == 0) {
        target = v;
        if (progress) {
          const double weight = FactorsFor(units).metric ? v * 1.025e-6 : v * 0.03704;
          progress->ReferenceDisplacement(weight, FormatFixed(weight, 0, 0) + UnitWord(units));
        }
      }
      used = sinkage;
      sinkage = search.Next(pass, used, v, target, sums.waterplane, sums.lastStationLowest);
      if (progress) {
        const double weight = StabilityDisplacement(v, units);
        progress->PassFinished(pass, weight, FormatFixed(weight, 0, 0));
      }
      ++pass;
      if (p == 0 || pass >= kMaxSearchPasses) break;
      if (target != 0.0 && std::fabs(v - target) / target < kConverged) break;
    }
    run.totalPasses += pass;
    if (sums.sa == 0.0) return fail();
    sinkage = used;

    StabilityRow row;
    row.heel = heel;
    row.passes = pass;
    const double spacing = sums.stations.spacing;
    row.volume = sums.volume;
    row.vcb = sums.saz / sums.sa;
    row.tcb = sums.sax / sums.sa;
    row.lcf = Quotient(sums.waterplaneMoment, sums.waterplane);
    row.lcb = Quotient(sums.volumeMoment, sums.volume);
    row.cp = Quotient(sums.volume, (kStations - 1) * sums.amax * spacing);
    if (p == 0) {
      run.targetVolume = target;
      if (!inputs.manualCentre) {
        const CombinedCentre combined = CombineBallast(run.ballast, units, target, vcg, lcg);
        vcg = combined.vcg;
        lcg = combined.lcg;
        tcg = combined.tcg;
        run.ballastVolume = combined.ballastVolume;
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
