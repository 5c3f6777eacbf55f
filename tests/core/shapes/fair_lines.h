// Sampled cuts of the default stations, waterlines and buttocks, split at
// the surface's creases, and how often each changes the sign of its
// curvature: the fairness check of the generated hulls.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/design_session.h"
#include "surface/sections.h"

namespace skelmora::fairtest {

struct Point2 {
  double h, v;
};

// The parameter values where the surface has a crease: a chine is its
// column (or row) repeated as often as the degree in the working net, so
// the surface passes through it at the knot after the run; with degree 1
// every column is one.
inline std::vector<double> Creases(const Surface& s, bool alongU) {
  const WorkingNet& w = s.working;
  const int degree = alongU ? s.knots.degreeU : s.knots.degreeV;
  const int last = alongU ? w.lastColumn : w.lastRow;
  const int across = alongU ? w.lastRow : w.lastColumn;
  const float* knots = alongU ? s.knots.u.data() : s.knots.v.data();
  auto same = [&](int a, int b) {
    for (int k = 0; k <= across; ++k) {
      const Vertex& p = alongU ? w.net[a][k] : w.net[k][a];
      const Vertex& q = alongU ? w.net[b][k] : w.net[k][b];
      if (p.x != q.x || p.y != q.y || p.z != q.z) return false;
    }
    return true;
  };
  std::vector<double> creases;
  for (int i = 0; i + degree - 1 <= last; ++i) {
    bool run = true;
    for (int k = 1; k < degree && run; ++k) run = same(i, i + k);
    if (run) creases.push_back(knots[i + degree]);
  }
  return creases;
}

// Evenly spaced by arc length: grid noise at very short steps says nothing
// about the line's shape.
inline std::vector<Point2> Resample(const std::vector<Point2>& line, int count) {
  std::vector<double> at(line.size(), 0.0);
  for (size_t k = 1; k < line.size(); ++k) {
    at[k] = at[k - 1] + std::hypot(line[k].h - line[k - 1].h, line[k].v - line[k - 1].v);
  }
  std::vector<Point2> out;
  if (line.size() < 2 || at.back() <= 0.0) return out;
  size_t k = 1;
  for (int m = 0; m < count; ++m) {
    const double s = at.back() * m / (count - 1);
    while (k + 1 < line.size() && at[k] < s) ++k;
    const double span = at[k] - at[k - 1];
    const double f = span > 0.0 ? (s - at[k - 1]) / span : 0.0;
    out.push_back({line[k - 1].h + f * (line[k].h - line[k - 1].h),
                   line[k - 1].v + f * (line[k].v - line[k - 1].v)});
  }
  return out;
}

// Sign changes of the turning along the line, sampled at 40 even steps;
// turns below minDegrees count as straight, and the last 5 % at each end
// (where a line meets the stem, the transom or a chine) are left out.
inline int SignChanges(const std::vector<Point2>& line, double minDegrees = 0.25) {
  const std::vector<Point2> p = Resample(line, 41);
  int changes = 0, last = 0;
  for (size_t k = 3; k + 3 < p.size(); ++k) {
    const double ax = p[k].h - p[k - 1].h, ay = p[k].v - p[k - 1].v;
    const double bx = p[k + 1].h - p[k].h, by = p[k + 1].v - p[k].v;
    const double turn = std::atan2(ax * by - ay * bx, ax * bx + ay * by) * 180.0 / M_PI;
    if (std::fabs(turn) < minDegrees) continue;
    const int sign = turn > 0 ? 1 : -1;
    if (last != 0 && sign != last) ++changes;
    last = sign;
  }
  return changes;
}

enum class Cut { kStation, kWaterline, kButtock };

inline double Coordinate(const SurfacePoint& p, Cut cut) {
  return cut == Cut::kStation ? p.y : cut == Cut::kWaterline ? p.z : p.x;
}

// A cut point lies on a grid line, linearly interpolated between two grid
// points; near the stem a whole station may lie in one column of grid
// cells. The point is moved along its grid line onto the surface where it
// meets the plane exactly, so the check sees the surface, not the grid.
inline SurfacePoint OntoSurface(const Surface& s, const SurfacePoint& p, Cut cut, double c) {
  const double nu = s.columnDivisions, nv = s.rowDivisions;
  const bool onV = std::fabs(p.v * nv - std::round(p.v * nv)) < 1e-6;
  const bool onU = std::fabs(p.u * nu - std::round(p.u * nu)) < 1e-6;
  if (onU == onV) return p;  // a grid point, already on the surface
  const double n = onV ? nu : nv;
  const double t = onV ? p.u : p.v;
  double lo = std::floor(t * n) / n, hi = std::min(1.0, lo + 1.0 / n);
  auto at = [&](double x) {
    return onV ? EvaluateSurfacePoint(s, x, p.v) : EvaluateSurfacePoint(s, p.u, x);
  };
  double flo = Coordinate(at(lo), cut) - c;
  if ((flo > 0) == (Coordinate(at(hi), cut) - c > 0)) return p;
  for (int k = 0; k < 50; ++k) {
    const double mid = 0.5 * (lo + hi);
    const double fm = Coordinate(at(mid), cut) - c;
    if ((fm > 0) == (flo > 0)) {
      lo = mid, flo = fm;
    } else {
      hi = mid;
    }
  }
  return at(0.5 * (lo + hi));
}

struct LineReport {
  Cut cut;
  double at;
  int changes;
};

// Every default station, waterline and buttock of the session's design,
// each piece between creases checked on its own; returns the worst piece of
// each line.
inline std::vector<LineReport> FairnessOf(DesignSession& session) {
  HullDesign& d = session.design;
  Surface& s = *session.surface;
  CutBuffers& cuts = *session.cuts;
  session.Regenerate(Change::kExtents);
  const std::vector<double> uCreases = Creases(s, true);
  const std::vector<double> vCreases = Creases(s, false);
  auto crosses = [](const std::vector<double>& creases, double a, double b) {
    const double lo = std::min(a, b) - 1e-6, hi = std::max(a, b) + 1e-6;
    return std::any_of(creases.begin(), creases.end(),
                       [&](double c) { return c >= lo && c <= hi; });
  };
  std::vector<LineReport> reports;
  auto check = [&](Cut cut, double at, const SurfacePoint* points, int first, int last) {
    int worst = 0;
    std::vector<Point2> piece;
    auto flush = [&] {
      if (piece.size() >= 5) worst = std::max(worst, SignChanges(piece));
      piece.clear();
    };
    for (int m = first; m <= last; ++m) {
      const SurfacePoint q = OntoSurface(s, points[m], cut, at);
      if (m > first && (crosses(uCreases, points[m - 1].u, q.u) ||
                        crosses(vCreases, points[m - 1].v, q.v))) {
        flush();
      }
      switch (cut) {
        case Cut::kStation: piece.push_back({q.x, q.z}); break;
        case Cut::kWaterline: piece.push_back({q.y, q.x}); break;
        case Cut::kButtock: piece.push_back({q.y, q.z}); break;
      }
    }
    flush();
    reports.push_back({cut, at, worst});
  };
  const SectionPlacement stations = StationPositions(d, s, cuts);
  for (int n = 1; n <= stations.count; ++n) {
    const CutResult r = CutStation(d, s, cuts, stations.At(n));
    if (r.last > 0) check(Cut::kStation, stations.At(n), cuts.section.data(), 0, r.last);
  }
  const SectionPlacement waterlines = WaterlinePositions(d, s);
  for (int n = 1; n <= waterlines.count; ++n) {
    CutWaterline(d, s, cuts, waterlines.At(n));
    int begin = 0;
    for (int piece = 0; piece < cuts.pieceCount; ++piece) {
      const int end = cuts.pieceEnds[piece] - 1;
      if (end > begin) check(Cut::kWaterline, waterlines.At(n), cuts.section.data(), begin, end);
      begin = end + 1;
    }
  }
  const SectionPlacement buttocks = ButtockPositions(d, s);
  for (int n = 1; n <= buttocks.count; ++n) {
    const CutResult r = CutButtock(d, s, cuts, buttocks.At(n));
    if (r.last > 0) check(Cut::kButtock, buttocks.At(n), cuts.section.data(), 0, r.last);
  }
  return reports;
}

inline std::string Describe(const LineReport& r) {
  const char* names[] = {"station", "waterline", "buttock"};
  return std::string(names[static_cast<int>(r.cut)]) + " at " + std::to_string(r.at) + ": " +
         std::to_string(r.changes) + " sign changes";
}

}  // namespace skelmora::fairtest
