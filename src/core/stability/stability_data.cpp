#include "stability/stability_data.h"

#include <algorithm>
#include <optional>

#include "files/text_io.h"
#include "stability/fixed_text.h"

namespace skelmora {

namespace {

struct Column {
  int width;
  int decimals;
};
constexpr Column kFirstTable[] = {{6, 2}, {9, 1}, {8, 2}, {8, 3}, {8, 3}, {10, 3},
                                  {10, 3}, {10, 3}, {8, 3}, {8, 3}, {8, 3}, {8, 3},
                                  {8, 3}, {8, 3}, {8, 3}, {8, 3}, {8, 3}, {8, 3}};
constexpr const char* kSecondTableGaps[] = {"   ", "   ", "    ", "    ", "    "};

// The first table's values of a row, Ang aside, in feet / metres.
std::vector<double> FirstTableValues(const StabilityRow& row, int32_t units) {
  const UnitFactors f = FactorsFor(units);
  const double cl = f.length, ca = cl * cl;
  return {TableDisplacement(row.volume, units), row.trim, row.lwl * cl, row.draft * cl,
          row.bmwl * cl, row.waterplane * ca, row.wettedSurface * ca, row.cp, row.cb, row.cw,
          row.lcb * cl, row.vcb * cl, row.tcb * cl, row.lcf * cl, row.vcgx * cl, row.vcgz * cl,
          row.lcg * cl};
}

std::vector<double> SecondTableValues(const StabilityRow& row, int32_t units) {
  const double cl = FactorsFor(units).length;
  return {row.bmt * cl, row.gmt * cl, row.bml * cl, row.gml * cl, row.gz * cl};
}

}  // namespace

double TableDisplacement(double volume, int32_t units, std::string* unit) {
  const bool metric = FactorsFor(units).metric;
  double weight = metric ? volume * 1.0251922e-6 : volume * 0.03704;
  const bool heavy = weight > 99000.0;
  if (heavy) weight = metric ? weight * 0.001 : weight / 2240.0;
  if (unit) *unit = metric ? (heavy ? "t" : "kg") : (heavy ? "ton" : "lb");
  return weight;
}

std::string FormatStabilityData(const StabilityRun& run, const std::string& designFileName,
                                int32_t units) {
  const bool metric = FactorsFor(units).metric;
  const double cl = FactorsFor(units).length;
  LineWriter out;
  out.Line("SKELMORA V7 Hydrostatics Analysis For..." + designFileName + "...");
  out.EndLine();
  out.Line(metric ? "Units are Kg & Meters or 1000*Kg & Meters" : "Units are Pounds or Tons & Feet");
  out.Line(std::string(78, '*'));
  out.Line(kStabilityHeading);
  out.Line(std::string(78, '_'));
  for (size_t p = 0; p < run.rows.size(); ++p) {
    // The angle column counts steps, the last row's too.
    std::string line = StabilityFixed(run.heel.step * static_cast<double>(p), 6, 2);
    if (!run.rows[p].found) {
      out.Line(line + "  " + kRowNotFound + " (the displacement search missed by " +
               FormatFixed(std::min(run.rows[p].missedBy, 1.0) * 100.0, 0, 1) + " %)");
      continue;
    }
    const std::vector<double> values = FirstTableValues(run.rows[p], units);
    for (size_t c = 0; c < values.size(); ++c) {
      line += ' ';
      line += StabilityCell(values[c], kFirstTable[c + 1].width, kFirstTable[c + 1].decimals);
    }
    out.Line(line);
  }
  if (!run.ok) return out.Take();

  out.EndLine();
  out.Line("LCG of Hull Alone=" + StabilityCell(run.lcgHullAlone * cl, 6, 3) +
           " Overall LCG with Ballast=" + StabilityCell(run.lcgOverall * cl, 6, 2));
  out.EndLine();
  out.EndLine();
  out.Line(std::string("SKELMORA V7 Stability Analysis in ") + (metric ? "Meters" : "Feet"));
  out.Line(std::string(67, '_'));
  out.Line(kMetacentricHeading);
  for (const StabilityRow& row : run.rows) {
    std::string line = StabilityFixed(row.heel, 6, 3);
    if (!row.found) {
      out.Line(line + "   " + kRowNotFound);
      continue;
    }
    const std::vector<double> values = SecondTableValues(row, units);
    for (size_t c = 0; c < values.size(); ++c) {
      line += kSecondTableGaps[c];
      line += StabilityCell(values[c], 6, 3);
    }
    out.Line(line);
  }
  if (run.maxPositiveStability) {
    out.Line(" Max Pos Stab @ " + StabilityFixed(*run.maxPositiveStability, 6, 3) + " ");
  } else {
    out.Line(" " + StabilityFixed(0.0, 6, 3) + " ");
  }
  if (run.ballastVolume != 0.0) {
    const double back = metric ? 1.0251922e-6 : 0.03703704;
    for (size_t k = 0; k < run.ballast.size(); ++k) {
      const BallastItem& item = run.ballast[k];
      if (item.weight == 0.0) continue;
      out.Line(std::to_string(k + 1) + " Ballast=" + StabilityCell(item.weight * back, 6, 3) +
               " Ballast beam=" + StabilityCell(item.beam, 6, 3) +
               " Ballast +/-LWL=" + StabilityCell(item.height, 6, 3) +
               " Ballast Aft Bow=" + StabilityCell(item.aftBow, 6, 3));
    }
  }
  return out.Take();
}

std::vector<std::pair<std::string, double>> StabilityRowValues(const StabilityRun& run,
                                                               size_t p, int32_t units) {
  static const char* const kNames[] = {"disp", "trim", "lwl", "draft", "bmwl", "wpln",
                                       "wsurf", "cp", "cb", "cw", "lcb", "vcb",
                                       "tcb", "lcf", "vcgx", "vcgz", "lcg"};
  static const char* const kSecondNames[] = {"bmt", "gmt", "bml", "gml", "gz"};
  std::vector<std::pair<std::string, double>> values;
  if (p >= run.rows.size()) return values;
  const StabilityRow& row = run.rows[p];
  values.emplace_back("ang", CleanNumber(row.heel));
  if (!row.found) return values;
  const std::vector<double> first = FirstTableValues(row, units);
  for (size_t c = 0; c < first.size(); ++c) values.emplace_back(kNames[c], CleanNumber(first[c]));
  const std::vector<double> second = SecondTableValues(row, units);
  for (size_t c = 0; c < second.size(); ++c) {
    values.emplace_back(kSecondNames[c], CleanNumber(second[c]));
  }
  return values;
}

StabilityTables ReadStabilityTables(std::string_view text, int rowCount) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) lines.push_back(line);

  StabilityTables tables;
  // The title line names the design, whose name may hold either word.
  auto find = [&](std::string_view word) {
    for (size_t k = 1; k < lines.size(); ++k) {
      if (lines[k].find(word) != std::string_view::npos) return static_cast<long>(k);
    }
    return -1L;
  };
  auto read = [&](long start, std::vector<std::vector<double>>& rows, bool listNotFound) {
    for (long k = start; k < start + rowCount && k < static_cast<long>(lines.size()); ++k) {
      TokenLine tokens(lines[static_cast<size_t>(k)]);
      std::vector<double> values;
      while (!tokens.Empty()) {
        const std::string_view token = tokens.Token();
        const std::optional<double> value = TryParseReal(token);
        if (values.size() == 1 && !value) {
          // A step not found: its angle alone.
          if (listNotFound) tables.notFound.push_back(values[0]);
          break;
        }
        values.push_back(value.value_or(0.0));
      }
      rows.push_back(std::move(values));
    }
  };
  const long second = find("Bmt");
  tables.hasSecondTable = second >= 0;
  if (!tables.hasSecondTable) return tables;
  const long first = find("Ang");
  if (first >= 0) read(first + 2, tables.first, false);
  read(second + 1, tables.second, true);
  return tables;
}

}  // namespace skelmora
