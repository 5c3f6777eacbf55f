#include "resistance/hull_inputs.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/hydro_common.h"
#include "hydro/waterplane.h"

namespace skelmora {

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// Largest half-breadth of the waterline pieces at y, or nothing.
std::optional<double> HalfBreadthAt(const CutBuffers& cuts, const CutResult& cut, double y) {
  std::optional<double> best;
  ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
    for (int k = first; k < last; ++k) {
      const SurfacePoint& p = points[k];
      const SurfacePoint& q = points[k + 1];
      const double lo = std::min(p.y, q.y), hi = std::max(p.y, q.y);
      if (y < lo || y > hi) continue;
      const double t = hi > lo ? (y - p.y) / (q.y - p.y) : 0.0;
      const double x = p.x + t * (q.x - p.x);
      if (!best || x > *best) best = x;
    }
  });
  return best;
}

struct Chine {
  double halfBreadth = 0.0;  // model units
  double deadrise = 0.0;     // degrees
  double turn = 0.0;         // degrees
};

// The sharpest corner of the station section at y between its first point
// (the keel) and its last (the sheer).
Chine ChineOfStation(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                     double y) {
  const CutResult cut = CutStation(design, surface, cuts, y);
  Chine chine;
  if (cut.last < 2) return chine;
  const auto& s = cuts.section;
  const double tiny = 1e-9 * (1.0 + std::fabs(s[0].z) + std::fabs(s[cut.last].x));
  int bestAt = -1;
  for (int k = 1; k < cut.last; ++k) {
    int a = k - 1;
    while (a > 0 && std::hypot(s[k].x - s[a].x, s[k].z - s[a].z) <= tiny) --a;
    int b = k + 1;
    while (b < cut.last && std::hypot(s[b].x - s[k].x, s[b].z - s[k].z) <= tiny) ++b;
    const double ux = s[k].x - s[a].x, uz = s[k].z - s[a].z;
    const double vx = s[b].x - s[k].x, vz = s[b].z - s[k].z;
    if (std::hypot(ux, uz) <= tiny || std::hypot(vx, vz) <= tiny) continue;
    const double turn = std::fabs(std::atan2(ux * vz - uz * vx, ux * vx + uz * vz)) *
                        kDegreesPerRadian;
    if (turn > chine.turn) {
      chine.turn = turn;
      bestAt = k;
    }
  }
  if (bestAt < 0) return chine;
  // The keel: the section's lowest point.
  int keel = 0;
  for (int k = 0; k <= cut.last; ++k) {
    if (s[k].z < s[keel].z) keel = k;
  }
  chine.halfBreadth = s[bestAt].x;
  const double run = s[bestAt].x - s[keel].x;
  const double rise = s[bestAt].z - s[keel].z;
  chine.deadrise = run > 0.0 ? std::atan2(rise, run) * kDegreesPerRadian : 0.0;
  return chine;
}

}  // namespace

std::optional<std::string> ChineNote(const HullResistanceSource& source) {
  if (source.chineTurn >= kHardChineTurn) return std::nullopt;
  return "The hull has no hard chine at the LCG (its section turns " +
         FormatFixed(source.chineTurn, 0, 1) +
         " degrees at the sharpest point): Savitsky's method is for prismatic planing hulls";
}

ResistanceMethod BestFittingMethod(const HullResistanceSource& source) {
  ResistanceMethod best = ResistanceMethod::kHoltrop;
  size_t fewest = static_cast<size_t>(-1);
  for (ResistanceMethod m :
       {ResistanceMethod::kHoltrop, ResistanceMethod::kYacht, ResistanceMethod::kSavitsky}) {
    if (CheckInputs(m, source.inputs)) continue;
    size_t count = RangeWarnings(m, source.inputs).size();
    if (m == ResistanceMethod::kSavitsky && ChineNote(source)) ++count;
    if (count < fewest) {
      fewest = count;
      best = m;
    }
  }
  return best;
}

bool HullResistanceInputs(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                          Prompter& prompter, Water water, HullResistanceSource& source) {
  // The stations give the waterline's length, breadth and the draft; the
  // extents lattice and its 21 sections of the hydrostatics run are not
  // needed here, only its refusal of a hull above the waterline.
  double lowest = 1e300;
  for (int i = 0; i <= surface.columnDivisions; ++i) {
    for (int j = 0; j <= surface.rowDivisions; ++j) lowest = std::min(lowest, surface.grid[i][j].z);
  }
  if (lowest > 0.0) {
    prompter.ShowError(kAboveWaterlineMessage);
    return false;
  }
  HydrostaticResults r;
  const PatchSums sums = IntegrateSurfacePatches(design, surface, r, PatchForm::kDrag);
  const double wetted = r.wettedArea;
  IntegrateStations(design, surface, cuts, r);

  const UnitFactors f = FactorsFor(design.Units);
  // Model units and the report's feet to metres, by the true inch.
  const double metresPerUnit = f.metric ? 0.001 : 0.0254;
  const double metresPerReportLength = f.metric ? 1.0 : 0.3048;

  ResistanceInputs& in = source.inputs;
  in = ResistanceInputs{};
  in.water = water;
  in.lwl = r.lwl * metresPerUnit;
  in.beam = 2.0 * r.halfBeamWl * metresPerUnit;
  in.draft = std::fabs(r.lowestZ) * metresPerUnit;
  // The patch walk's volume and centre: exact for a prism, and it keeps the
  // immersed transom that the end station of the Simpson sum would halve.
  in.volume = 2.0 * sums.volume * std::pow(metresPerUnit, 3);
  in.cm = r.cp > 0.0 ? r.cb / r.cp : 0.0;
  in.wetted = wetted * metresPerReportLength * metresPerReportLength;
  in.displacement = in.volume * PropertiesOf(water).density / 1000.0;
  if (const auto plane = WaterplaneOf(design, surface, cuts); plane && r.lwl > 0.0) {
    in.cwp = plane->area / (r.lwl * 2.0 * r.halfBeamWl);
  }

  const CutResult waterline = CutWaterline(design, surface, cuts, 0.0);
  const WaterlineSpan span = PrimaryWaterlineSpan(cuts, waterline);
  if (!span.Found() || !(r.lwl > 0.0) || !(sums.volume > 0.0)) return true;
  const double lcbModel = sums.lengthOfBuoyancy / sums.volume;  // y of the centre of buoyancy
  in.lcb = 100.0 * (0.5 * (span.ymin + span.ymax) - lcbModel) / r.lwl;
  in.lcg = (span.ymax - lcbModel) * metresPerUnit;

  // Half angle of entrance: the chord over the first 5 % of the waterline.
  const double reach = 0.05 * r.lwl;
  const auto atBow = HalfBreadthAt(cuts, waterline, span.ymin);
  const auto aft = HalfBreadthAt(cuts, waterline, span.ymin + reach);
  if (atBow && aft) {
    in.halfEntrance = std::atan2(std::max(*aft - *atBow, 0.0), reach) * kDegreesPerRadian;
  }

  const StationProperties transom =
      StationSectionProperties(design, surface, cuts, span.ymax - 0.001 * r.lwl);
  in.transomArea = transom.area * metresPerReportLength * metresPerReportLength;

  const Chine chine = ChineOfStation(design, surface, cuts, lcbModel);
  in.chineBeam = 2.0 * chine.halfBreadth * metresPerUnit;
  in.deadrise = chine.deadrise;
  source.chineTurn = chine.turn;
  return true;
}

}  // namespace skelmora
