#include "surface/sections.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

namespace {

// Stations are traced 1e-6 forward of the asked position, off grid points
// that lie exactly on it (a flat transom, a column of vertices).
constexpr double kStationShift = 1e-6;
constexpr int kRefineEvaluations = 51;
constexpr int kWaterlineRefineEvaluations = 31;
constexpr int kCountLimit = 30000;

using SectionArray = std::array<SurfacePoint, kSectionCapacity>;

enum class Axis { kX, kY, kZ };

// Quad edges by their corners; corner 1 = [i][j], 2 = [i+1][j],
// 3 = [i+1][j+1], 4 = [i][j+1].
enum Edge : int { k12 = 0, k23 = 1, k34 = 2, k41 = 3 };

constexpr Edge kExitOrder[] = {k12, k23, k34, k41};
constexpr Edge kSearchOrder[] = {k12, k41, k23, k34};

// Which crossing test an edge is put to. The start tests include one end
// and exclude the other so that a plane through a grid point is found on one
// edge only; which end is included differs between the searches.
enum class Test {
  kStart,        // first-named corner included
  kBorderStart,  // waterline border search: higher i (12, 34) or higher j (41, 23) included
  kMarch,        // both ends included
  kLoopMarch,    // closed waterline loop: corner 1, 3, 4, 1 of 12, 23, 34, 41 excluded
};

struct QuadEdge {
  int i = 0;
  int j = 0;
  Edge edge = k12;
};

double Coordinate(const SurfacePoint& point, Axis axis) {
  switch (axis) {
    case Axis::kX:
      return point.x;
    case Axis::kY:
      return point.y;
    case Axis::kZ:
      break;
  }
  return point.z;
}

void SetCoordinate(SurfacePoint& point, Axis axis, double value) {
  switch (axis) {
    case Axis::kX:
      point.x = value;
      return;
    case Axis::kY:
      point.y = value;
      return;
    case Axis::kZ:
      point.z = value;
      return;
  }
}

bool HalfOpen(double included, double excluded, double c) {
  return (included <= c && c < excluded) || (excluded < c && c <= included);
}

bool Between(double a, double b, double c) { return (a <= c && c <= b) || (b <= c && c <= a); }

// c strictly above or strictly below both ends.
bool Misses(double a, double b, double c) { return (c > a && c > b) || (c < a && c < b); }

struct Cut {
  const Surface& surface;
  Axis axis;
  double plane;
  double accuracy;
  int nu;  // quads along u
  int nv;  // quads along v
  bool waterline;

  Cut(const HullDesign& design, const Surface& s, Axis a, double c, bool isWaterline)
      : surface(s),
        axis(a),
        plane(c),
        accuracy(design.SurfaceAccuracy),
        nu(std::clamp(s.columnDivisions, 0, kMaxDivisions)),
        nv(std::clamp(s.rowDivisions, 0, kMaxDivisions)),
        waterline(isWaterline) {}

  double Value(int i, int j) const { return Coordinate(surface.grid[i][j], axis); }

  bool Inside(int i, int j) const { return i >= 0 && i < nu && j >= 0 && j < nv; }

  bool Crosses(int i, int j, Edge edge, Test test) const {
    const double v1 = Value(i, j);
    const double v2 = Value(i + 1, j);
    const double v3 = Value(i + 1, j + 1);
    const double v4 = Value(i, j + 1);
    double first = 0.0, second = 0.0;  // the edge's corners in the order of its name
    switch (edge) {
      case k12:
        first = v1;
        second = v2;
        break;
      case k23:
        first = v2;
        second = v3;
        break;
      case k34:
        first = v3;
        second = v4;
        break;
      case k41:
        first = v4;
        second = v1;
        break;
    }
    switch (test) {
      case Test::kStart:
        return HalfOpen(first, second, plane);
      case Test::kBorderStart:
        if (edge == k12 || edge == k23) return HalfOpen(second, first, plane);
        return HalfOpen(first, second, plane);
      case Test::kMarch:
        return Between(first, second, plane);
      case Test::kLoopMarch:
        if (edge == k12) return HalfOpen(second, first, plane);
        return HalfOpen(first, second, plane);
    }
    return false;
  }

  // Bisection along one parameter; d is the sign of the coordinate's change
  // from lo to hi. Keeps the last evaluation, with the cut coordinate set to
  // the plane.
  SurfacePoint Bisect(bool alongU, double fixed, double lo, double hi, double d, int limit) const {
    SurfacePoint point;
    IsoParameterCurve edge(surface, alongU, fixed);
    for (int n = 0; n < limit; ++n) {
      const double mid = 0.5 * (lo + hi);
      point = edge.At(mid);
      const double value = Coordinate(point, axis);
      if (d >= 0) {
        if (value > plane) {
          hi = mid;
        } else {
          lo = mid;
        }
      } else {
        if (value >= plane) {
          lo = mid;
        } else {
          hi = mid;
        }
      }
      if (std::fabs(plane - value) < accuracy) break;
    }
    SetCoordinate(point, axis, plane);
    return point;
  }

  // Station and buttock crossings: the parameters come from the quad indices.
  SurfacePoint RefineOnIndices(int i, int j, Edge edge) const {
    const double u0 = static_cast<double>(i) / nu;
    const double u1 = static_cast<double>(i + 1) / nu;
    const double v0 = static_cast<double>(j) / nv;
    const double v1 = static_cast<double>(j + 1) / nv;
    switch (edge) {
      case k12:
        return Bisect(true, v0, u0, u1, Value(i + 1, j) - Value(i, j), kRefineEvaluations);
      case k34:
        return Bisect(true, v1, u0, u1, Value(i + 1, j + 1) - Value(i, j + 1), kRefineEvaluations);
      case k41:
        return Bisect(false, u0, v0, v1, Value(i, j + 1) - Value(i, j), kRefineEvaluations);
      case k23:
        break;
    }
    return Bisect(false, u1, v0, v1, Value(i + 1, j + 1) - Value(i + 1, j), kRefineEvaluations);
  }

  // Waterline crossings: the parameters come from the grid points, and a
  // lower or forward edge the plane does not reach hands over to the
  // opposite edge of the quad.
  SurfacePoint RefineWaterline(int i, int j, Edge edge) const {
    const SurfacePoint& p1 = surface.grid[i][j];
    const SurfacePoint& p2 = surface.grid[i + 1][j];
    const SurfacePoint& p3 = surface.grid[i + 1][j + 1];
    const SurfacePoint& p4 = surface.grid[i][j + 1];
    const int limit = kWaterlineRefineEvaluations;
    switch (edge) {
      case k12:
        if (!Misses(p1.z, p2.z, plane)) return Bisect(true, p1.v, p1.u, p2.u, p2.z - p1.z, limit);
        if (!Misses(p4.z, p3.z, plane)) return Bisect(true, p4.v, p4.u, p3.u, p3.z - p4.z, limit);
        return Bisect(true, p1.v, p4.u, p3.u, p3.z - p4.z, limit);
      case k34:
        return Bisect(true, p4.v, p4.u, p3.u, p3.z - p4.z, limit);
      case k41:
        if (!Misses(p1.z, p4.z, plane)) return Bisect(false, p1.u, p1.v, p4.v, p4.z - p1.z, limit);
        if (!Misses(p2.z, p3.z, plane)) return Bisect(false, p2.u, p2.v, p3.v, p3.z - p2.z, limit);
        return Bisect(false, p1.u, p2.v, p3.v, p3.z - p2.z, limit);
      case k23:
        break;
    }
    return Bisect(false, p2.u, p2.v, p3.v, p3.z - p2.z, limit);
  }

  SurfacePoint Refine(const QuadEdge& at) const {
    return waterline ? RefineWaterline(at.i, at.j, at.edge) : RefineOnIndices(at.i, at.j, at.edge);
  }

  // Calls visit(QuadEdge) for the border edges in search order until it
  // returns true: 41 along i = 0, 12 along j = 0, 23 along the last quad
  // column, 34 along the last quad row.
  template <typename Visit>
  bool VisitBorder(Visit visit) const {
    if (nu < 1 || nv < 1) return false;
    for (int j = 0; j < nv; ++j) {
      if (visit(QuadEdge{0, j, k41})) return true;
    }
    for (int i = 0; i < nu; ++i) {
      if (visit(QuadEdge{i, 0, k12})) return true;
    }
    for (int j = 0; j < nv; ++j) {
      if (visit(QuadEdge{nu - 1, j, k23})) return true;
    }
    for (int i = 0; i < nu; ++i) {
      if (visit(QuadEdge{i, nv - 1, k34})) return true;
    }
    return false;
  }

  bool FindOnBorder(QuadEdge& found) const {
    return VisitBorder([&](const QuadEdge& at) {
      if (!Crosses(at.i, at.j, at.edge, Test::kStart)) return false;
      found = at;
      return true;
    });
  }

  bool FindInQuad(int i, int j, QuadEdge& found) const {
    for (Edge edge : kSearchOrder) {
      if (Crosses(i, j, edge, Test::kStart)) {
        found = QuadEdge{i, j, edge};
        return true;
      }
    }
    return false;
  }

  // Stations scan row by row of j, buttocks column by column of i.
  bool FindInInterior(bool rowsOuter, QuadEdge& found) const {
    const int outerEnd = rowsOuter ? nv : nu;
    const int innerEnd = rowsOuter ? nu : nv;
    for (int outer = 0; outer < outerEnd; ++outer) {
      for (int inner = 0; inner < innerEnd; ++inner) {
        const int i = rowsOuter ? inner : outer;
        const int j = rowsOuter ? outer : inner;
        if (FindInQuad(i, j, found)) return true;
      }
    }
    return false;
  }

  struct MarchEnd {
    int count = 0;
    int i = 0;  // the quad the march stopped in, possibly outside the grid
    int j = 0;
    bool left = false;
  };

  // Follows the plane from the crossing already stored at out[count - 1],
  // which lies on `start`, appending one point per quad edge crossed. The
  // path depends on the grid alone, so with `store` off it is only walked.
  MarchEnd March(SectionArray& out, int count, const QuadEdge& start, bool stopAtFirstQuad,
                 Test test, bool store = true) const {
    int i = start.i;
    int j = start.j;
    Edge entry = start.edge;
    bool left = false;
    while (count < kSectionCapacity) {
      Edge exit = entry;  // when nothing else crosses, step back
      for (Edge edge : kExitOrder) {
        if (edge != entry && Crosses(i, j, edge, test)) {
          exit = edge;
          break;
        }
      }
      if (store) out[count] = Refine(QuadEdge{i, j, exit});
      ++count;
      switch (exit) {
        case k12:
          --j;
          entry = k34;
          break;
        case k23:
          ++i;
          entry = k41;
          break;
        case k34:
          ++j;
          entry = k12;
          break;
        case k41:
          --i;
          entry = k23;
          break;
      }
      if (!Inside(i, j)) {
        left = true;
        break;
      }
      if (stopAtFirstQuad && i == start.i && j == start.j) break;
    }
    return MarchEnd{count, i, j, left};
  }

  // One open line from a single start: stations and buttocks.
  int TraceSingle(SectionArray& out, bool rowsOuter, bool stopAtFirstQuad) const {
    QuadEdge start;
    if (!FindOnBorder(start) && !FindInInterior(rowsOuter, start)) return -1;
    out[0] = Refine(start);
    return March(out, 1, start, stopAtFirstQuad, Test::kMarch).count - 1;
  }

  // The first closed waterline loop of the scan from quad (1, 1); a trace
  // that leaves the grid is dropped and the scan goes on two rows further.
  int TraceLoop(SectionArray& out) const {
    int i = 1;
    for (int j = 1; j < nv;) {
      QuadEdge start;
      bool hit = false;
      for (; i < nu && !hit; ++i) hit = FindInQuad(i, j, start);
      if (!hit) {
        ++j;
        i = 0;
        continue;
      }
      // Most hits are on the open pieces; walk first, refine only a keeper.
      if (!March(out, 1, start, true, Test::kLoopMarch, false).left) {
        out[0] = Refine(start);
        return March(out, 1, start, true, Test::kLoopMarch).count - 1;
      }
      j = start.j + 2;
      i = 0;
    }
    return 0;
  }
};

int SanitizeCount(int32_t& count) {
  count = std::clamp(count, 0, kCountLimit);
  return count;
}

double SanitizeSpacing(double& spacing) {
  if (!std::isfinite(spacing)) spacing = 0.0;
  return spacing;
}

// A derived spacing that would not be a finite number stays 0.
double Finite(double value) { return std::isfinite(value) ? value : 0.0; }

SectionPlacement Placement(int count, double first, double spacing) {
  // With no spacing every section would fall on the same place.
  if (spacing == 0.0) return SectionPlacement{0, first, 0.0};
  return SectionPlacement{count, first, spacing};
}

}  // namespace

CutResult CutStation(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                     double c) {
  const Cut cut(design, surface, Axis::kY, c - kStationShift, false);
  return CutResult{cut.TraceSingle(buffers.section, true, false), 0};
}

CutResult CutButtock(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                     double c) {
  const Cut cut(design, surface, Axis::kX, c, false);
  const int last = cut.TraceSingle(buffers.section, false, true);
  return CutResult{std::max(last, 0), 0};
}

CutResult CutWaterline(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                       double c) {
  const Cut cut(design, surface, Axis::kZ, c, true);

  // Border crossings beyond the first kMaxPieces are ignored.
  std::array<QuadEdge, kMaxPieces> crossings;
  std::array<bool, kMaxPieces> used{};
  int crossingCount = 0;
  cut.VisitBorder([&](const QuadEdge& at) {
    if (cut.Crosses(at.i, at.j, at.edge, Test::kBorderStart)) crossings[crossingCount++] = at;
    return crossingCount == kMaxPieces;
  });

  int count = 0;
  int pieces = 0;
  for (int k = 0; k < crossingCount && count < kSectionCapacity; ++k) {
    if (used[k]) continue;
    const QuadEdge& start = crossings[k];
    buffers.section[count] = cut.Refine(start);
    const Cut::MarchEnd end = cut.March(buffers.section, count + 1, start, true, Test::kMarch);
    count = end.count;
    buffers.pieceEnds[pieces] = count;
    ++pieces;
    // The crossing where this piece ends must not start a piece of its own.
    const int endI = std::clamp(end.i, 0, cut.nu - 1);
    const int endJ = std::clamp(end.j, 0, cut.nv - 1);
    for (int m = 0; m < crossingCount; ++m) {
      if (crossings[m].i == endI && crossings[m].j == endJ) used[m] = true;
    }
  }
  buffers.pieceCount = pieces;

  CutResult result;
  result.last = count > 0 ? count - 1 : 0;
  result.loopLast = cut.TraceLoop(buffers.loop);
  return result;
}

WaterlineEnds CutWaterlineEnds(const HullDesign& design, const Surface& surface,
                               CutBuffers& buffers, double c) {
  const CutResult cut = CutWaterline(design, surface, buffers, c);
  WaterlineEnds ends;
  auto take = [&ends](const SurfacePoint& p) {
    ends.found = true;
    ends.forward = std::min(ends.forward, p.y);
    ends.aft = std::max(ends.aft, p.y);
  };
  // Entry 0 is stale when no piece was found.
  if (buffers.pieceCount > 0) {
    for (int k = 0; k <= cut.last; ++k) take(buffers.section[k]);
  }
  if (cut.loopLast >= 1) {
    for (int k = 0; k <= cut.loopLast; ++k) take(buffers.loop[k]);
  }
  return ends;
}

double WaterlineForwardEnd(const HullDesign& design, const Surface& surface, CutBuffers& buffers) {
  return CutWaterlineEnds(design, surface, buffers, 0.0).forward;
}

SectionPlacement StationPositions(HullDesign& design, const Surface& surface, CutBuffers& buffers) {
  const double length = surface.extents.hullLength;
  const double origin = surface.extents.smallestY + design.UserBowOffset;
  const double run = length - origin;
  SanitizeCount(design.StationCount);
  SanitizeSpacing(design.StationSpacing);
  if (design.StationSpacing == 0.0) {
    design.StationSpacing = Finite(run / (design.StationCount + 1));
  }
  if (design.StationCount == 0 && design.StationSpacing != 0.0) {
    design.StationCount = std::max(0, TruncClamped(run / design.StationSpacing));
  }
  const double spacing = design.StationSpacing;
  if (spacing == 0.0) return Placement(0, origin, 0.0);

  double first = origin + spacing;
  if (design.StationRefCutwater) {
    double position = WaterlineForwardEnd(design, surface, buffers);
    if (position > origin && spacing > 0.0) {
      const double steps = std::ceil((position - origin) / spacing);
      if (steps > 1e6) {
        // No z = 0 waterline (1e10) or a tiny spacing: jump instead of walking.
        position -= steps * spacing;
      } else {
        for (int n = 0; position > origin && n <= 1000000; ++n) position -= spacing;
      }
    }
    first = position + spacing;
    if (spacing < length - ((design.StationCount - 1) * spacing + first) &&
        design.StationCount < kCountLimit) {
      ++design.StationCount;
    }
  }
  return Placement(design.StationCount, first, spacing);
}

SectionPlacement WaterlinePositions(HullDesign& design, const Surface& surface) {
  const HullExtents& extents = surface.extents;
  SanitizeCount(design.WaterlineCount);
  SanitizeSpacing(design.WaterlineSpacing);
  if (design.WaterlineSpacing == 0.0 && design.WaterlineCount > 0) {
    design.WaterlineSpacing = Finite(extents.depth / design.WaterlineCount);
  }
  if (design.WaterlineCount == 0 && design.WaterlineSpacing != 0.0) {
    design.WaterlineCount =
        std::max(0, RoundClamped((extents.highestZ - extents.lowestZ) / design.WaterlineSpacing));
  }
  const double spacing = design.WaterlineSpacing;
  if (spacing == 0.0) return Placement(0, 0.0, 0.0);
  // On multiples of the spacing counted from z = 0.
  const int below = TruncClamped(std::fabs(extents.lowestZ / spacing));
  return Placement(design.WaterlineCount, -below * spacing, spacing);
}

SectionPlacement ButtockPositions(HullDesign& design, const Surface& surface) {
  const double halfBreadth = surface.extents.halfBreadth;
  SanitizeCount(design.ButtockCount);
  SanitizeSpacing(design.ButtockSpacing);
  if (design.ButtockSpacing == 0.0) {
    design.ButtockSpacing = Finite(halfBreadth / (design.ButtockCount + 1));
  }
  if (design.ButtockCount == 0 && design.ButtockSpacing != 0.0) {
    design.ButtockCount = std::max(0, RoundClamped(halfBreadth / design.ButtockSpacing - 1.0));
  }
  const double spacing = design.ButtockSpacing;
  return Placement(design.ButtockCount, spacing, spacing);
}

}  // namespace skelmora
