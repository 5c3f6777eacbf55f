#include "stability/criteria.h"

#include <algorithm>

#include "files/text_io.h"
#include "stability/fixed_text.h"

namespace skelmora {

namespace {

// GZ at a heel inside the table, linear between its points.
double GzAt(const std::vector<GzPoint>& t, double heel) {
  for (size_t k = 1; k < t.size(); ++k) {
    if (heel <= t[k].heel) {
      const double span = t[k].heel - t[k - 1].heel;
      if (span <= 0.0) return t[k].gz;
      const double s = (heel - t[k - 1].heel) / span;
      return t[k - 1].gz + s * (t[k].gz - t[k - 1].gz);
    }
  }
  return t.back().gz;
}

// The area under the piecewise-linear GZ between two heels, metre-radians.
double AreaBetween(const std::vector<GzPoint>& t, double from, double to) {
  std::vector<GzPoint> points{{from, GzAt(t, from)}};
  for (const GzPoint& p : t) {
    if (p.heel > from && p.heel < to) points.push_back(p);
  }
  points.push_back({to, GzAt(t, to)});
  double area = 0.0;
  for (size_t k = 1; k < points.size(); ++k) {
    area += (points[k].gz + points[k - 1].gz) / 2.0 *
            (points[k].heel - points[k - 1].heel) * kDegreesToRadians;
  }
  return area;
}

// What a criterion needs of the run: judged, or why not.
struct Reach {
  bool judged = true;
  const char* note = "";
};

Criterion Make(const char* name, std::optional<double> value, double required, const char* unit,
               const char* note) {
  if (!value) return Criterion{name, std::nullopt, required, unit, false, note};
  return Criterion{name, value, required, unit, *value >= required, ""};
}

}  // namespace

std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        std::optional<double> downflooding) {
  return EvaluateCriteria(table, initialGm, {}, downflooding);
}

std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        const std::vector<double>& notFound,
                                        std::optional<double> downflooding) {
  // The run reached `end`; heels it did not find may lie anywhere in it.
  double end = table.empty() ? 0.0 : table.back().heel;
  for (const double heel : notFound) end = std::max(end, heel);
  auto over = [&](double from, double to) -> Reach {
    if (table.empty()) return {false, kNotEnoughRange};
    for (const double heel : notFound) {
      if (heel >= from && heel <= to) return {false, kHeelNotFound};
    }
    if (table.back().heel < to) return {false, kNotEnoughRange};
    return {};
  };
  // Water coming in below 40 degrees ends the areas that run to 40 there.
  const bool flooded = downflooding && *downflooding < 40.0;
  const double areaEnd = flooded ? *downflooding : 40.0;
  const std::string endName =
      flooded ? "phiF " + FormatFixed(areaEnd, 1, 1) : std::string("40 deg");
  const std::string to40 = "Area under GZ 0 to " + endName;
  const std::string from30 = "Area under GZ 30 to " + endName;
  std::vector<Criterion> criteria;
  auto add = [&](const std::string& name, Reach reach, auto compute, double required,
                 const char* unit) {
    criteria.push_back(Make(name.c_str(),
                            reach.judged ? std::optional<double>(compute()) : std::nullopt,
                            required, unit, reach.note));
  };
  add("Area under GZ 0 to 30 deg", over(0.0, 30.0), [&] { return AreaBetween(table, 0.0, 30.0); },
      0.055, "m.rad");
  add(to40, over(0.0, areaEnd), [&] { return AreaBetween(table, 0.0, areaEnd); }, 0.090,
      "m.rad");
  add(from30, over(std::min(30.0, areaEnd), areaEnd),
      [&] { return areaEnd > 30.0 ? AreaBetween(table, 30.0, areaEnd) : 0.0; }, 0.030, "m.rad");
  add("GZ at 30 deg or more", over(30.0, std::max(end, 30.0)), [&] {
        double largest = GzAt(table, 30.0);
        for (const GzPoint& p : table) {
          if (p.heel >= 30.0) largest = std::max(largest, p.gz);
        }
        return largest;
      },
      0.20, "m");
  // The largest GZ's heel; at the run's last heel the curve may still be
  // rising, so this run cannot tell where the maximum lies.
  Reach peakReach = over(0.0, end);
  size_t best = 0;
  for (size_t k = 1; k < table.size(); ++k) {
    if (table[k].gz > table[best].gz) best = k;
  }
  if (peakReach.judged && best + 1 == table.size()) peakReach = {false, kPeakAtRunEnd};
  add("Angle of maximum GZ", peakReach, [&] { return table[best].heel; }, 25.0, "deg");
  add("Initial GM", table.empty() ? Reach{false, kNotEnoughRange} : Reach{},
      [&] { return initialGm; }, 0.15, "m");
  return criteria;
}

std::vector<Criterion> EvaluateCriteria(const StabilityRun& run, int32_t units) {
  const double metres = FactorsFor(units).metric ? 0.001 : 0.0254;
  std::vector<GzPoint> table;
  for (const StabilityRow& row : run.rows) {
    if (row.found) table.push_back({row.heel, row.gz * metres});
  }
  return EvaluateCriteria(table, run.rows.empty() ? 0.0 : run.rows.front().gmt * metres,
                          run.NotFound());
}

bool AllCriteriaPass(const std::vector<Criterion>& criteria) {
  return std::all_of(criteria.begin(), criteria.end(), [](const Criterion& c) { return c.pass; });
}

std::string FormatCriteria(const std::vector<Criterion>& criteria) {
  auto pad = [](std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
  };
  std::string out = std::string(kCriteriaTitle) + "\r\n";
  out += pad("Criterion", 30) + pad("      Value", 18) + "Required  Unit    Result\r\n";
  for (const Criterion& c : criteria) {
    const std::string value = c.value ? StabilityFixed(*c.value, 11, 3) : c.note;
    out += pad(c.name, 30) + pad(value, 18) + StabilityFixed(c.required, 8, 3) + "  " +
           pad(c.unit, 8) + (c.pass ? "pass" : "fail") + "\r\n";
  }
  return out;
}

}  // namespace skelmora
