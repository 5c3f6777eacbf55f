#include "loading/weather.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "stability/heeled_section.h"

namespace skelmora {

namespace {

constexpr int kProfileStations = 400;
constexpr double kMostRollBackEnd = 50.0;

template <size_t N>
double Interpolated(const std::array<std::pair<double, double>, N>& table, double x) {
  if (x <= table.front().first) return table.front().second;
  for (size_t k = 1; k < N; ++k) {
    if (x <= table[k].first) {
      const double t = (x - table[k - 1].first) / (table[k].first - table[k - 1].first);
      return table[k - 1].second + t * (table[k].second - table[k - 1].second);
    }
  }
  return table.back().second;
}

// The height of the waterline on the profile at y, from the drafts.
double WaterZ(const FloatingHull& hull, const Equilibrium& e, double y) {
  const double span = e.yAft - e.yFore;
  const double t = span > 0.0 ? (y - e.yFore) / span : 0.5;
  return hull.keelZ + e.draftFore + t * (e.draftAft - e.draftFore);
}

double GzAt(const std::vector<GzPoint>& t, double heel) {
  for (size_t k = 1; k < t.size(); ++k) {
    if (heel <= t[k].heel) {
      const double span = t[k].heel - t[k - 1].heel;
      const double s = span > 0.0 ? (heel - t[k - 1].heel) / span : 1.0;
      return t[k - 1].gz + s * (t[k].gz - t[k - 1].gz);
    }
  }
  return t.back().gz;
}

// The first heel at or after from where GZ - lever changes sign in the
// direction asked (rising: from below to at or above it).
std::optional<double> Crossing(const std::vector<GzPoint>& t, double lever, double from,
                               bool rising) {
  double x0 = from, d0 = GzAt(t, from) - lever;
  if (rising ? d0 >= 0.0 : d0 <= 0.0) return from;
  for (const GzPoint& p : t) {
    if (p.heel <= from) continue;
    const double d1 = p.gz - lever;
    if (rising ? d1 >= 0.0 : d1 <= 0.0) return x0 + (p.heel - x0) * d0 / (d0 - d1);
    x0 = p.heel;
    d0 = d1;
  }
  return std::nullopt;
}

// The integral of GZ - lever between two heels inside the table, m.rad.
double Area(const std::vector<GzPoint>& t, double lever, double from, double to) {
  std::vector<GzPoint> points{{from, GzAt(t, from)}};
  for (const GzPoint& p : t) {
    if (p.heel > from && p.heel < to) points.push_back(p);
  }
  points.push_back({to, GzAt(t, to)});
  double area = 0.0;
  for (size_t k = 1; k < points.size(); ++k) {
    area += ((points[k].gz + points[k - 1].gz) / 2.0 - lever) *
            (points[k].heel - points[k - 1].heel) * kDegreesToRadians;
  }
  return area;
}

}  // namespace

Windage ComputeWindage(const FloatingHull& hull, const LoadingCondition& condition,
                       const Equilibrium& e) {
  // The profile's lowest and highest z at each station: the silhouette of
  // the hull seen from the side, cut by the waterline.
  const int n = kProfileStations;
  const double y0 = hull.yMin, dy = (hull.yMax - hull.yMin) / n;
  std::vector<double> low(n, 1e300), high(n, -1e300);
  if (dy > 0.0) {
    for (const Triangle& t : hull.soup) {
      const Vec3 v[3] = {t.a, t.b, t.c};
      const double ya = std::min({t.a.y, t.b.y, t.c.y}), yb = std::max({t.a.y, t.b.y, t.c.y});
      const int first = std::max(0, static_cast<int>(std::ceil((ya - y0) / dy - 0.5)));
      const int last = std::min(n - 1, static_cast<int>(std::floor((yb - y0) / dy - 0.5)));
      for (int i = first; i <= last; ++i) {
        const double y = y0 + (i + 0.5) * dy;
        for (int k = 0; k < 3; ++k) {
          const Vec3& p = v[k];
          const Vec3& q = v[(k + 1) % 3];
          if ((p.y - y) * (q.y - y) > 0.0 || p.y == q.y) continue;
          const double z = p.z + (q.z - p.z) * (y - p.y) / (q.y - p.y);
          low[i] = std::min(low[i], z);
          high[i] = std::max(high[i], z);
        }
      }
    }
  }
  Windage w;
  double above = 0.0, below = 0.0;
  for (int i = 0; i < n; ++i) {
    if (low[i] > high[i]) continue;
    const double water = WaterZ(hull, e, y0 + (i + 0.5) * dy);
    const double top = std::max(water, low[i]), bottom = std::min(water, high[i]);
    if (high[i] > top) {
      w.hullArea += (high[i] - top) * dy;
      above += (high[i] - top) * dy * 0.5 * (high[i] + top);
    }
    if (bottom > low[i]) {
      w.underwaterArea += (bottom - low[i]) * dy;
      below += (bottom - low[i]) * dy * 0.5 * (bottom + low[i]);
    }
  }
  w.area = w.hullArea;
  for (const WindageBlock& b : condition.windage) {
    w.area += b.area;
    above += b.area * b.height;
  }
  w.centre = w.area > 0.0 ? above / w.area : 0.0;
  w.underwaterCentre = w.underwaterArea > 0.0 ? below / w.underwaterArea : 0.0;
  w.height = w.area > 0.0 ? w.centre - w.underwaterCentre : 0.0;
  return w;
}

double WaterlineBreadth(const FloatingHull& hull, const Equilibrium& e) {
  const Attitude& a = e.attitude;
  const Vec3 up{-std::sin(a.heel) * std::cos(a.trim), -std::sin(a.trim),
                std::cos(a.heel) * std::cos(a.trim)};
  // Across the water's plane, square to the ship's length.
  Vec3 across = Cross(Vec3{0.0, 1.0, 0.0}, up);
  const double length = std::sqrt(Dot(across, across));
  if (length > 0.0) across = across * (1.0 / length);
  double least = 1e300, most = -1e300;
  for (const Triangle& t : hull.soup) {
    const Vec3 v[3] = {t.a, t.b, t.c};
    for (int k = 0; k < 3; ++k) {
      const double hp = Dot(up, v[k]) - a.level, hq = Dot(up, v[(k + 1) % 3]) - a.level;
      if (hp * hq > 0.0 || hp == hq) continue;
      const Vec3 p = v[k] + (v[(k + 1) % 3] - v[k]) * (hp / (hp - hq));
      least = std::min(least, Dot(across, p));
      most = std::max(most, Dot(across, p));
    }
  }
  return most > least ? most - least : 0.0;
}

double RollFactorX1(double breadthDraft) {
  static constexpr std::array<std::pair<double, double>, 11> kTable{{{2.4, 1.00},
                                                                     {2.5, 0.98},
                                                                     {2.6, 0.96},
                                                                     {2.7, 0.95},
                                                                     {2.8, 0.93},
                                                                     {2.9, 0.91},
                                                                     {3.0, 0.90},
                                                                     {3.1, 0.88},
                                                                     {3.2, 0.86},
                                                                     {3.4, 0.82},
                                                                     {3.5, 0.80}}};
  return Interpolated(kTable, breadthDraft);
}

double RollFactorX2(double cb) {
  static constexpr std::array<std::pair<double, double>, 6> kTable{
      {{0.45, 0.75}, {0.50, 0.82}, {0.55, 0.89}, {0.60, 0.95}, {0.65, 0.97}, {0.70, 1.00}}};
  return Interpolated(kTable, cb);
}

double RollFactorK(double keelPercent, bool sharpBilges) {
  if (sharpBilges) return 0.7;
  static constexpr std::array<std::pair<double, double>, 8> kTable{{{0.0, 1.00},
                                                                    {1.0, 0.98},
                                                                    {1.5, 0.95},
                                                                    {2.0, 0.88},
                                                                    {2.5, 0.79},
                                                                    {3.0, 0.74},
                                                                    {3.5, 0.72},
                                                                    {4.0, 0.70}}};
  return Interpolated(kTable, keelPercent);
}

double RollFactorS(double rollPeriod) {
  static constexpr std::array<std::pair<double, double>, 8> kTable{{{6.0, 0.100},
                                                                    {7.0, 0.098},
                                                                    {8.0, 0.093},
                                                                    {12.0, 0.065},
                                                                    {14.0, 0.053},
                                                                    {16.0, 0.044},
                                                                    {18.0, 0.038},
                                                                    {20.0, 0.035}}};
  return Interpolated(kTable, rollPeriod);
}

WeatherResult EvaluateWeather(const WeatherInputs& in) {
  WeatherResult w;
  const bool sized = in.displacement > 0.0 && in.draft > 0.0 && in.breadth > 0.0;
  if (sized) w.windLever = kWindPressure * in.windArea * in.windHeight / (1000.0 * kGravity * in.displacement);
  w.gustLever = 1.5 * w.windLever;
  w.breadthDraft = in.draft > 0.0 ? in.breadth / in.draft : 0.0;
  w.cb = in.cb;
  w.x1 = RollFactorX1(w.breadthDraft);
  w.x2 = RollFactorX2(in.cb);
  const double plan = in.waterlineLength * in.breadth;
  w.k = RollFactorK(plan > 0.0 ? 100.0 * in.bilgeKeelArea / plan : 0.0, in.sharpBilges);
  w.r = in.draft > 0.0 ? 0.73 + 0.6 * in.og / in.draft : 0.0;
  w.c = 0.373 + 0.023 * w.breadthDraft - 0.043 * in.waterlineLength / 100.0;
  if (in.deckImmersion) w.steadyHeelLimit = std::min(16.0, 0.8 * *in.deckImmersion);
  if (sized && in.gm > 0.0) {
    w.rollPeriod = 2.0 * w.c * in.breadth / std::sqrt(in.gm);
    w.s = RollFactorS(*w.rollPeriod);
    if (w.r * w.s >= 0.0) w.rollAngle = 109.0 * w.k * w.x1 * w.x2 * std::sqrt(w.r * w.s);
  }
  const std::vector<GzPoint>& t = in.table;
  if (sized && w.rollAngle && t.size() >= 2) {
    w.steadyHeel = Crossing(t, w.windLever, 0.0, true);
    if (w.steadyHeel) w.gustHeel = Crossing(t, w.gustLever, *w.steadyHeel, true);
    if (w.gustHeel) {
      w.secondCrossing = Crossing(t, w.gustLever, *w.gustHeel + 1e-9, false);
      double end = kMostRollBackEnd;
      if (in.downflooding) end = std::min(end, *in.downflooding);
      if (w.secondCrossing) end = std::min(end, *w.secondCrossing);
      // Past the table's reach the area b is not known.
      if (end <= t.back().heel) w.phi2 = end;
      const double back = *w.steadyHeel - *w.rollAngle;
      if (back >= t.front().heel) w.areaA = -Area(t, w.gustLever, back, *w.gustHeel);
      if (w.phi2) w.areaB = *w.phi2 > *w.gustHeel ? Area(t, w.gustLever, *w.gustHeel, *w.phi2) : 0.0;
    }
  }
  Criterion areas{"Weather: area b >= area a", w.areaB, w.areaA.value_or(0.0), "m.rad", false};
  areas.pass = w.areaA && w.areaB && *w.areaB >= *w.areaA;
  if (!w.areaA) areas.value.reset();
  Criterion heel{"Weather: steady heel at most", w.steadyHeel, w.steadyHeelLimit, "deg", false};
  heel.pass = w.steadyHeel && *w.steadyHeel <= w.steadyHeelLimit;
  w.criteria = {areas, heel};
  return w;
}

}  // namespace skelmora
