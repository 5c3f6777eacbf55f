#include "curves/hydrostatic_curves.h"

#include <cmath>
#include <memory>

#include "files/text_io.h"
#include "hydro/draft_search.h"
#include "hydro/waterplane.h"
#include "model/net_edit.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

std::string Number(double value) { return FormatEcho(value, 3); }

}  // namespace

std::optional<std::vector<double>> DraftSeries(double from, double to, double step,
                                               std::string& message) {
  if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
    message = "The drafts must be numbers";
    return std::nullopt;
  }
  if (!(step > 0.0)) {
    message = "The draft step must be positive";
    return std::nullopt;
  }
  if (to < from) {
    message = "The last draft " + Number(to) + " is below the first " + Number(from);
    return std::nullopt;
  }
  // A hair of slack so that 0:1:0.1 reaches 1 despite the binary tenths.
  const double count = std::floor((to - from) / step + 1e-9);
  if (count + 1.0 > kMaxCurveDrafts) {
    message = "Too many drafts: at most " + std::to_string(kMaxCurveDrafts);
    return std::nullopt;
  }
  std::vector<double> drafts;
  for (int k = 0; k <= static_cast<int>(count); ++k) drafts.push_back(from + k * step);
  return drafts;
}

void KeelHeights(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                 const HydrostaticResults& r, CurveRow& row) {
  const double length = FactorsFor(design.Units).length;
  const double draft = std::fabs(r.lowestZ) * length;
  row.kb = row.kmt = row.kml = 0.0;
  if (!(r.volume > 0.0)) return;
  row.kb = draft - r.vcb;
  row.kmt = row.kml = row.kb;
  if (const auto w = WaterplaneOf(design, surface, cuts)) {
    const double toFourth = length * length * length * length;  // model units^4 to ft^4 / m^4
    row.kmt += w->transverse * toFourth / r.volume;
    row.kml += w->longitudinal * toFourth / r.volume;
  }
}

bool ComputeHydrostaticCurves(HullDesign& design, Surface& surface, CutBuffers& cuts,
                              const std::vector<double>& drafts, Prompter& prompter,
                              std::vector<CurveRow>& rows, std::string& message) {
  rows.clear();
  // Deeper by d lowers the hull by d: it must stay wet and not go under.
  const double lowest = surface.extents.lowestZ;
  // Past the lowest point of the deck edge the upright waterline no longer
  // runs the hull's length, so the hydrostatics would mean nothing.
  const double highest = GridLowestTop(surface);
  // The grid's extremes carry rounding: a keel or top met to within a
  // millionth of the height counts as met.
  const double slack = 1e-6 * (highest - lowest);
  for (const double d : drafts) {
    if (!(d > lowest + slack && d < highest - slack)) {
      message = "The draft change " + Number(d) +
                " is outside the hull: changes must lie between " + Number(lowest) +
                " (the keel) and " + Number(highest) + " (the deck edge goes under)";
      return false;
    }
  }
  // Each draft starts from the design as found, so no rounding accumulates,
  // and the copies bring back every slot a run writes.
  const auto savedDesign = std::make_unique<HullDesign>(design);
  const auto savedSurface = std::make_unique<Surface>(surface);
  auto restore = [&] {
    design = *savedDesign;
    surface = *savedSurface;
  };
  for (const double d : drafts) {
    restore();
    if (d != 0.0) {
      if (!RaiseHull(design, surface, -d)) {
        restore();
        rows.clear();
        message = kNetOverflowMessage;
        return false;
      }
      RecomputeExtents(design, surface);
    }
    CurveRow row;
    row.draft = d;
    if (!ComputeHydrostatics(design, surface, cuts, row.results, prompter)) {
      restore();
      rows.clear();
      message = "The hydrostatics failed at the draft change " + Number(d);
      return false;
    }
    KeelHeights(design, surface, cuts, row.results, row);
    rows.push_back(row);
  }
  restore();
  return true;
}

std::vector<ResultField> CurveRowFields(const CurveRow& row, int32_t units) {
  const bool m = FactorsFor(units).metric;
  std::vector<ResultField> fields{{"draft", row.draft, m ? "mm" : "in"}};
  for (const ResultField& f : HydrostaticFields(row.results, units)) fields.push_back(f);
  const std::string length = m ? "m" : "ft";
  fields.push_back({"kb", row.kb, length});
  fields.push_back({"kmt", row.kmt, length});
  fields.push_back({"kml", row.kml, length});
  return fields;
}

const std::vector<CurveColumn>& CurveTableColumns() {
  static const std::vector<CurveColumn> columns{
      {"draft", "Draft"},          {"displacementSaltwater", "Displ"},
      {"immersion", "TPI/TPcm"},   {"momentToTrim", "MCT"},
      {"kb", "KB"},                {"kmt", "KMt"},
      {"kml", "KMl"},              {"lcb", "LCB"},
      {"lcf", "LCF"},              {"waterplaneArea", "WPA"},
      {"wettedArea", "Wetted"},    {"cb", "Cb"},
      {"cp", "Cp"},                {"cw", "Cw"},
  };
  return columns;
}

std::vector<std::string> CurveRowCells(const CurveRow& row, int32_t units) {
  const std::vector<ResultField> fields = CurveRowFields(row, units);
  std::vector<std::string> cells;
  for (const CurveColumn& column : CurveTableColumns()) {
    for (const ResultField& f : fields) {
      if (f.name != std::string(column.name)) continue;
      cells.push_back(FormatFixed(CleanNumber(f.value), 0, f.unit == "none" ? 4 : 3));
    }
  }
  return cells;
}

std::vector<std::string> CurveColumnUnits(int32_t units) {
  const std::vector<ResultField> fields = CurveRowFields(CurveRow{}, units);
  std::vector<std::string> result;
  for (const CurveColumn& column : CurveTableColumns()) {
    for (const ResultField& f : fields) {
      if (f.name == std::string(column.name)) result.push_back(f.unit == "none" ? "" : f.unit);
    }
  }
  return result;
}

std::string FormatCurveRows(const std::vector<CurveRow>& rows, int32_t units,
                            const std::string& designFileName) {
  constexpr std::size_t kWidth = 11;
  auto pad = [](std::string text) {
    if (text.size() < kWidth) text.insert(0, kWidth - text.size(), ' ');
    text.insert(0, 1, ' ');
    return text;
  };
  std::string headings, unitLine;
  for (const CurveColumn& column : CurveTableColumns()) headings += pad(column.heading);
  for (const std::string& unit : CurveColumnUnits(units)) unitLine += pad(unit);
  std::string text = "Hydrostatic Curves " + designFileName + "\n" + headings + "\n" +
                     unitLine + "\n";
  for (const CurveRow& row : rows) {
    for (const std::string& cell : CurveRowCells(row, units)) text += pad(cell);
    text += "\n";
  }
  return text;
}

}  // namespace skelmora
