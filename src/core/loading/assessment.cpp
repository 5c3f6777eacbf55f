#include "loading/assessment.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "hydro/hydrostatics.h"
#include "stability/heeled_section.h"

namespace skelmora {

namespace {

// The windward side is run to this heel when the weights are off the centreline.
constexpr double kWindwardReach = 60.0;

double Metres(int32_t units) { return FactorsFor(units).metric ? 0.001 : 0.0254; }
double Tonnes(int32_t units) { return FactorsFor(units).metric ? 0.001 : 0.45359237e-3; }

std::vector<GzPoint> Leeward(const LeverCurve& curve, double metres) {
  std::vector<GzPoint> table;
  for (const LeverRow& row : curve.rows) {
    if (row.found) table.push_back({row.heel, row.gz * metres});
  }
  return table;
}

// Whether every criterion would hold with G raised by shift metres, the
// levers taken as GZ - shift sin(heel) (the trim and the immersion angles
// held): the search's predictor, never its answer.
bool WouldPass(const ConditionAssessment& a, double shift) {
  WeatherInputs in = a.weatherInputs;
  std::vector<GzPoint> leeward;
  for (GzPoint& p : in.table) {
    p.gz -= shift * std::sin(p.heel * kDegreesToRadians);
    if (p.heel >= 0.0) leeward.push_back(p);
  }
  in.gm -= shift;
  in.og += shift;
  return AllCriteriaPass(EvaluateCriteria(leeward, in.gm, in.downflooding)) &&
         AllCriteriaPass(EvaluateWeather(in).criteria);
}

// The VCG (model units) at which the shifted levers of a trial at vcg
// change from passing to failing, or nothing when they do not within the
// span.
std::optional<double> Predicted(const ConditionAssessment& a, double vcg, double metres,
                                double depth) {
  double pass = 0.0, fail = 0.0;  // shifts in model units
  if (WouldPass(a, 0.0)) {
    fail = 0.05 * depth;
    while (WouldPass(a, fail * metres)) {
      pass = fail;
      fail *= 2.0;
      if (fail > 4.0 * depth) return std::nullopt;
    }
  } else {
    pass = -0.05 * depth;
    while (!WouldPass(a, pass * metres)) {
      fail = pass;
      pass *= 2.0;
      if (pass < -4.0 * depth) return std::nullopt;
    }
  }
  for (int k = 0; k < 60 && fail - pass > 1e-6 * depth; ++k) {
    const double mid = 0.5 * (pass + fail);
    (WouldPass(a, mid * metres) ? pass : fail) = mid;
  }
  return vcg + pass;
}

}  // namespace

ConditionAssessment AssessCondition(const FloatingHull& hull, const LoadingCondition& condition,
                                    const ConditionWeights& weights, const Equilibrium& e,
                                    const LeverCurve& curve) {
  ConditionAssessment out;
  const double m = Metres(hull.units);
  std::vector<Vec3> openings;
  for (const Opening& o : condition.openings) openings.push_back({o.x, o.y, o.z});
  out.downflooding = ImmersionAngle(hull, weights, curve, openings);
  out.deckImmersion = ImmersionAngle(hull, weights, curve, hull.deckEdge);
  const std::vector<GzPoint> leeward = Leeward(curve, m);
  out.criteria = EvaluateCriteria(leeward, e.gmtFluid * m, out.downflooding);

  // Windward: GZ(-phi) = -GZ(phi) of the mirrored weights, which is the
  // curve itself turned about upright when G is on the centreline.
  std::vector<GzPoint> windward;
  if (std::fabs(weights.tcg) <= 1e-9 * std::max(hull.Length(), 1.0)) {
    for (const GzPoint& p : leeward) windward.push_back({-p.heel, -p.gz});
  } else if (curve.rows.size() >= 2) {
    ConditionWeights mirrored = weights;
    mirrored.tcg = -weights.tcg;
    const Equilibrium me = FindEquilibrium(hull, mirrored);
    std::string message;
    const double step = curve.rows[1].heel - curve.rows[0].heel;
    const auto steps = CheckHeelInputs(std::min(kWindwardReach, curve.rows.back().heel), step,
                                       message);
    if (me.ok() && steps) {
      ++out.leverCurves;
      for (const GzPoint& p : Leeward(FreeTrimLevers(hull, mirrored, me, *steps), m)) {
        windward.push_back({-p.heel, -p.gz});
      }
    }
  }
  std::vector<GzPoint> table(windward.rbegin(), windward.rend());
  for (const GzPoint& p : leeward) {
    if (table.empty() || p.heel > table.back().heel) table.push_back(p);
  }

  out.windage = ComputeWindage(hull, condition, e);
  WeatherInputs& in = out.weatherInputs;
  in.table = std::move(table);
  in.displacement = e.displacement * Tonnes(hull.units);
  in.windArea = out.windage.area * m * m;
  in.windHeight = out.windage.height * m;
  in.breadth = WaterlineBreadth(hull, e) * m;
  in.draft = e.draftMid * m;
  in.waterlineLength = (e.yAft - e.yFore) * m;
  const double box = in.breadth * in.draft * in.waterlineLength;
  in.cb = box > 0.0 ? e.volume * m * m * m / box : 0.0;
  in.bilgeKeelArea = condition.bilgeKeelArea * m * m;
  in.sharpBilges = condition.sharpBilges;
  in.gm = e.gmtFluid * m;
  in.og = (weights.vcg + weights.VirtualRise() - hull.keelZ) * m - in.draft;
  in.downflooding = out.downflooding;
  in.deckImmersion = out.deckImmersion;
  out.weather = EvaluateWeather(in);
  out.criteria.insert(out.criteria.end(), out.weather.criteria.begin(), out.weather.criteria.end());
  return out;
}

bool KgTrial::Passes() const { return assessment && AllCriteriaPass(assessment->criteria); }

std::string KgTrial::Failed() const {
  if (!equilibrium.ok()) return equilibrium.message;
  if (assessment) {
    for (const Criterion& c : assessment->criteria) {
      if (!c.pass) return c.name;
    }
  }
  return std::string();
}

KgTrial TryKg(const FloatingHull& hull, const LoadingCondition& condition,
              const ConditionWeights& base, double displacement, double vcg,
              const HeelSteps& steps) {
  KgTrial trial;
  ConditionWeights w;
  w.weight = displacement;
  w.lcg = base.lcg;
  w.vcg = vcg;
  w.tcg = 0.0;
  w.freeSurfaceMoment = base.freeSurfaceMoment;
  trial.equilibrium = FindEquilibrium(hull, w);
  if (!trial.equilibrium.ok()) return trial;
  trial.levers = FreeTrimLevers(hull, w, trial.equilibrium, steps);
  trial.leverCurves = 1;
  trial.assessment = AssessCondition(hull, condition, w, trial.equilibrium, *trial.levers);
  trial.leverCurves += trial.assessment->leverCurves;
  return trial;
}

KgLimitRow LimitingKg(const FloatingHull& hull, const LoadingCondition& condition,
                      const ConditionWeights& base, double displacement, const HeelSteps& steps) {
  KgLimitRow row;
  row.displacement = displacement;
  const std::array<double, 2> span = SpanAlong(hull.soup, {0.0, 0.0, 1.0});
  const double depth = span[1] - span[0];
  if (!(depth > 0.0) || !(displacement > 0.0)) {
    row.message = "no hull or no displacement";
    return row;
  }
  auto trial = [&](double vcg) {
    KgTrial t = TryKg(hull, condition, base, displacement, vcg, steps);
    row.leverCurves += t.leverCurves;
    return t;
  };
  // A weight the hull cannot carry sinks it at any VCG.
  const double tolerance = kKgTolerance * depth;
  double vcg = std::clamp(base.vcg, span[0], span[1]);
  KgTrial t = trial(vcg);
  if (t.equilibrium.refusal == Refusal::kSinks) {
    row.message = t.equilibrium.message;
    return row;
  }
  // Predicted from the levers raised or lowered as a whole, then tried, a
  // few times: the bracket below then starts within a step of the limit.
  const double metres = Metres(hull.units);
  for (int k = 0; k < 4 && t.assessment; ++k) {
    const std::optional<double> next = Predicted(*t.assessment, vcg, metres, depth);
    if (!next || std::fabs(*next - vcg) <= 0.5 * tolerance) break;
    vcg = *next;
    t = trial(vcg);
  }
  double step = tolerance;
  double pass = 0.0, fail = 0.0;
  std::string failed;
  if (t.Passes()) {
    pass = vcg;
    for (;;) {
      vcg += step;
      step *= 2.0;
      if (vcg > span[0] + 4.0 * depth) {
        row.message = "every criterion holds up to four depths above the keel";
        return row;
      }
      t = trial(vcg);
      if (!t.Passes()) break;
      pass = vcg;
    }
    fail = vcg;
    failed = t.Failed();
  } else {
    fail = vcg;
    failed = t.Failed();
    for (;;) {
      vcg -= step;
      step *= 2.0;
      if (vcg < span[0] - depth) {
        row.message = "no VCG down to a depth below the keel meets the criteria (" + failed + ")";
        return row;
      }
      t = trial(vcg);
      if (t.Passes()) break;
      fail = vcg;
      failed = t.Failed();
    }
    pass = vcg;
  }
  while (fail - pass > tolerance) {
    const double mid = 0.5 * (pass + fail);
    t = trial(mid);
    if (t.Passes()) {
      pass = mid;
    } else {
      fail = mid;
      failed = t.Failed();
    }
  }
  row.vcg = pass;
  row.kg = pass - hull.keelZ;
  row.governing = failed;
  return row;
}

}  // namespace skelmora
