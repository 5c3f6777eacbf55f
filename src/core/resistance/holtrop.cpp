#include "resistance/holtrop.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"

namespace skelmora {

namespace {

constexpr double kHoltropGravity = 9.81;  // as the regression was fitted

}  // namespace

std::optional<HoltropPoint> HoltropAt(const ResistanceInputs& in, double v, std::string& reason) {
  const double g = kHoltropGravity;
  const WaterProperties water = PropertiesOf(in.water);
  const double rho = water.density;
  const double L = in.lwl, B = in.beam, T = in.draft, TF = in.draft;
  const double volume = in.volume;
  const double lcb = in.lcb;
  const double cm = in.cm;
  const double cp = PrismaticOf(in);
  const double cb = BlockOf(in);
  const double S = in.wetted;

  if (!(cp < 0.95) || !(cp > 0.25)) {
    reason = "the prismatic coefficient " + FormatFixed(cp, 0, 3) +
             " is outside what the formulas take (0.25 to 0.95)";
    return std::nullopt;
  }
  const double runTerm = 1.0 - cp + 0.0225 * lcb;
  if (!(runTerm > 0.0)) {
    reason = "the LCB lies too far aft for the form factor's run term";
    return std::nullopt;
  }
  if (!(in.halfEntrance < 90.0)) {
    reason = "the half angle of entrance must be below 90 degrees";
    return std::nullopt;
  }

  HoltropPoint p;
  const double q = 0.5 * rho * v * v;  // dynamic pressure
  const double fn = v / std::sqrt(g * L);
  p.froude = fn;
  p.cf = Ittc57(v * L / water.viscosity);

  // Form factor (1982): length of run, c12 from T/L, c13 from the stern.
  const double lr = L * (1.0 - cp + 0.06 * cp * lcb / (4.0 * cp - 1.0));
  const double tl = T / L;
  double c12 = 0.479948;
  if (tl > 0.05) {
    c12 = std::pow(tl, 0.2228446);
  } else if (tl > 0.02) {
    c12 = 48.20 * std::pow(tl - 0.02, 2.078) + 0.479948;
  }
  const double c13 = 1.0 + 0.003 * in.sternShape;
  p.formFactor = c13 * (0.93 + c12 * std::pow(B / lr, 0.92497) *
                                   std::pow(0.95 - cp, -0.521448) * std::pow(runTerm, 0.6906));

  p.friction = q * S * p.cf;
  p.appendage = q * in.appendageArea * in.appendageFactor * p.cf;

  // Wave resistance.
  const double bl = B / L;
  double c7 = bl;
  if (bl < 0.11) {
    c7 = 0.229577 * std::pow(bl, 0.33333);
  } else if (bl > 0.25) {
    c7 = 0.5 - 0.0625 * L / B;
  }
  const double c1 = 2223105.0 * std::pow(c7, 3.78613) * std::pow(T / B, 1.07961) *
                    std::pow(90.0 - in.halfEntrance, -1.37565);
  const double abt = in.bulbArea;
  const double c3 =
      abt > 0.0 ? 0.56 * std::pow(abt, 1.5) / (B * T * (0.31 * std::sqrt(abt) + TF - in.bulbCentre))
                : 0.0;
  const double c2 = std::exp(-1.89 * std::sqrt(c3));
  const double c5 = 1.0 - 0.8 * in.transomArea / (B * T * cm);
  const double lambda = L / B < 12.0 ? 1.446 * cp - 0.03 * L / B : 1.446 * cp - 0.36;
  const double c16 = cp < 0.8 ? 8.07981 * cp - 13.8673 * cp * cp + 6.984388 * cp * cp * cp
                              : 1.73014 - 0.7067 * cp;
  const double cubeRoot = std::cbrt(volume);
  const double m1 = 0.0140407 * L / T - 1.75254 * cubeRoot / L - 4.79323 * bl - c16;
  const double slenderCube = L * L * L / volume;
  double c15 = -1.69385;
  if (slenderCube >= 1727.0) {
    c15 = 0.0;
  } else if (slenderCube >= 512.0) {
    c15 = -1.69385 + (L / cubeRoot - 8.0) / 2.36;
  }
  const double d = -0.9;
  const double weight = volume * rho * g;
  auto waveLow = [&](double f) {
    const double m2 = c15 * cp * cp * std::exp(-0.1 / (f * f));
    return c1 * c2 * c5 * weight * std::exp(m1 * std::pow(f, d) + m2 * std::cos(lambda / (f * f)));
  };
  auto waveHigh = [&](double f) {
    const double c17 = 6919.3 * std::pow(cm, -1.3346) * std::pow(volume / (L * L * L), 2.00977) *
                       std::pow(L / B - 2.0, 1.40692);
    const double m3 = -7.2035 * std::pow(bl, 0.326869) * std::pow(T / B, 0.605375);
    const double m4 = c15 * 0.4 * std::exp(-0.034 * std::pow(f, -3.29));
    return c17 * c2 * c5 * weight * std::exp(m3 * std::pow(f, d) + m4 * std::cos(lambda / (f * f)));
  };
  if (fn > 0.4 && !(L / B > 2.0)) {
    reason = "the high-speed wave formula needs L/B above 2";
    return std::nullopt;
  }
  if (fn <= 0.0) {
    p.wave = 0.0;
  } else if (fn <= 0.4) {
    p.wave = waveLow(fn);
  } else if (fn >= 0.55) {
    p.wave = waveHigh(fn);
  } else {
    const double low = waveLow(0.4);
    p.wave = low + (10.0 * fn - 4.0) * (waveHigh(0.55) - low) / 1.5;
  }

  // Bulbous bow near the surface.
  if (abt > 0.0) {
    const double pb = 0.56 * std::sqrt(abt) / (TF - 1.5 * in.bulbCentre);
    const double immersion = g * (TF - in.bulbCentre - 0.25 * std::sqrt(abt)) + 0.15 * v * v;
    const double fni = immersion > 0.0 ? v / std::sqrt(immersion) : 0.0;
    p.bulb = 0.11 * std::exp(-3.0 / (pb * pb)) * fni * fni * fni * std::pow(abt, 1.5) * rho * g /
             (1.0 + fni * fni);
  }

  // Immersed transom.
  if (in.transomArea > 0.0) {
    const double fnt = v / std::sqrt(2.0 * g * in.transomArea / (B + B * in.cwp));
    const double c6 = fnt < 5.0 ? 0.2 * (1.0 - 0.2 * fnt) : 0.0;
    p.transom = q * in.transomArea * c6;
  }

  // Model-ship correlation, on the hull's and the appendages' wetted area.
  const double c4 = std::min(TF / L, 0.04);
  p.ca = 0.006 * std::pow(L + 100.0, -0.16) - 0.00205 +
         0.003 * std::sqrt(L / 7.5) * std::pow(cb, 4) * c2 * (0.04 - c4);
  p.correlation = q * (S + in.appendageArea) * p.ca;

  p.total = p.friction * p.formFactor + p.appendage + p.wave + p.bulb + p.transom + p.correlation;
  if (!std::isfinite(p.total)) {
    reason = "the formulas have no value for these inputs";
    return std::nullopt;
  }
  return p;
}

}  // namespace skelmora
