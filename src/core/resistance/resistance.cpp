#include "resistance/resistance.h"

#include <algorithm>
#include <cmath>

#include "files/text_io.h"
#include "hydro/drag.h"
#include "resistance/holtrop.h"
#include "resistance/savitsky.h"

namespace skelmora {

namespace {

struct Range {
  const char* name;
  double value;
  double low;
  double high;
  int decimals;
};

const char* DataName(ResistanceMethod method) {
  switch (method) {
    case ResistanceMethod::kHoltrop:
      return "the Holtrop-Mennen data";
    case ResistanceMethod::kSavitsky:
      return "Savitsky's data";
    case ResistanceMethod::kYacht:
      return "the yacht series";
  }
  return "";
}

std::string OutsideText(ResistanceMethod method, const Range& r) {
  return std::string(r.name) + " " + FormatFixed(r.value, 0, r.decimals) + " is outside " +
         DataName(method) + " (" + FormatFixed(r.low, 0, r.decimals) + " to " +
         FormatFixed(r.high, 0, r.decimals) + ")";
}

bool Outside(const Range& r) { return !(r.value >= r.low && r.value <= r.high); }

std::string Knots(double speed) { return FormatFixed(speed, 0, 2) + " kn"; }

// The series regression between its tabled Froude numbers, linearly.
double YachtResiduary(double froude, const ResistanceParameters& p) {
  const double position = (froude - 0.1) / 0.025;
  int lower = static_cast<int>(std::floor(position));
  lower = std::clamp(lower, 1, kDragRows - 1);
  const double t = position - lower;
  const double a = std::max(WaveRegression(lower, p), 0.0);
  const double b = std::max(WaveRegression(lower + 1, p), 0.0);
  return a + (b - a) * t;
}

ResistanceParameters YachtParameters(const ResistanceInputs& in) {
  ResistanceParameters p;
  p.cp = PrismaticOf(in);
  p.lcbTerm = in.lcb;
  p.beamDraft = in.beam / in.draft;
  p.slenderness = in.lwl / std::cbrt(in.volume);
  p.displacementKg = PropertiesOf(in.water).density * in.volume;
  return p;
}

}  // namespace

const char* MethodName(ResistanceMethod method) {
  switch (method) {
    case ResistanceMethod::kHoltrop:
      return "holtrop";
    case ResistanceMethod::kSavitsky:
      return "savitsky";
    case ResistanceMethod::kYacht:
      return "yacht";
  }
  return "";
}

std::optional<ResistanceMethod> MethodNamed(const std::string& name) {
  for (ResistanceMethod m :
       {ResistanceMethod::kHoltrop, ResistanceMethod::kSavitsky, ResistanceMethod::kYacht}) {
    if (name == MethodName(m)) return m;
  }
  return std::nullopt;
}

WaterProperties PropertiesOf(Water water) {
  if (water == Water::kFresh) return WaterProperties{999.1, 1.1386e-6};
  return WaterProperties{1025.0, 1.1883e-6};
}

double PrismaticOf(const ResistanceInputs& in) {
  return in.volume / (in.lwl * in.beam * in.draft * in.cm);
}

double BlockOf(const ResistanceInputs& in) { return in.volume / (in.lwl * in.beam * in.draft); }

double Ittc57(double reynolds) {
  if (!(reynolds > 100.0)) return 0.0;
  const double d = std::log10(reynolds) - 2.0;
  return 0.075 / (d * d);
}

std::optional<std::string> CheckInputs(ResistanceMethod method, const ResistanceInputs& in) {
  struct Need {
    const char* name;
    double value;
    bool zeroAllowed;
  };
  std::vector<Need> needs;
  if (method == ResistanceMethod::kSavitsky) {
    needs = {{"displacement", in.displacement, false}, {"lcg", in.lcg, false},
             {"chine beam", in.chineBeam, false},      {"deadrise", in.deadrise, true},
             {"lwl", in.lwl, false}};
  } else {
    needs = {{"lwl", in.lwl, false},       {"beam", in.beam, false},   {"draft", in.draft, false},
             {"volume", in.volume, false}, {"cm", in.cm, false},       {"wetted", in.wetted, false}};
    if (method == ResistanceMethod::kHoltrop) {
      needs.insert(needs.end(), {{"cwp", in.cwp, false},
                                 {"half entrance", in.halfEntrance, true},
                                 {"transom area", in.transomArea, true},
                                 {"bulb area", in.bulbArea, true},
                                 {"bulb centre", in.bulbCentre, true},
                                 {"appendage area", in.appendageArea, true},
                                 {"appendage factor", in.appendageFactor, false}});
    }
  }
  for (const Need& n : needs) {
    const bool ok = n.zeroAllowed ? n.value >= 0.0 : n.value > 0.0;
    if (!ok || !std::isfinite(n.value)) {
      return "The " + std::string(n.name) + " must be " +
             (n.zeroAllowed ? "0 or more" : "more than 0") + ": " + FormatFixed(n.value, 0, 4);
    }
  }
  if (method == ResistanceMethod::kSavitsky && !(in.deadrise < 90.0)) {
    return "The deadrise must be below 90 degrees: " + FormatFixed(in.deadrise, 0, 2);
  }
  if (method == ResistanceMethod::kHoltrop) {
    if (!(in.halfEntrance < 90.0)) {
      return "The half angle of entrance must be below 90 degrees: " +
             FormatFixed(in.halfEntrance, 0, 2);
    }
    if (!(in.cm <= 1.0) || !(in.cwp <= 1.0)) return std::string("Cm and Cwp must not exceed 1");
    if (in.bulbArea > 0.0 && !(in.bulbCentre < in.draft / 1.5)) {
      return "The bulb's centre must lie below two thirds of the draft (" +
             FormatFixed(in.draft / 1.5, 0, 3) + " m above the keel): " +
             FormatFixed(in.bulbCentre, 0, 3);
    }
    if (!(in.transomArea < in.beam * in.draft * in.cm)) {
      return "The transom area must be less than the midship section's: " +
             FormatFixed(in.transomArea, 0, 3);
    }
  }
  return std::nullopt;
}

std::vector<std::string> RangeWarnings(ResistanceMethod method, const ResistanceInputs& in) {
  std::vector<Range> ranges;
  const double lb = in.lwl / in.beam;
  const double bt = in.beam / in.draft;
  switch (method) {
    case ResistanceMethod::kHoltrop:
      ranges = {{"Cp", PrismaticOf(in), 0.55, 0.85, 3},
                {"L/B", lb, 3.9, 14.9, 2},
                {"B/T", bt, 2.1, 4.0, 2}};
      break;
    case ResistanceMethod::kYacht:
      ranges = {{"Cp", PrismaticOf(in), 0.52, 0.60, 3},
                {"L/B", lb, 2.73, 5.0, 2},
                {"B/T", bt, 2.46, 19.38, 2},
                {"L/volume^(1/3)", in.lwl / std::cbrt(in.volume), 4.34, 8.5, 2},
                {"LCB (% of LWL forward of its middle)", in.lcb, -8.2, 0.0, 2}};
      break;
    case ResistanceMethod::kSavitsky:
      ranges = {{"Deadrise (degrees)", in.deadrise, 0.0, 30.0, 1}};
      break;
  }
  std::vector<std::string> warnings;
  for (const Range& r : ranges) {
    if (Outside(r)) warnings.push_back(OutsideText(method, r));
  }
  return warnings;
}

ResistanceMethod BestFittingMethod(const ResistanceInputs& in) {
  ResistanceMethod best = ResistanceMethod::kHoltrop;
  size_t fewest = static_cast<size_t>(-1);
  for (ResistanceMethod m :
       {ResistanceMethod::kHoltrop, ResistanceMethod::kYacht, ResistanceMethod::kSavitsky}) {
    if (CheckInputs(m, in)) continue;
    const size_t count = RangeWarnings(m, in).size();
    if (count < fewest) {
      fewest = count;
      best = m;
    }
  }
  return best;
}

std::optional<std::vector<double>> SpeedRange(double from, double to, double step,
                                              std::string& reason) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
    reason = "The speeds must be numbers";
    return std::nullopt;
  }
  if (from < 0.0 || to < 0.0) {
    reason = "A speed cannot be negative";
    return std::nullopt;
  }
  if (!(step > 0.0)) {
    reason = "The speed step must be more than 0";
    return std::nullopt;
  }
  if (to < from) {
    reason = "The last speed must not be below the first";
    return std::nullopt;
  }
  const double steps = std::floor((to - from) / step + 1e-6);
  if (steps >= 1000.0) {
    reason = "That is more than 1000 speeds";
    return std::nullopt;
  }
  std::vector<double> speeds;
  for (int k = 0; k <= static_cast<int>(steps); ++k) speeds.push_back(from + k * step);
  return speeds;
}

std::vector<double> DefaultSpeeds(ResistanceMethod method, const ResistanceInputs& in) {
  std::vector<double> speeds;
  if (method == ResistanceMethod::kSavitsky) {
    const double root = std::sqrt(kGravity * in.chineBeam) / kMetresPerSecondPerKnot;
    for (int k = 0; k < kDragRows; ++k) speeds.push_back((0.75 + 0.25 * k) * root);
  } else {
    const double root = std::sqrt(kGravity * in.lwl) / kMetresPerSecondPerKnot;
    for (int i = 1; i <= kDragRows; ++i) speeds.push_back(DragFroudeNumber(i) * root);
  }
  return speeds;
}

ResistanceRun ComputeResistance(ResistanceMethod method, const ResistanceInputs& in,
                                const std::vector<double>& speeds) {
  ResistanceRun run;
  run.method = method;
  run.inputs = in;
  run.warnings = RangeWarnings(method, in);
  const WaterProperties water = PropertiesOf(in.water);
  const ResistanceParameters yacht = YachtParameters(in);
  for (double knots : speeds) {
    ResistanceRow row;
    row.speed = knots;
    const double v = knots * kMetresPerSecondPerKnot;
    row.froude = in.lwl > 0.0 ? v / std::sqrt(kGravity * in.lwl) : 0.0;
    std::string reason;
    switch (method) {
      case ResistanceMethod::kHoltrop: {
        if (row.froude > kHoltropMaxFroude) {
          reason = "Froude number " + FormatFixed(row.froude, 0, 3) +
                   " is above the Holtrop-Mennen data (up to " +
                   FormatFixed(kHoltropMaxFroude, 0, 2) + ")";
          break;
        }
        const auto p = HoltropAt(in, v, reason);
        if (!p) break;
        row.valid = true;
        row.friction = p->friction / 1000.0;
        row.formFactor = p->formFactor;
        row.appendage = p->appendage / 1000.0;
        row.wave = p->wave / 1000.0;
        row.bulb = p->bulb / 1000.0;
        row.transom = p->transom / 1000.0;
        row.correlation = p->correlation / 1000.0;
        row.total = p->total / 1000.0;
        break;
      }
      case ResistanceMethod::kSavitsky: {
        const auto p = SavitskyAt(in, v, reason);
        if (!p) break;
        row.valid = true;
        row.trim = p->trim;
        row.wettedLength = p->wettedLength;
        row.wave = p->pressureDrag / 1000.0;
        row.friction = p->frictionDrag / 1000.0;
        row.total = p->total / 1000.0;
        const Range checks[] = {{"the running trim (degrees)", p->trim, 2.0, 15.0, 2},
                                {"the wetted length / beam", p->lambda, 0.0, 4.0, 2},
                                {"the speed coefficient", p->speedCoefficient, 0.6, 13.0, 2}};
        for (const Range& r : checks) {
          if (Outside(r)) run.warnings.push_back("At " + Knots(knots) + " " + OutsideText(method, r));
        }
        break;
      }
      case ResistanceMethod::kYacht: {
        if (row.froude < DragFroudeNumber(1) - 1e-9 ||
            row.froude > DragFroudeNumber(kDragRows) + 1e-9) {
          reason = "Froude number " + FormatFixed(row.froude, 0, 3) +
                   " is outside the yacht series (0.125 to 0.450)";
          break;
        }
        const double r = YachtResiduary(row.froude, yacht);
        row.valid = true;
        row.wave = r * 0.001 * yacht.displacementKg * kGravity / 1000.0;
        const double cf = Ittc57(v * 0.7 * in.lwl / water.viscosity);
        row.friction = 0.5 * water.density * v * v * cf * in.wetted / 1000.0;
        row.total = row.wave + row.friction;
        break;
      }
    }
    if (row.valid) {
      row.effectivePower = row.total * v;
    } else {
      run.warnings.push_back("At " + Knots(knots) + ": no result, " + reason);
    }
    run.rows.push_back(row);
  }
  return run;
}

}  // namespace skelmora
