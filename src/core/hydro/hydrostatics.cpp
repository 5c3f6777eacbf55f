#include "hydro/hydrostatics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "hydro/hydro_common.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

// Lattice point (i, j) of an nu x nv lattice, both ends included.
class Lattice {
 public:
  Lattice(const Surface& surface, int nu, int nv) : nu_(nu), nv_(nv) {
    EvaluateSurfaceLattice(surface, nu, nv, points_);
  }
  const SurfacePoint& At(int i, int j) const { return points_[Index(i, j)]; }
  int nu() const { return nu_; }
  int nv() const { return nv_; }

 private:
  size_t Index(int i, int j) const { return static_cast<size_t>(i) * (nv_ + 1) + j; }
  int nu_;
  int nv_;
  std::vector<SurfacePoint> points_;
};

// Quadrilateral area from its sides and diagonals; the absolute value keeps a
// twisted patch from failing.
double BretschneiderArea(const SurfacePoint& a, const SurfacePoint& b, const SurfacePoint& c,
                         const SurfacePoint& d) {
  auto squared = [](const SurfacePoint& p, const SurfacePoint& q) {
    const double dx = q.x - p.x, dy = q.y - p.y, dz = q.z - p.z;
    return dx * dx + dy * dy + dz * dz;
  };
  const double a2 = squared(a, b);
  const double b2 = squared(b, c);
  const double c2 = squared(c, d);
  const double d2 = squared(d, a);
  const double p2 = squared(a, c);
  const double q2 = squared(b, d);
  const double e = b2 + d2 - a2 - c2;
  return 0.25 * std::sqrt(std::fabs(4.0 * p2 * q2 - e * e));
}

double SimpsonWeight(int k, int last) {
  if (k == 0 || k == last) return 1.0;
  return (k % 2 == 1) ? 4.0 : 2.0;
}

// The lowest point below the waterline of one lattice column, carried on to
// the next column when that one has none.
struct CarriedPoint {
  bool found = false;
  double y = 0.0;
  double z = 0.0;
};

void LateralPlane(const Lattice& lattice, const UnitFactors& f, HydrostaticResults& results) {
  // Each run starts afresh: until some column reaches below the waterline
  // there is no point to step from, and such steps add nothing.
  CarriedPoint carried;
  double area = 0.0, verticalMoment = 0.0, longitudinalMoment = 0.0;
  for (int i = 0; i <= lattice.nu(); ++i) {
    const CarriedPoint previous = carried;
    double lowest = 0.0;
    for (int j = 0; j <= lattice.nv(); ++j) {
      const SurfacePoint& p = lattice.At(i, j);
      if (p.z < lowest) {
        lowest = p.z;
        carried = CarriedPoint{true, p.y, p.z};
      }
    }
    if (i == 0 || !previous.found) continue;
    const double s = std::fabs(previous.z + carried.z);
    const double d = carried.y - previous.y;
    area += s * d / 2.0;
    verticalMoment += s * s * d / 8.0;
    longitudinalMoment += s * (previous.y + carried.y) * d / 4.0;
  }
  results.clpVertical = Quotient(verticalMoment, area);
  results.clpLongitudinal = Quotient(longitudinalMoment, area);
  results.lateralArea = area * f.area;
}

// Plain trapezoids with the raw heights: a pair leaving the water counts with
// the height of its point above water.
double RawSectionArea(const CutBuffers& cuts, int last) {
  double sum = 0.0;
  for (int k = 0; k + 1 <= last; ++k) {
    const SurfacePoint& p = cuts.section[k];
    const SurfacePoint& q = cuts.section[k + 1];
    if (q.z < 0.0 || p.z < 0.0) sum += std::fabs(q.z + p.z) * 0.5 * (q.x - p.x);
  }
  return sum;
}

void RaiseToZero(SurfacePoint& p) {
  if (p.z > 0.0) p.z = 0.0;
}

}  // namespace

UnitFactors FactorsFor(int32_t units) {
  UnitFactors f;
  if (units == kMillimetres) {
    f.metric = true;
    f.length = 0.001;
    f.area = 1e-6;
    f.volume = 1e-9;
    f.breadth = 0.002;
    f.sidesArea = 2e-6;
    f.seawater = 1025.0;
    f.freshwater = 1025.0 * 0.9718;
  }
  return f;
}

double LatticeParameter(int i, int n) {
  const double t = static_cast<double>(i) / n;
  return t > 1.0 ? 1.0 : t;
}

int LatticeColumns(const HullDesign& design) {
  return std::clamp(design.ColumnDivisions, 1, kMaxDivisions);
}

int LatticeRows(const HullDesign& design) {
  return std::clamp(design.RowDivisions, 1, kMaxDivisions);
}

double Quotient(double numerator, double denominator) {
  return denominator != 0.0 ? numerator / denominator : 0.0;
}

WaterlineSpan PrimaryWaterlineSpan(const CutBuffers& cuts, const CutResult& cut) {
  WaterlineSpan span;
  if (cuts.pieceCount <= 0) return span;
  for (int k = 0; k <= cut.last; ++k) {
    const SurfacePoint& p = cuts.section[k];
    span.ymin = std::min(span.ymin, p.y);
    span.ymax = std::max(span.ymax, p.y);
    span.xmax = std::max(span.xmax, p.x);
  }
  return span;
}

void StoreDesignDraft(const HydrostaticResults& results, HullDesign& design) {
  design.DesignDimensions[kDimensionDraft] = results.lowestZ;
}

bool HullGuard(HullDesign& design, Surface& surface, Prompter& prompter) {
  ExpectCurrentSurface(design, surface);
  RecomputeExtents(design, surface);
  if (surface.extents.lowestZ > 0.0) {
    prompter.ShowInformation(kNoDisplacementMessage);
    return false;
  }
  return true;
}

bool ComputeHullExtents(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                        HydrostaticResults& results, Prompter& prompter) {
  const UnitFactors f = FactorsFor(design.Units);
  const Lattice lattice(surface, LatticeColumns(design), LatticeRows(design));

  double leastZ = 1e8, greatestY = -1e7, leastY = 1e8;
  for (int i = 0; i <= lattice.nu(); ++i) {
    for (int j = 0; j <= lattice.nv(); ++j) {
      const SurfacePoint& p = lattice.At(i, j);
      leastZ = std::min(leastZ, p.z);
      greatestY = std::max(greatestY, p.y);
      leastY = std::min(leastY, p.y);
    }
  }
  results.loa = greatestY - leastY;
  results.lowestZ = leastZ;
  if (results.lowestZ > 0.0) {
    prompter.ShowError(kAboveWaterlineMessage);
    return false;
  }

  // Both waterline polylines count for the length. A hull resting on the
  // waterline has none: no length and no section to measure.
  const WaterlineEnds ends = CutWaterlineEnds(design, surface, cuts, 0.0);
  const double ymin = ends.found ? ends.forward : 0.0;
  const double ymax = ends.found ? ends.aft : 0.0;
  results.lwl = ymax - ymin;

  LateralPlane(lattice, f, results);

  double largest = 0.0;
  for (int k = 0; ends.found && k <= 20; ++k) {
    const double y = ymin + k * 0.05 * (ymax - ymin);
    const CutResult station = CutStation(design, surface, cuts, y);
    largest = std::max(largest, RawSectionArea(cuts, station.last));
  }
  results.maxSectionArea = 2.0 * largest;
  return true;
}

PatchSums IntegrateSurfacePatches(const HullDesign& design, const Surface& surface,
                                  HydrostaticResults& results, PatchForm form) {
  const UnitFactors f = FactorsFor(design.Units);
  const Lattice lattice(surface, LatticeColumns(design), LatticeRows(design));
  PatchSums sums;
  for (int i = 0; i < lattice.nu(); ++i) {
    for (int j = 0; j < lattice.nv(); ++j) {
      SurfacePoint a = lattice.At(i, j);
      SurfacePoint b = lattice.At(i + 1, j);
      SurfacePoint c = lattice.At(i + 1, j + 1);
      SurfacePoint d = lattice.At(i, j + 1);

      const double area = BretschneiderArea(a, b, c, d);
      sums.total += area;
      sums.height += area * (a.z + b.z + c.z + d.z) / 4.0;
      const double meanY = (a.y + b.y + c.y + d.y) / 4.0;
      sums.length += area * meanY;

      RaiseToZero(a);
      RaiseToZero(b);
      RaiseToZero(c);
      RaiseToZero(d);
      const double dy = ((b.y - a.y) + (c.y - d.y)) / 2.0;
      const double dx = ((d.x - a.x) + (c.x - b.x)) / 2.0;
      const double zm = (a.z + b.z + c.z + d.z) / 4.0;

      // A crossing patch counts its immersed part plus the flat projection
      // of its dry part on the waterplane.
      if (a.z != 0.0 || b.z != 0.0 || c.z != 0.0 || d.z != 0.0) {
        sums.wetted += BretschneiderArea(a, b, c, d);
      }
      if (form == PatchForm::kDrag) {
        const double slab = std::fabs(zm) * dx * dy;
        sums.volume += slab;
        sums.lengthOfBuoyancy += slab * meanY;
        sums.depthOfBuoyancy += dx * dy * zm * zm / 2.0;
      }
    }
  }
  results.vcgHull = Quotient(sums.height, sums.total) * f.length;
  results.lcgHull = Quotient(sums.length, sums.total) * f.length;
  results.hullSurfaceArea = 2.0 * sums.total * f.area;
  results.wettedArea = 2.0 * sums.wetted * f.area;
  return sums;
}

void SampleFreeboardAndDeckBeam(const Surface& surface, HydrostaticResults& results) {
  results.maxFreeboard = 0.0;
  results.halfBeamDeck = -10.0;
  const Lattice lattice(surface, 30, 30);
  for (int i = 0; i <= 30; ++i) {
    for (int j = 0; j <= 30; ++j) {
      const SurfacePoint& p = lattice.At(i, j);
      results.maxFreeboard = std::max(results.maxFreeboard, p.z);
      results.halfBeamDeck = std::max(results.halfBeamDeck, p.x);
    }
  }
}

StationProperties StationSectionProperties(const HullDesign& design, const Surface& surface,
                                           CutBuffers& cuts, double y) {
  const UnitFactors f = FactorsFor(design.Units);
  const double accuracy = design.SurfaceAccuracy;
  const CutResult station = CutStation(design, surface, cuts, y);

  double area = 0.0, depthMoment = 0.0, girth = 0.0, halfBreadth = 0.0, lowest = 0.0;
  for (int k = 0; k + 1 <= station.last; ++k) {
    const SurfacePoint p = cuts.section[k];
    const SurfacePoint q = cuts.section[k + 1];
    lowest = std::min({lowest, p.z, q.z});
    if (q.z <= 0.0) {
      const double m = std::fabs((q.z + p.z) / 2.0);
      const double strip = (q.x - p.x) * m;
      area += strip;
      depthMoment += strip * m / 2.0;
      girth += std::hypot(q.x - p.x, q.z - p.z);
      if (q.z == 0.0) halfBreadth = q.x;
    }
    if (p.z < 0.0 && q.z > 0.0) {
      // The crossing by bisection on v at the pair's mean u.
      const double u = 0.5 * (p.u + q.u);
      double below = p.v, above = q.v;
      IsoParameterCurve column(surface, false, u);
      auto probe = [&] {
        const double mid = 0.5 * (below + above);
        const SurfacePoint point = column.At(mid);
        if (point.z < 0.0) {
          below = mid;
        } else {
          above = mid;
        }
        if (std::fabs(point.z) <= accuracy) halfBreadth = point.x;
        return point;
      };
      SurfacePoint c = probe();
      for (int n = 0; n < 30 && !(std::fabs(c.z) < accuracy); ++n) c = probe();
      const double strip = std::fabs(p.z) * 0.5 * (c.x - p.x);
      depthMoment += std::fabs(c.z + p.z) * 0.25 * strip;
      area += strip;
      girth += std::hypot(c.x - p.x, c.z - p.z);
    }
  }

  StationProperties result;
  result.area = area * 2.0 * f.area;
  result.girth = girth * 2.0 * f.length;
  result.centroidDepth = area > 1e-6 ? depthMoment / area * f.length : 0.0;
  result.breadth = halfBreadth * f.breadth;
  result.lowestZ = lowest;
  return result;
}

void IntegrateStations(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                       HydrostaticResults& results) {
  const UnitFactors f = FactorsFor(design.Units);
  results.lowestZ = 0.0;
  results.halfBeamWl = 0.0;
  const CutResult waterline = CutWaterline(design, surface, cuts, 0.0);
  const WaterlineSpan span = PrimaryWaterlineSpan(cuts, waterline);
  results.halfBeamWl = span.xmax;
  // No waterline: no stations, and every immersed quantity stays 0.
  const double ymin = span.Found() ? span.ymin : 0.0;
  const double ymax = span.Found() ? span.ymax : 0.0;

  const double h = (ymax - ymin) * 0.01;
  double largestArea = 0.0;
  double sa = 0.0, sb = 0.0, sby = 0.0, say = 0.0, sac = 0.0;
  for (int k = 0; span.Found() && k <= 100; ++k) {
    const double y = ymin + k * h;
    const StationProperties s = StationSectionProperties(design, surface, cuts, y);
    largestArea = std::max(largestArea, s.area);
    results.lowestZ = std::min(results.lowestZ, s.lowestZ);
    const double w = SimpsonWeight(k, 100);
    sa += w * s.area;
    sb += w * s.breadth;
    sby += w * s.breadth * y;
    say += w * s.area * y;
    sac += w * s.area * s.centroidDepth / 2.0;
  }

  results.vcb = sa < 1e-6 ? 0.0 : (sac / 3.0) / (sa / 2.0 / 3.0);
  results.volume = h / 3.0 * sa * f.length;
  results.waterplaneArea = h / 3.0 * sb * f.length;
  results.lcf = Quotient(h / 3.0 * sby * f.length, results.waterplaneArea);
  results.lcb = Quotient(h / 3.0 * say * f.area, results.volume);
  results.lwl = ymax - ymin;

  const double volume = results.volume;
  const double length = results.lwl * f.length;
  const double beam = results.halfBeamWl * f.breadth;
  const double draft = std::fabs(results.lowestZ) * f.length;
  results.cp = Quotient(volume, largestArea * length);
  results.cb = Quotient(volume, draft * length * beam);
  if (f.metric) {
    results.dispLengthRatio = Quotient(volume * 1.00822, std::pow(results.lwl * 1e-5 * 3.28, 3));
    results.brakePower = volume * 0.0012147 * 1025.0 * 2.2;
    results.immersion = results.waterplaneArea * 10.2734;
  } else {
    results.dispLengthRatio = Quotient(volume * 0.0285714, std::pow(results.lwl * 0.01 / 12.0, 3));
    results.brakePower = volume * 0.0012147 * 64.0;
    results.immersion = results.waterplaneArea * 5.33333;
  }
  results.cw = Quotient(results.waterplaneArea, length * beam);
  results.bmt = Quotient(results.cp * 0.0822 * length * beam * beam * beam, volume);
  results.bml = Quotient(results.cp * 0.0723 * beam * length * length * length, volume);
  // The hull surface's centroid stands in for the centre of gravity; the
  // distance to the centre of buoyancy counts whichever is higher.
  // Without displacement there is no metacentre to measure from.
  const double kb = -results.vcb;
  const double separation = volume > 0.0 ? std::fabs(results.vcgHull - kb) : 0.0;
  results.gmt = results.bmt - separation;
  results.gml = results.bml - separation;
  if (f.metric) {
    results.momentToTrim = Quotient(volume * 1025.0 * results.gml, 100.0 * results.lwl * 0.001);
  } else {
    results.momentToTrim = Quotient(volume * 64.0 * results.gml, results.lwl);
  }
}

ResistanceParameters ComputeResistanceParameters(const HullDesign& design,
                                                 const Surface& surface, CutBuffers& cuts,
                                                 HydrostaticResults& results) {
  const UnitFactors f = FactorsFor(design.Units);
  const PatchSums sums = IntegrateSurfacePatches(design, surface, results, PatchForm::kDrag);

  // Waterplane by the primary waterline polyline, signed strips.
  const CutResult waterline = CutWaterline(design, surface, cuts, 0.0);
  double waterplane = 0.0, flotationMoment = 0.0;
  results.halfBeamWl = 0.0;
  if (cuts.pieceCount > 0) {
    for (int k = 0; k <= waterline.last; ++k) {
      const SurfacePoint& q = cuts.section[k];
      results.halfBeamWl = std::max(results.halfBeamWl, q.x);
      if (k == 0) continue;
      const SurfacePoint& p = cuts.section[k - 1];
      const double strip = (p.x + q.x) / 2.0 * (q.y - p.y);
      waterplane += strip;
      flotationMoment += strip * (p.y + q.y) / 2.0;
    }
  }
  results.lcf = Quotient(flotationMoment, waterplane);
  results.waterplaneArea = waterplane * f.sidesArea;

  const double lcbModel = Quotient(sums.lengthOfBuoyancy, sums.volume);
  results.vcb = Quotient(sums.depthOfBuoyancy, sums.volume);
  results.patchVolume = 2.0 * sums.volume * f.volume;

  ResistanceParameters parameters;
  parameters.cp =
      Quotient(results.patchVolume, results.lwl * f.length * results.maxSectionArea * f.area);
  parameters.lcbTerm = Quotient(100.0 * (results.loa / 2.0 - lcbModel), results.lwl);
  parameters.beamDraft = std::fabs(Quotient(2.0 * results.halfBeamWl, results.lowestZ));
  // The cube root as the regression was fitted: exponent 0.33333, not 1/3.
  const double cubeRoot =
      results.patchVolume > 0.0 ? std::exp(0.33333 * std::log(results.patchVolume)) : 0.0;
  parameters.slenderness = Quotient(results.lwl * f.length, cubeRoot);
  // English: cubic feet to cubic metres with 39.36 inches to the metre.
  parameters.displacementKg = f.metric ? results.patchVolume * 1025.0
                                       : results.patchVolume * 1025.0 * 0.0283386050695724;
  results.volume = parameters.displacementKg;
  return parameters;
}

bool ComputeHydrostatics(HullDesign& design, const Surface& surface, CutBuffers& cuts,
                         HydrostaticResults& results, Prompter& prompter, HydroStatus* status) {
  ExpectCurrentSurface(design, surface);
  const bool floating = ComputeHullExtents(design, surface, cuts, results, prompter);
  StoreDesignDraft(results, design);
  if (!floating) return false;

  if (status) status->Show(kSurfaceIntegrationStatus);
  results.wettedArea = 0.0;
  results.hullSurfaceArea = 0.0;
  results.patchVolume = 0.0;
  results.lcb = 0.0;
  results.vcb = 0.0;
  results.waterplaneArea = 0.0;
  results.lcf = 0.0;
  results.halfBeamWl = 0.0;
  IntegrateSurfacePatches(design, surface, results, PatchForm::kHydrostatics);

  if (status) status->Show(kFreeboardStatus);
  SampleFreeboardAndDeckBeam(surface, results);

  IntegrateStations(design, surface, cuts, results);

  design.DesignDimensions[kDimensionBeam] = results.halfBeamDeck;
  design.DesignDimensions[kDimensionFreeboard] = results.maxFreeboard;
  StoreDesignDraft(results, design);
  return true;
}

}  // namespace skelmora
