#include "resistance/savitsky.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"

namespace skelmora {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Bisection for an increasing f on [lo, hi] with f(lo) <= 0 <= f(hi).
template <typename F>
double Bisect(F f, double lo, double hi) {
  for (int k = 0; k < 200 && hi - lo > 1e-13 * (1.0 + std::fabs(hi)); ++k) {
    const double mid = 0.5 * (lo + hi);
    (f(mid) < 0.0 ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

// The deadrise surface's lift coefficient to the flat plate's:
// CL_beta = CL0 - 0.0065 beta CL0^0.6, solved for CL0.
double FlatLiftFor(double liftBeta, double beta) {
  auto f = [&](double cl0) { return cl0 - 0.0065 * beta * std::pow(cl0, 0.6) - liftBeta; };
  double hi = liftBeta + 1.0;
  while (f(hi) < 0.0) hi *= 2.0;
  return Bisect(f, liftBeta, hi);
}

// The wetted-length ratio at which the flat plate at tau gives cl0: Newton's
// steps on the increasing lift, kept inside a bracket that bisection
// narrows whenever a step would leave it.
double LambdaFor(double cl0, double tau, double cv) {
  const double t11 = std::pow(tau, 1.1);
  const double a = 0.0120 * t11, b = 0.0055 * t11 / (cv * cv);
  auto f = [&](double x) { return a * std::sqrt(x) + b * x * x * std::sqrt(x) - cl0; };
  double lo = 0.0, hi = 1.0;
  while (f(hi) < 0.0 && hi < 1e6) {
    lo = hi;
    hi *= 2.0;
  }
  double x = 0.5 * (lo + hi);
  for (int k = 0; k < 100; ++k) {
    const double fx = f(x);
    (fx < 0.0 ? lo : hi) = x;
    const double root = std::sqrt(x);
    const double slope = 0.5 * a / root + 2.5 * b * x * root;
    double next = x - fx / slope;
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - x) <= 1e-14 * (1.0 + x)) return next;
    x = next;
  }
  return x;
}

}  // namespace

double SavitskyFlatLift(double tau, double lambda, double cv) {
  return std::pow(tau, 1.1) * (0.0120 * std::sqrt(lambda) + 0.0055 * std::pow(lambda, 2.5) / (cv * cv));
}

double SavitskyPressureCentre(double lambda, double cv) {
  return 0.75 - 1.0 / (5.21 * cv * cv / (lambda * lambda) + 2.39);
}

std::optional<SavitskyPoint> SavitskyAt(const ResistanceInputs& in, double v,
                                        std::string& reason) {
  const WaterProperties water = PropertiesOf(in.water);
  const double b = in.chineBeam;
  const double beta = in.deadrise;
  const double weight = in.displacement * 1000.0 * kGravity;
  SavitskyPoint p;
  p.speedCoefficient = v / std::sqrt(kGravity * b);
  const double cv = p.speedCoefficient;
  if (cv < kSavitskyMinSpeedCoefficient) {
    reason = "below the planing range (speed coefficient " + FormatFixed(cv, 0, 2) +
             ", the method starts at 0.60)";
    return std::nullopt;
  }
  const double liftBeta = weight / (0.5 * water.density * v * v * b * b);
  const double cl0 = FlatLiftFor(liftBeta, beta);

  // The centre of pressure moves forward as the trim falls and the wetted
  // length grows: find the trim that puts it at the LCG.
  auto pressureCentre = [&](double tau) {
    const double lambda = LambdaFor(cl0, tau, cv);
    return SavitskyPressureCentre(lambda, cv) * lambda * b;
  };
  const double lowTrim = 0.5, highTrim = 30.0;
  if (pressureCentre(lowTrim) < in.lcg || pressureCentre(highTrim) > in.lcg) {
    reason = "no running trim from 0.5 to 30 degrees puts the centre of pressure at the LCG";
    return std::nullopt;
  }
  p.trim = Bisect([&](double tau) { return in.lcg - pressureCentre(tau); }, lowTrim, highTrim);
  p.lambda = LambdaFor(cl0, p.trim, cv);
  p.wettedLength = p.lambda * b;

  const double tau = p.trim * kRadiansPerDegree;
  const double dynamicLift = 0.0120 * std::sqrt(p.lambda) * std::pow(p.trim, 1.1);
  const double bottom = 1.0 - (dynamicLift - 0.0065 * beta * std::pow(dynamicLift, 0.6)) /
                                  (p.lambda * std::cos(tau));
  const double v1 = v * std::sqrt(std::max(bottom, 0.0));  // mean bottom velocity
  const double cf = Ittc57(v1 * p.wettedLength / water.viscosity) + kSavitskyCorrelation;
  const double df = 0.5 * water.density * v1 * v1 * p.lambda * b * b * cf /
                    std::cos(beta * kRadiansPerDegree);
  p.pressureDrag = weight * std::tan(tau);
  p.frictionDrag = df / std::cos(tau);
  p.total = p.pressureDrag + p.frictionDrag;
  if (!std::isfinite(p.total)) {
    reason = "the method has no value for these inputs";
    return std::nullopt;
  }
  return p;
}

}  // namespace skelmora
