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

Criterion Make(const char* name, std::optional<double> value, double required, const char* unit) {
  return Criterion{name, value, required, unit, value.has_value() && *value >= required};
}

}  // namespace

std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm) {
  return EvaluateCriteria(table, initialGm, std::nullopt);
}

std::vector<Criterion> EvaluateCriteria(const std::vector<GzPoint>& table, double initialGm,
                                        std::optional<double> downflooding) {
  const bool flooded = downflooding && *downflooding < 40.0;
  const double end = flooded ? *downflooding : 40.0;
  const std::string endName = flooded ? "phiF " + FormatFixed(end, 1, 1) : std::string("40 deg");
  const std::string to40 = "Area under GZ 0 to " + endName;
  const std::string from30 = "Area under GZ 30 to " + endName;
  const double reach = table.empty() ? 0.0 : table.back().heel;
  auto upTo = [&](double heel, auto compute) -> std::optional<double> {
    if (table.empty() || reach < heel) return std::nullopt;
    return compute();
  };
  std::vector<Criterion> criteria;
  criteria.push_back(Make("Area under GZ 0 to 30 deg",
                          upTo(30.0, [&] { return AreaBetween(table, 0.0, 30.0); }), 0.055,
                          "m.rad"));
  criteria.push_back(Make(to40.c_str(),
                          upTo(end, [&] { return AreaBetween(table, 0.0, end); }), 0.090,
                          "m.rad"));
  criteria.push_back(Make(from30.c_str(), upTo(end, [&] {
                            return end > 30.0 ? AreaBetween(table, 30.0, end) : 0.0;
                          }),
                          0.030, "m.rad"));
  criteria.push_back(Make("GZ at 30 deg or more", upTo(30.0, [&] {
                            double largest = GzAt(table, 30.0);
                            for (const GzPoint& p : table) {
                              if (p.heel >= 30.0) largest = std::max(largest, p.gz);
                            }
                            return largest;
                          }),
                          0.20, "m"));
  // The largest GZ's heel; when it is the last point the curve may still be
  // rising, which settles the criterion only once the run has passed 25.
  std::optional<double> peak;
  if (!table.empty()) {
    size_t best = 0;
    for (size_t k = 1; k < table.size(); ++k) {
      if (table[k].gz > table[best].gz) best = k;
    }
    if (best + 1 < table.size() || table[best].heel >= 25.0) peak = table[best].heel;
  }
  criteria.push_back(Make("Angle of maximum GZ", peak, 25.0, "deg"));
  criteria.push_back(Make("Initial GM", table.empty() ? std::nullopt : std::optional(initialGm),
                          0.15, "m"));
  return criteria;
}

std::vector<Criterion> EvaluateCriteria(const StabilityRun& run, int32_t units) {
  const double metres = FactorsFor(units).metric ? 0.001 : 0.0254;
  std::vector<GzPoint> table;
  for (const StabilityRow& row : run.rows) table.push_back({row.heel, row.gz * metres});
  return EvaluateCriteria(table, run.rows.empty() ? 0.0 : run.rows.front().gmt * metres);
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
    const std::string value = c.value ? StabilityFixed(*c.value, 11, 3) : std::string(kNotEnoughRange);
    out += pad(c.name, 30) + pad(value, 18) + StabilityFixed(c.required, 8, 3) + "  " +
           pad(c.unit, 8) + (c.pass ? "pass" : "fail") + "\r\n";
  }
  return out;
}

}  // namespace skelmora
