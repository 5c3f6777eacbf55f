#include "loading/loading_report.h"

#include <algorithm>

#include "files/text_io.h"
#include "hydro/hydrostatics.h"

namespace skelmora::app {

namespace {

std::string Fixed(double value, int decimals) { return FormatFixed(value, 0, decimals); }

std::string Pad(std::string text, std::size_t width, bool right) {
  if (text.size() >= width) return text + ' ';
  return right ? std::string(width - text.size(), ' ') + text + ' '
               : text + std::string(width - text.size(), ' ') + ' ';
}

// Columns as wide as their widest cell, the first left-aligned.
std::string Columns(const std::vector<std::string>& headings, const TextRows& rows) {
  std::vector<std::size_t> widths(headings.size());
  for (std::size_t c = 0; c < headings.size(); ++c) widths[c] = headings[c].size();
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      widths[c] = std::max(widths[c], row[c].size());
    }
  }
  std::string out;
  for (std::size_t c = 0; c < headings.size(); ++c) out += Pad(headings[c], widths[c], c > 0);
  out += '\n';
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      out += Pad(row[c], widths[c], c > 0);
    }
    out += '\n';
  }
  return out;
}

std::vector<std::string> Strings(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

}  // namespace

TextRows EquilibriumRows(const Equilibrium& e, int32_t units) {
  const bool metric = FactorsFor(units).metric;
  const std::string l = metric ? "mm" : "in", w = metric ? "kg" : "lb";
  const std::string m = w + "·" + l;
  return {
      {"Draft forward", Fixed(e.draftFore, 1), l},
      {"Draft aft", Fixed(e.draftAft, 1), l},
      {"Draft midships", Fixed(e.draftMid, 1), l},
      {"Trim (by the stern)", Fixed(e.trim, 1), l},
      {"Trim angle", Fixed(e.trimAngle, 3), "deg"},
      {"Heel", Fixed(e.heel, 2), "deg"},
      {"Displacement", Fixed(e.displacement, 0), w},
      {"LCB", Fixed(e.lcb, 1), l},
      {"LCG", Fixed(e.lcg, 1), l},
      {"LCF", Fixed(e.lcf, 1), l},
      {"VCG", Fixed(e.vcg, 1), l},
      {"TCG", Fixed(e.tcg, 1), l},
      {"KMt", Fixed(e.kmt, 1), l},
      {"KML", Fixed(e.kml, 0), l},
      {"GMt solid", Fixed(e.gmtSolid, 1), l},
      {"GMt fluid", Fixed(e.gmtFluid, 1), l},
      {"Free-surface moment", Fixed(e.freeSurfaceMoment, 0), m},
      {"Lowest freeboard", Fixed(e.freeboard, 1), l},
      {"Evaluations", std::to_string(e.evaluations), ""},
  };
}

QStringList LeverHeadings(int32_t units) {
  const bool metric = FactorsFor(units).metric;
  const QString l = metric ? QStringLiteral("mm") : QStringLiteral("in");
  return {QStringLiteral("Heel (deg)"),
          QStringLiteral("GZ (%1)").arg(l),
          QStringLiteral("Trim (%1)").arg(l),
          QStringLiteral("Trim angle (deg)"),
          QStringLiteral("Sinkage (%1)").arg(l),
          QStringLiteral("Displacement (%1)").arg(metric ? QStringLiteral("kg")
                                                         : QStringLiteral("lb")),
          QStringLiteral("Found")};
}

TextRows LeverRows(const LeverCurve& curve) {
  TextRows rows;
  for (const LeverRow& r : curve.rows) {
    if (!r.found) {
      rows.push_back({Fixed(r.heel, 1), "", "", "", "", "", "not found"});
      continue;
    }
    rows.push_back({Fixed(r.heel, 1), Fixed(r.gz, 2), Fixed(r.trim, 1), Fixed(r.trimAngle, 3),
                    Fixed(r.sinkage, 1), Fixed(r.displacement, 0), "yes"});
  }
  return rows;
}

std::vector<CurvePiece> FoundPieces(const LeverCurve& curve, double scale) {
  std::vector<CurvePiece> pieces;
  bool open = false;
  for (const LeverRow& r : curve.rows) {
    if (!r.found) {
      open = false;
      continue;
    }
    if (!open) pieces.emplace_back();
    open = true;
    pieces.back().push_back({r.heel, r.gz * scale});
  }
  return pieces;
}

QStringList CriteriaHeadings() {
  return {QStringLiteral("Criterion"), QStringLiteral("Value"), QStringLiteral("Required"),
          QStringLiteral("Unit"), QStringLiteral("Result")};
}

TextRows CriteriaRows(const std::vector<Criterion>& criteria) {
  TextRows rows;
  for (const Criterion& c : criteria) {
    rows.push_back({c.name, c.value ? Fixed(*c.value, 3) : std::string(kNotEnoughRange),
                    Fixed(c.required, 3), c.unit, c.pass ? "pass" : "fail"});
  }
  return rows;
}

std::string LoadingReport(const LoadingCondition& condition, const ConditionRun& run,
                          const std::string& designName, const std::string& conditionName) {
  const int32_t units = run.hull.units;
  const bool metric = FactorsFor(units).metric;
  const std::string l = metric ? "mm" : "in", w = metric ? "kg" : "lb";
  std::string out = "Loading Condition " + (conditionName.empty() ? "(not saved)" : conditionName) +
                    "\nDesign " + designName + "\n\n";
  TextRows items;
  for (const WeightItem* item = &condition.lightship;;) {
    items.push_back({item->name, Fixed(item->weight, 1), Fixed(item->lcg, 1), Fixed(item->vcg, 1),
                     Fixed(item->tcg, 1)});
    const std::size_t next = items.size() - 1;
    if (next >= condition.items.size()) break;
    item = &condition.items[next];
  }
  out += Columns({"Item", "Weight (" + w + ")", "LCG (" + l + ")", "VCG (" + l + ")",
                  "TCG (" + l + ")"},
                 items);
  if (!condition.tanks.empty()) {
    TextRows tanks;
    for (std::size_t k = 0; k < condition.tanks.size(); ++k) {
      const Tank& t = condition.tanks[k];
      const TankState s = k < run.weights.tanks.size() ? run.weights.tanks[k] : TankState{};
      tanks.push_back({t.name, Fixed(t.density, 3), Fixed(t.fill, 1), Fixed(s.capacity, 0),
                       Fixed(s.weight, 1), Fixed(s.lcg, 1), Fixed(s.vcg, 1), Fixed(s.tcg, 1),
                       Fixed(s.freeSurfaceMoment, 0)});
    }
    out += "\n" + Columns({"Tank", "Density", "Fill %", "Capacity (" + l + "3)",
                           "Weight (" + w + ")", "LCG", "VCG", "TCG", "FSM (" + w + "." + l + ")"},
                          tanks);
  }
  out += "\nTotal weight " + Fixed(run.weights.weight, 1) + " " + w + ", virtual rise of G " +
         Fixed(run.weights.VirtualRise(), 2) + " " + l + "\n";
  if (!run.equilibrium.ok()) {
    out += "\nNo floating position: " + run.equilibrium.message + "\n";
    return out;
  }
  out += "\nFloating position\n";
  for (const auto& row : EquilibriumRows(run.equilibrium, units)) {
    // Printed in ASCII: the page font need not have the middle dot.
    std::string unit = row[2];
    for (std::size_t p; (p = unit.find("·")) != std::string::npos;) unit.replace(p, 2, ".");
    out += Pad(row[0], 22, false) + Pad(row[1], 14, true) + unit + "\n";
  }
  if (run.levers) {
    out += "\nRighting levers at free trim\n" +
           Columns(Strings(LeverHeadings(units)), LeverRows(*run.levers));
    out += run.levers->vanishingAngle
               ? "Angle of vanishing stability " + Fixed(*run.levers->vanishingAngle, 1) + " deg\n"
               : std::string("GZ does not vanish within the heels computed\n");
    out += "\n" + FormatCriteria(run.levers->criteria);
  }
  return out;
}

}  // namespace skelmora::app
