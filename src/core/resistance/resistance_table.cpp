#include "resistance/resistance_table.h"

#include <algorithm>

#include "files/text_io.h"
#include "resistance/resistance_fields.h"

namespace skelmora {

namespace {

std::string Value(bool valid, double value, int decimals) {
  return valid ? FormatFixed(value, 0, decimals) : std::string("-");
}

}  // namespace

double ForceInDesignUnit(double kiloNewtons, bool metric) {
  return metric ? kiloNewtons * 1000.0 / 9.80665 : kiloNewtons * 1000.0 / 4.4482216152605;
}

double Horsepower(double kiloWatts) { return kiloWatts / 0.74569987158227; }

ResistanceTable FormatResistanceTable(const ResistanceRun& run, bool metric) {
  ResistanceTable t;
  const std::string force = metric ? "Total kgf" : "Total lbf";
  switch (run.method) {
    case ResistanceMethod::kHoltrop:
      t.headings = {"Speed kn", "Froude", "Friction kN", "1+k1", "Appendage kN", "Wave kN",
                    "Bulb kN", "Transom kN", "Correlation kN", "Total kN", force, "PE kW", "PE hp"};
      break;
    case ResistanceMethod::kSavitsky:
      t.headings = {"Speed kn", "Froude", "Trim deg", "Wetted length m", "Friction kN",
                    "Pressure kN", "Total kN", force, "PE kW", "PE hp"};
      break;
    case ResistanceMethod::kYacht:
      t.headings = {"Speed kn", "Froude", "Wave kN", "Friction kN", "Total kN", force, "PE kW",
                    "PE hp"};
      break;
  }
  for (const ResistanceRow& r : run.rows) {
    const bool v = r.valid;
    std::vector<std::string> row = {FormatFixed(r.speed, 0, 2), FormatFixed(r.froude, 0, 3)};
    switch (run.method) {
      case ResistanceMethod::kHoltrop:
        row.insert(row.end(), {Value(v, r.friction, 2), Value(v, r.formFactor, 3),
                               Value(v, r.appendage, 2), Value(v, r.wave, 2), Value(v, r.bulb, 2),
                               Value(v, r.transom, 2), Value(v, r.correlation, 2)});
        break;
      case ResistanceMethod::kSavitsky:
        row.insert(row.end(), {Value(v, r.trim, 2), Value(v, r.wettedLength, 2),
                               Value(v, r.friction, 2), Value(v, r.wave, 2)});
        break;
      case ResistanceMethod::kYacht:
        row.insert(row.end(), {Value(v, r.wave, 3), Value(v, r.friction, 3)});
        break;
    }
    row.insert(row.end(), {Value(v, r.total, 3), Value(v, ForceInDesignUnit(r.total, metric), 1),
                           Value(v, r.effectivePower, 1),
                           Value(v, Horsepower(r.effectivePower), 1)});
    t.rows.push_back(std::move(row));
  }
  return t;
}

std::string ResistanceReportText(const ResistanceRun& run, bool metric) {
  std::string text = "Resistance and Power: ";
  text += run.method == ResistanceMethod::kHoltrop    ? "Holtrop-Mennen"
          : run.method == ResistanceMethod::kSavitsky ? "Savitsky (planing)"
                                                      : "Yacht series";
  text += "\n\n";
  for (const ResistanceField& f : ResistanceFields()) {
    if (!UsedBy(f, run.method)) continue;
    text += std::string("  ") + f.caption + "  " + FormatFixed(run.inputs.*(f.value), 0, 4) +
            " " + f.unit + "\n";
  }
  text += std::string("  Water  ") + (run.inputs.water == Water::kSalt ? "salt" : "fresh") + "\n\n";
  for (const std::string& w : run.warnings) text += "Warning: " + w + "\n";
  if (!run.warnings.empty()) text += "\n";
  const ResistanceTable table = FormatResistanceTable(run, metric);
  std::vector<size_t> widths(table.headings.size(), 0);
  for (size_t c = 0; c < widths.size(); ++c) {
    widths[c] = table.headings[c].size();
    for (const auto& row : table.rows) widths[c] = std::max(widths[c], row[c].size());
  }
  auto line = [&](const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) {
      text += std::string(widths[c] + 2 - cells[c].size(), ' ') + cells[c];
    }
    text += "\n";
  };
  line(table.headings);
  for (const auto& row : table.rows) line(row);
  return text;
}

}  // namespace skelmora
