#include "curves/cross_curves.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "hydro/hydro_report.h"
#include "model/net_edit.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

// Displacements in millimetre designs run to ten digits in kilograms; past
// that the value is a typing slip and is echoed in scientific form.
std::string Number(double value) {
  value = CleanNumber(value);
  return std::fabs(value) < 1e12 ? FormatFixed(value, 0, 3) : FormatEcho(value, 3);
}

// The calculations' messages, kept for the one message the caller gives
// rather than shown as they come (the caller would show them twice).
class KeptMessages : public Prompter {
 public:
  bool AskYesNo(const std::string& text) override {
    Keep(text);
    return false;
  }
  void ShowError(const std::string& text) override { Keep(text); }
  void ShowInformation(const std::string& text) override { Keep(text); }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  // The first message since the last Take, or empty.
  std::string Take() {
    std::string text = std::move(first_);
    first_.clear();
    return text;
  }

 private:
  void Keep(const std::string& text) {
    if (first_.empty()) first_ = text;
  }
  std::string first_;
};

// The design and surface as found, put back before each float and at the end
// so that no rounding accumulates from one displacement to the next.
class HullAsFound {
 public:
  HullAsFound(HullDesign& design, Surface& surface)
      : design_(design),
        surface_(surface),
        design0_(std::make_unique<HullDesign>(design)),
        surface0_(std::make_unique<Surface>(surface)) {}
  ~HullAsFound() { Restore(); }
  HullAsFound(const HullAsFound&) = delete;
  HullAsFound& operator=(const HullAsFound&) = delete;

  void Restore() {
    design_ = *design0_;
    surface_ = *surface0_;
  }
  // The hull as found, lowered by d (deeper); false when the net cannot
  // hold the heights.
  bool Lower(double d) {
    Restore();
    if (d == 0.0) return true;
    if (!RaiseHull(design_, surface_, -d)) return false;
    RecomputeExtents(design_, surface_);
    return true;
  }

 private:
  HullDesign& design_;
  Surface& surface_;
  std::unique_ptr<HullDesign> design0_;
  std::unique_ptr<Surface> surface0_;
};

// The hydrostatics of the hull as found lowered by d.
std::optional<HydrostaticResults> UprightAt(HullAsFound& hull, HullDesign& design,
                                            Surface& surface, CutBuffers& cuts, double d,
                                            Prompter& prompter) {
  if (!hull.Lower(d)) return std::nullopt;
  HydrostaticResults results;
  if (!ComputeHydrostatics(design, surface, cuts, results, prompter)) return std::nullopt;
  return results;
}

// Floats the hull held by `hull` at one displacement after another. The
// range runs from just wet (weighing next to nothing) to the deck edge just
// awash; what the hull weighs at the top is found once.
class Floater {
 public:
  Floater(HullAsFound& hull, HullDesign& design, Surface& surface, CutBuffers& cuts,
          Prompter& prompter)
      : hull_(hull),
        design_(design),
        surface_(surface),
        cuts_(cuts),
        prompter_(prompter),
        lowest_(surface.extents.lowestZ),
        highest_(GridLowestTop(surface)) {}

  struct Floated {
    double shift = 0.0;  // model units, positive deeper
    HydrostaticResults upright;
  };

  // The hull is left lowered by the shift found.
  std::optional<Floated> Float(double weight, std::string& message) {
    const int32_t units = design_.Units;
    const double height = highest_ - lowest_;
    double a = lowest_ + 1e-6 * height, fa = 0.0;
    double b = highest_ - 1e-4 * height;
    if (!topWeight_) {
      const auto top = UprightAt(hull_, design_, surface_, cuts_, b, prompter_);
      if (!top) {
        message = "The hydrostatics failed with the deck edge awash";
        return std::nullopt;
      }
      topWeight_ = SaltwaterDisplacement(*top, units);
    }
    double fb = *topWeight_;
    if (!(weight < fb)) {
      message = "The hull cannot displace " + Number(weight) + ": at most " + Number(fb) +
                " before the deck edge goes under";
      return std::nullopt;
    }
    // Regula falsi with the Illinois halving: the displacement rises
    // smoothly with the draft, so this closes in a dozen runs.
    const double tolerance = std::max(1e-7 * weight, 1e-9);
    int side = 0;
    for (int k = 0; k < 100; ++k) {
      const double d = b - (fb - weight) * (b - a) / (fb - fa);
      auto upright = UprightAt(hull_, design_, surface_, cuts_, d, prompter_);
      if (!upright) {
        message = "The hydrostatics failed at the draft change " + Number(d);
        return std::nullopt;
      }
      const double f = SaltwaterDisplacement(*upright, units);
      if (std::fabs(f - weight) <= tolerance || b - a < 1e-12 * height) {
        return Floated{d, *upright};
      }
      if (f < weight) {
        a = d;
        fa = f;
        if (side == -1) fb = weight + (fb - weight) / 2.0;
        side = -1;
      } else {
        b = d;
        fb = f;
        if (side == 1) fa = weight + (fa - weight) / 2.0;
        side = 1;
      }
    }
    message = "The draft for the displacement " + Number(weight) + " was not found";
    return std::nullopt;
  }

  double keel() const { return lowest_; }

 private:
  HullAsFound& hull_;
  HullDesign& design_;
  Surface& surface_;
  CutBuffers& cuts_;
  Prompter& prompter_;
  double lowest_, highest_;
  std::optional<double> topWeight_;
};

}  // namespace

std::optional<std::vector<double>> ParseDisplacementList(const std::string& text,
                                                         std::string& message) {
  std::vector<double> list;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string token = text.substr(start, comma - start);
    const auto value = TryParseReal(token);
    if (!value) {
      message = "The displacement is not a number: " + token;
      return std::nullopt;
    }
    if (!(*value > 0.0)) {
      message = "A displacement must be positive: " + token;
      return std::nullopt;
    }
    list.push_back(*value);
    if (list.size() > kMaxCrossDisplacements) {
      message = "Too many displacements: at most " + std::to_string(kMaxCrossDisplacements);
      return std::nullopt;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return list;
}

std::optional<CrossAngles> CheckCrossAngles(double from, double to, double step,
                                            std::string& message) {
  if (!std::isfinite(from) || !(from >= 0.0)) {
    message = "The first angle must be 0 or more";
    return std::nullopt;
  }
  const std::optional<HeelSteps> heel = CheckHeelInputs(to, step, message);
  if (!heel) return std::nullopt;
  if (from > heel->maxHeel) {
    message = "The first angle " + Number(from) + " is beyond the last " + Number(heel->maxHeel);
    return std::nullopt;
  }
  return CrossAngles{*heel, from};
}

std::optional<double> DraftChangeFor(HullDesign& design, Surface& surface, CutBuffers& cuts,
                                     double weight, Prompter& prompter, std::string& message) {
  HullAsFound hull(design, surface);
  Floater floater(hull, design, surface, cuts, prompter);
  const auto floated = floater.Float(weight, message);
  if (!floated) return std::nullopt;
  return floated->shift;
}

bool ComputeCrossCurves(HullDesign& design, Surface& surface, CutBuffers& cuts,
                        const std::vector<double>& displacements, const CrossAngles& angles,
                        Prompter& /*prompter*/, std::vector<KnPoint>& points,
                        std::string& message, CrossCurvesProgress* progress) {
  points.clear();
  message.clear();
  const double lengthFactor = FactorsFor(design.Units).length;
  KeptMessages kept;
  std::vector<std::string> failures;
  // The scratch net is the run's to use and comes back with the design.
  HullAsFound hull(design, surface);
  Floater floater(hull, design, surface, cuts, kept);
  for (std::size_t k = 0; k < displacements.size(); ++k) {
    const double weight = displacements[k];
    // The hull stays where the search floated it for the run.
    std::string why;
    auto floated = floater.Float(weight, why);
    if (!floated) {
      const std::string shown = kept.Take();
      failures.push_back("displacement " + Number(weight) + ": " + why +
                         (shown.empty() ? "" : " (" + shown + ")"));
    } else {
      // G on the keel, which went down with the hull; its fore-and-aft
      // place does not change the righting arm of an untrimmed hull.
      StabilityInputs inputs;
      inputs.heel = angles.heel;
      inputs.manualCentre = true;
      inputs.manualVcg = floater.keel() - floated->shift;
      inputs.manualLcg = floated->upright.lcb / lengthFactor;
      StabilityRecords records{design, surface, cuts, floated->upright};
      const StabilityRun run = RunStability(records, inputs, kept);
      kept.Take();
      if (!run.ok) {
        failures.push_back("displacement " + Number(weight) + ": " + kStabilityErrorMessage);
      } else {
        std::string missing;
        for (const StabilityRow& row : run.rows) {
          if (row.heel < angles.from - 1e-9) continue;
          if (!row.found) {
            missing += (missing.empty() ? "" : ", ") + FormatFixed(CleanNumber(row.heel), 0, 1);
            continue;
          }
          points.push_back({weight, row.heel, row.gz * lengthFactor});
        }
        if (!missing.empty()) {
          failures.push_back("displacement " + Number(weight) +
                             ": the heeled waterline was not found at " + missing + " deg");
        }
      }
    }
    if (progress) progress->DisplacementDone(k + 1, displacements.size());
  }
  hull.Restore();
  if (failures.empty()) return true;
  message = "KN was not computed for ";
  for (std::size_t k = 0; k < failures.size(); ++k) message += (k ? "; " : "") + failures[k];
  return false;
}

CrossCurveTable TabulateCrossCurves(const std::vector<KnPoint>& points) {
  CrossCurveTable table;
  auto indexOf = [](std::vector<double>& list, double value) {
    const auto at = std::find(list.begin(), list.end(), value);
    if (at != list.end()) return static_cast<std::size_t>(at - list.begin());
    list.push_back(value);
    return list.size() - 1;
  };
  for (const KnPoint& p : points) {
    indexOf(table.displacements, p.displacement);
    indexOf(table.angles, p.angle);
  }
  table.cells.assign(table.angles.size(),
                     std::vector<std::string>(table.displacements.size(), "-"));
  for (const KnPoint& p : points) {
    table.cells[indexOf(table.angles, p.angle)][indexOf(table.displacements, p.displacement)] =
        FormatFixed(CleanNumber(p.kn), 0, 3);
  }
  return table;
}

std::string FormatCrossCurves(const std::vector<KnPoint>& points, int32_t units,
                              const std::string& designFileName) {
  constexpr std::size_t kWidth = 12;
  auto pad = [](std::string text) {
    if (text.size() < kWidth) text.insert(0, kWidth - text.size(), ' ');
    return text;
  };
  const bool metric = FactorsFor(units).metric;
  const CrossCurveTable table = TabulateCrossCurves(points);
  std::string text = "Cross Curves (KN) " + designFileName + "\n";
  text += std::string("KN in ") + (metric ? "m" : "ft") + " for the displacements in " +
          (metric ? "kg" : "lb") + ", G at the keel\n";
  text += pad("Angle");
  for (const double w : table.displacements) text += pad(FormatFixed(CleanNumber(w), 0, 0));
  text += "\n";
  for (std::size_t a = 0; a < table.angles.size(); ++a) {
    text += pad(FormatFixed(CleanNumber(table.angles[a]), 0, 1));
    for (const std::string& cell : table.cells[a]) text += pad(cell);
    text += "\n";
  }
  return text;
}

}  // namespace skelmora
