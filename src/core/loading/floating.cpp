#include "loading/floating.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "stability/heeled_section.h"

namespace skelmora {

namespace {

// Beyond this trim the hull is taken not to float (it dives).
constexpr double kMostTrim = 1.2;  // radians, about 69 degrees
// The heeled equilibrium is looked for in steps of this up to 90 degrees.
constexpr double kHeelSearchStep = 2.0;
constexpr double kHeelSearchEnd = 90.0;
// What a search reaches, and what a row must reach to be counted.
constexpr double kVolumeTolerance = 1e-9;
constexpr double kLeverTolerance = 1e-9;
constexpr double kSettledTolerance = 1e-3;

Vec3 Normalised(Vec3 v) {
  const double length = std::sqrt(Dot(v, v));
  return length > 0.0 ? v * (1.0 / length) : v;
}

// The earth's axes in the hull's: up, the horizontal longitudinal direction
// nearest the hull's y (aft) and the horizontal one across, toward the
// stored side when upright.
struct Frame {
  Vec3 up, along, across;
};

Frame FrameOf(double heel, double trim) {
  Frame f;
  f.up = {-std::sin(heel) * std::cos(trim), -std::sin(trim), std::cos(heel) * std::cos(trim)};
  f.along = Normalised(Vec3{0.0, 1.0, 0.0} - f.up * f.up.y);
  f.across = Cross(f.along, f.up);
  return f;
}

class Floater {
 public:
  Floater(const FloatingHull& hull, double volume, Vec3 g) : hull_(hull), volume_(volume), g_(g) {
    Vec3 low{1e300, 1e300, 1e300}, high{-1e300, -1e300, -1e300};
    for (const Triangle& t : hull.soup) {
      for (const Vec3& p : {t.a, t.b, t.c}) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
      }
    }
    centre_ = (low + high) * 0.5;
    radius_ = std::sqrt(Dot(high - low, high - low)) * 0.5 + 1e-9;
  }

  int evaluations = 0;
  PlaneCut cut;
  Frame frame;

  double Volume() const { return volume_; }
  Vec3 G() const { return g_; }
  double Length() const { return std::max(hull_.Length(), 1e-9); }

  // The level at which the volume below is the target, heel and trim held.
  bool Level(Attitude& a) {
    frame = FrameOf(a.heel, a.trim);
    const double mid = Dot(frame.up, centre_);
    double low = mid - radius_, high = mid + radius_;
    double level = a.level > low && a.level < high ? a.level : mid;
    const double tolerance = kVolumeTolerance * volume_;
    for (int k = 0; k < 80; ++k) {
      Cut(level);
      const double error = cut.below.volume - volume_;
      if (std::fabs(error) <= tolerance) {
        a.level = level;
        return true;
      }
      (error < 0.0 ? low : high) = level;
      double next = cut.face.area > 0.0 ? level - error / cut.face.area : 0.5 * (low + high);
      if (!(next > low && next < high)) next = 0.5 * (low + high);
      if (high - low <= 1e-13 * radius_) break;
      level = next;
    }
    a.level = level;
    return std::fabs(cut.below.volume - volume_) <= kSettledTolerance * volume_;
  }

  double Buoyancy(Vec3 axis) const { return Dot(cut.below.Centroid() - g_, axis); }
  // The metacentric height about an axis of the waterplane: its second
  // moment over the volume less the height of G above B.
  double Gm(Vec3 axis) const {
    const Vec3 b = cut.below.Centroid();
    return cut.face.SecondMomentAlong(axis) / volume_ - Dot(g_ - b, frame.up);
  }

  // Trim (and level) at which B is on the vertical through G along the
  // ship, heel held. Newton on GML, then secants, inside a bracket.
  bool Trim(Attitude& a) {
    double low = -kMostTrim, high = kMostTrim;
    double theta = std::clamp(a.trim, low, high);
    double slope = 0.0;
    double previous = 0.0, previousLever = 0.0;
    const double tolerance = kLeverTolerance * Length();
    for (int k = 0; k < 60; ++k) {
      a.trim = theta;
      if (!Level(a)) return false;
      const double lever = Buoyancy(frame.along);
      if (std::fabs(lever) <= tolerance) return true;
      // B aft of G lifts the stern: the trim by the stern must grow less.
      (lever < 0.0 ? low : high) = theta;
      if (k > 0 && theta != previous) {
        const double secant = (lever - previousLever) / (theta - previous);
        if (secant > 0.0) slope = secant;
      }
      if (k == 0 || slope <= 0.0) slope = Gm(frame.along);
      previous = theta;
      previousLever = lever;
      double next = slope > 0.0 ? theta - lever / slope : 0.5 * (low + high);
      if (!(next > low && next < high)) next = 0.5 * (low + high);
      if (high - low <= 1e-14) break;
      theta = next;
    }
    return Settled(a);
  }

  bool Settled(const Attitude&) const {
    return std::fabs(cut.below.volume - volume_) <= kSettledTolerance * volume_ &&
           std::fabs(Buoyancy(frame.along)) <= kSettledTolerance * Length();
  }

 private:
  void Cut(double level) {
    ++evaluations;
    cut = CutBelow(hull_.soup, frame.up, level);
  }

  const FloatingHull& hull_;
  double volume_;
  Vec3 g_;
  Vec3 centre_;
  double radius_ = 0.0;
};

// GZ at a heel (trim and level searched, warm from a), nothing when the
// hull cannot be trimmed to float there.
std::optional<double> RightingLever(Floater& f, Attitude& a, double heel) {
  a.heel = heel;
  if (!f.Trim(a)) return std::nullopt;
  return f.Buoyancy(f.frame.across);
}

std::string Weight(double value) { return FormatFixed(value, 1, 1); }

Equilibrium Refuse(Refusal refusal, std::string message, int evaluations) {
  Equilibrium e;
  e.refusal = refusal;
  e.message = std::move(message);
  e.evaluations = evaluations;
  return e;
}

// The waterline's height on the centreline at y.
double WaterZ(const Frame& f, double level, double y) { return (level - f.up.y * y) / f.up.z; }

}  // namespace

Equilibrium FindEquilibrium(const FloatingHull& hull, const ConditionWeights& weights) {
  if (!(weights.weight > 0.0)) return Refuse(Refusal::kNoWeight, kNoWeightMessage, 0);
  const double volume = weights.weight / SeawaterWeight(1.0, hull.units);
  const double most = SeawaterWeight(hull.volume, hull.units);
  if (volume >= hull.volume) {
    return Refuse(Refusal::kSinks,
                  "The condition sinks the hull: it weighs " + Weight(weights.weight) +
                      " and the closed hull displaces at most " + Weight(most) + ".",
                  0);
  }
  const Vec3 g{weights.tcg, weights.lcg, weights.vcg + weights.VirtualRise()};
  Floater f(hull, volume, g);
  Attitude a;
  const double tolerance = kLeverTolerance * f.Length();
  const std::optional<double> upright = RightingLever(f, a, 0.0);
  if (!upright) {
    return Refuse(Refusal::kSinks,
                  "The condition sinks the hull: no trim up to " +
                      FormatFixed(kMostTrim / kDegreesToRadians, 1, 0) +
                      " degrees floats it (it dives by the head or the stern).",
                  f.evaluations);
  }
  const bool stableUpright = f.Gm(f.frame.across) > 0.0;
  if (!(std::fabs(*upright) <= tolerance && stableUpright)) {
    // Heel toward the side G lies on (toward the stored side when upright
    // is unstable with nothing to choose), to the first heel where GZ
    // turns to right the hull.
    const double side = *upright > tolerance ? -1.0 : 1.0;
    double from = 0.0, fromGz = *upright;
    std::optional<double> to, toGz;
    Attitude march = a;
    for (double heel = kHeelSearchStep; heel <= kHeelSearchEnd + 1e-9; heel += kHeelSearchStep) {
      const double angle = side * heel * kDegreesToRadians;
      const std::optional<double> gz = RightingLever(f, march, angle);
      if (!gz) break;
      if (side * *gz > 0.0) {
        to = angle;
        toGz = gz;
        break;
      }
      from = angle;
      fromGz = *gz;
      a = march;
    }
    if (!to) {
      return Refuse(Refusal::kCapsizes,
                    "The condition capsizes the hull: it has no upright position with GM above "
                    "0 and no heeled one up to 90 degrees.",
                    f.evaluations);
    }
    // Regula falsi (Illinois) between the two heels.
    double x0 = from, f0 = fromGz, x1 = *to, f1 = *toGz;
    int lastSide = 0;
    for (int k = 0; k < 60; ++k) {
      const double x = x1 - f1 * (x1 - x0) / (f1 - f0);
      const std::optional<double> gz = RightingLever(f, a, x);
      if (!gz) break;
      if (std::fabs(*gz) <= tolerance) break;
      if ((*gz > 0.0) == (f1 > 0.0)) {
        x1 = x;
        f1 = *gz;
        if (lastSide == 1) f0 *= 0.5;
        lastSide = 1;
      } else {
        x0 = x;
        f0 = *gz;
        if (lastSide == -1) f1 *= 0.5;
        lastSide = -1;
      }
      if (std::fabs(x1 - x0) <= 1e-13) break;
    }
  }
  // Reached: what the position gives.
  Equilibrium e;
  e.evaluations = f.evaluations;
  if (!f.Settled(a) || std::fabs(f.Buoyancy(f.frame.across)) > kSettledTolerance * f.Length()) {
    return Refuse(Refusal::kCapsizes,
                  "The condition capsizes the hull: no heeled position settles it.",
                  f.evaluations);
  }
  const Frame& fr = f.frame;
  const Vec3 b = f.cut.below.Centroid();
  e.attitude = a;
  e.heel = a.heel / kDegreesToRadians;
  e.volume = f.cut.below.volume;
  e.displacement = SeawaterWeight(e.volume, hull.units);
  e.lcb = b.y;
  e.vcb = b.z;
  e.tcb = b.x;
  e.lcf = f.cut.face.Centroid().y;
  e.lcg = weights.lcg;
  e.vcg = weights.vcg;
  e.tcg = weights.tcg;
  e.waterplaneArea = f.cut.face.area;
  e.yFore = f.cut.yMin;
  e.yAft = f.cut.yMax;
  const double zFore = WaterZ(fr, a.level, e.yFore), zAft = WaterZ(fr, a.level, e.yAft);
  e.draftFore = zFore - hull.keelZ;
  e.draftAft = zAft - hull.keelZ;
  e.draftMid = WaterZ(fr, a.level, 0.5 * (e.yFore + e.yAft)) - hull.keelZ;
  e.trim = e.draftAft - e.draftFore;
  e.trimAngle = e.yAft > e.yFore ? std::atan(e.trim / (e.yAft - e.yFore)) / kDegreesToRadians : 0.0;
  e.bmt = f.cut.face.SecondMomentAlong(fr.across) / e.volume;
  e.bml = f.cut.face.SecondMomentAlong(fr.along) / e.volume;
  e.kmt = b.z + e.bmt * fr.up.z - hull.keelZ;
  e.kml = b.z + e.bml * fr.up.z - hull.keelZ;
  const Vec3 solidG{weights.tcg, weights.lcg, weights.vcg};
  e.gmtSolid = e.bmt - Dot(solidG - b, fr.up);
  e.gmtFluid = e.gmtSolid - weights.VirtualRise();
  e.gml = e.bml - Dot(g - b, fr.up);
  e.freeSurfaceMoment = weights.freeSurfaceMoment;
  e.freeboard = 1e300;
  for (const Vec3& p : hull.deckEdge) e.freeboard = std::min(e.freeboard, Dot(fr.up, p) - a.level);
  if (hull.deckEdge.empty()) e.freeboard = 0.0;
  return e;
}

LeverCurve FreeTrimLevers(const FloatingHull& hull, const ConditionWeights& weights,
                          const Equilibrium& equilibrium, const HeelSteps& steps) {
  LeverCurve curve;
  if (!equilibrium.ok()) return curve;
  const double volume = weights.weight / SeawaterWeight(1.0, hull.units);
  const Vec3 g{weights.tcg, weights.lcg, weights.vcg + weights.VirtualRise()};
  Floater f(hull, volume, g);
  // The equilibrium's midship waterline point on the centreline: how far it
  // goes under is the row's sinkage.
  const Frame eq = FrameOf(equilibrium.attitude.heel, equilibrium.attitude.trim);
  const double yMid = 0.5 * (equilibrium.yFore + equilibrium.yAft);
  const Vec3 reference{0.0, yMid, WaterZ(eq, equilibrium.attitude.level, yMid)};
  const double waterline = equilibrium.yAft - equilibrium.yFore;
  Attitude a{0.0, equilibrium.attitude.trim, equilibrium.attitude.level};
  for (int p = 0; p <= steps.steps; ++p) {
    LeverRow row;
    row.heel = p < steps.steps ? p * steps.step : steps.maxHeel;
    const int before = f.evaluations;
    Attitude tried = a;
    const std::optional<double> gz = RightingLever(f, tried, row.heel * kDegreesToRadians);
    row.evaluations = f.evaluations - before;
    row.found = gz.has_value() && f.Settled(tried);
    if (row.found) {
      a = tried;  // the next heel starts here
      row.gz = *gz;
      row.trimAngle = tried.trim / kDegreesToRadians;
      row.trim = waterline * std::tan(tried.trim);
      row.sinkage = tried.level - Dot(f.frame.up, reference);
      row.displacement = SeawaterWeight(f.cut.below.volume, hull.units);
      row.lcb = Dot(f.cut.below.Centroid(), f.frame.along);
      row.lcg = Dot(g, f.frame.along);
      row.attitude = tried;
    }
    curve.rows.push_back(row);
  }
  curve.evaluations = f.evaluations;
  const LeverRow* last = nullptr;
  for (const LeverRow& row : curve.rows) {
    if (!row.found) continue;
    if (last && last->gz > 0.0 && row.gz <= 0.0) {
      curve.vanishingAngle =
          last->heel + (row.heel - last->heel) * last->gz / (last->gz - row.gz);
      break;
    }
    last = &row;
  }
  const double metres = FactorsFor(hull.units).metric ? 0.001 : 0.0254;
  std::vector<GzPoint> table;
  for (const LeverRow& row : curve.rows) {
    if (row.found) table.push_back({row.heel, row.gz * metres});
  }
  curve.criteria = EvaluateCriteria(table, equilibrium.gmtFluid * metres);
  return curve;
}

namespace {

// The height of the lowest point above the water (negative: under it).
double LowestAbove(const std::vector<Vec3>& points, const Attitude& a) {
  const Frame f = FrameOf(a.heel, a.trim);
  double lowest = 1e300;
  for (Vec3 p : points) {
    p.x = std::fabs(p.x) * (a.heel >= 0.0 ? 1.0 : -1.0);
    lowest = std::min(lowest, Dot(f.up, p) - a.level);
  }
  return lowest;
}

}  // namespace

std::optional<double> ImmersionAngle(const FloatingHull& hull, const ConditionWeights& weights,
                                     const LeverCurve& curve, const std::vector<Vec3>& points) {
  if (points.empty()) return std::nullopt;
  const LeverRow* last = nullptr;
  double lastHeight = 0.0;
  for (const LeverRow& row : curve.rows) {
    if (!row.found) continue;
    const double height = LowestAbove(points, row.attitude);
    if (!last && height <= 0.0) return row.heel;
    if (last && height <= 0.0) {
      const double volume = weights.weight / SeawaterWeight(1.0, hull.units);
      Floater f(hull, volume, {weights.tcg, weights.lcg, weights.vcg + weights.VirtualRise()});
      // Regula falsi (Illinois) on the height, heel in degrees.
      double x0 = last->heel, f0 = lastHeight, x1 = row.heel, f1 = height;
      Attitude a = last->attitude;
      int lastSide = 0;
      double x = x1;
      for (int k = 0; k < 60 && x1 - x0 > 1e-6; ++k) {
        x = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (!(x > x0 && x < x1)) x = 0.5 * (x0 + x1);
        Attitude tried = a;
        if (!RightingLever(f, tried, x * kDegreesToRadians) || !f.Settled(tried)) break;
        a = tried;
        const double h = LowestAbove(points, a);
        if (h > 0.0) {
          x0 = x;
          f0 = h;
          if (lastSide == -1) f1 *= 0.5;
          lastSide = -1;
        } else {
          x1 = x;
          f1 = h;
          if (lastSide == 1) f0 *= 0.5;
          lastSide = 1;
        }
      }
      // The heel where the lowest point is last above water: never later
      // than the true crossing by more than the bracket.
      return x1;
    }
    last = &row;
    lastHeight = height;
  }
  return std::nullopt;
}

ConditionRun RunCondition(const Surface& surface, int32_t units, const LoadingCondition& condition,
                          const std::optional<HeelSteps>& heels) {
  ConditionRun run;
  run.hull = BuildFloatingHull(surface, units);
  run.weights = SumCondition(run.hull, condition);
  run.equilibrium = FindEquilibrium(run.hull, run.weights);
  if (heels && run.equilibrium.ok()) {
    run.levers = FreeTrimLevers(run.hull, run.weights, run.equilibrium, *heels);
  }
  return run;
}

LoadingCondition StabilityCaseCondition(double displacement, double vcg, double lcg,
                                        const std::vector<BallastItem>& ballast) {
  LoadingCondition c;
  double ballastWeight = 0.0;
  int number = 0;
  for (const BallastItem& b : ballast) {
    ++number;
    if (b.weight == 0.0) continue;
    ballastWeight += b.weight;
    c.items.push_back({"Ballast" + std::to_string(number), b.weight, b.aftBow, b.height, b.beam});
  }
  c.lightship = {"LIGHTSHIP", std::max(displacement - ballastWeight, 0.0), lcg, vcg, 0.0};
  return c;
}

}  // namespace skelmora
