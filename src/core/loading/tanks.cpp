#include "loading/tanks.h"

#include <algorithm>
#include <cmath>

#include "exchange/hull_mesh.h"
#include "stability/stability_run.h"

namespace skelmora {

namespace {

constexpr Vec3 kUp{0.0, 0.0, 1.0};

// The box as the hull cut by its six faces.
TriangleSoup TankSolid(const FloatingHull& hull, const Tank& t) {
  TriangleSoup soup = ClipSoup(hull.soup, {0.0, 1.0, 0.0}, t.yAft);
  soup = ClipSoup(soup, {0.0, -1.0, 0.0}, -t.yFore);
  soup = ClipSoup(soup, {1.0, 0.0, 0.0}, t.xMax);
  soup = ClipSoup(soup, {-1.0, 0.0, 0.0}, -t.xMin);
  soup = ClipSoup(soup, kUp, t.zMax);
  return ClipSoup(soup, {0.0, 0.0, -1.0}, -t.zMin);
}

// The level at which the fluid below fills volume: Newton on the free
// surface's area, kept inside a bracket.
PlaneCut FluidAt(const TriangleSoup& solid, double low, double high, double volume) {
  PlaneCut cut = CutBelow(solid, kUp, high);
  const double tolerance = 1e-10 * std::max(cut.below.volume, 1e-300);
  double level = low + (high - low) * volume / std::max(cut.below.volume, 1e-300);
  for (int k = 0; k < 100; ++k) {
    cut = CutBelow(solid, kUp, level);
    const double error = cut.below.volume - volume;
    if (std::fabs(error) <= tolerance) break;
    (error < 0.0 ? low : high) = level;
    double next = cut.face.area > 0.0 ? level - error / cut.face.area : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (high - low <= 1e-12 * std::max(1.0, std::fabs(high))) break;
    level = next;
  }
  return cut;
}

}  // namespace

FloatingHull BuildFloatingHull(const Surface& surface, int32_t units) {
  FloatingHull hull;
  hull.units = units;
  const TriangleMesh mesh = BuildHullMesh(surface);
  hull.soup = SoupOf(mesh);
  hull.volume = IntegrateSolid(hull.soup).volume;
  const auto ySpan = SpanAlong(hull.soup, {0.0, 1.0, 0.0});
  hull.yMin = ySpan[0];
  hull.yMax = ySpan[1];
  hull.keelZ = SpanAlong(hull.soup, kUp)[0];
  const int nu = std::clamp(surface.columnDivisions, 1, kGridSize - 1);
  const int nv = std::clamp(surface.rowDivisions, 1, kGridSize - 1);
  // The last row is the sheer of a hull open at the deck; a surface that
  // goes on across the deck (a box) turns inward there, so each column's
  // edge is its point farthest out and up.
  for (int i = 0; i <= nu; ++i) {
    int edge = nv;
    for (int j = 0; j < nv; ++j) {
      const SurfacePoint& q = surface.grid[i][j];
      const SurfacePoint& e = surface.grid[i][edge];
      if (std::fabs(q.x) + q.z > std::fabs(e.x) + e.z) edge = j;
    }
    const SurfacePoint& p = surface.grid[i][edge];
    hull.deckEdge.push_back({p.x, p.y, p.z});
    hull.deckEdge.push_back({-p.x, p.y, p.z});
  }
  return hull;
}

double SeawaterWeight(double volume, int32_t units) { return StabilityDisplacement(volume, units); }

double FreshWaterWeight(double volume, int32_t units) {
  return SeawaterWeight(volume, units) / 1.025;
}

TankState ComputeTank(const FloatingHull& hull, const Tank& tank) {
  TankState state;
  const TriangleSoup solid = TankSolid(hull, tank);
  const SolidIntegrals whole = IntegrateSolid(solid);
  state.capacity = std::max(whole.volume, 0.0);
  if (state.capacity <= 0.0) return state;
  const auto span = SpanAlong(solid, kUp);
  Vec3 centre = whole.Centroid();
  if (tank.fill <= 0.0) {
    state.lcg = centre.y;
    state.tcg = centre.x;
    state.vcg = span[0];
    return state;
  }
  state.volume = state.capacity * tank.fill / 100.0;
  if (tank.fill < 100.0) {
    const PlaneCut fluid = FluidAt(solid, span[0], span[1], state.volume);
    centre = fluid.below.Centroid();
    if (tank.fill >= kLeastFreeSurfaceFill && tank.fill <= kMostFreeSurfaceFill) {
      const double inertia = fluid.face.SecondMomentAlong({1.0, 0.0, 0.0});
      state.freeSurfaceMoment = tank.density * FreshWaterWeight(inertia, hull.units);
    }
  }
  state.weight = tank.density * FreshWaterWeight(state.volume, hull.units);
  state.lcg = centre.y;
  state.vcg = centre.z;
  state.tcg = centre.x;
  return state;
}

ConditionWeights SumCondition(const FloatingHull& hull, const LoadingCondition& condition) {
  ConditionWeights sum;
  double my = 0.0, mz = 0.0, mx = 0.0;
  auto add = [&](double w, double lcg, double vcg, double tcg) {
    sum.weight += w;
    my += w * lcg;
    mz += w * vcg;
    mx += w * tcg;
  };
  const WeightItem& l = condition.lightship;
  add(l.weight, l.lcg, l.vcg, l.tcg);
  for (const WeightItem& i : condition.items) add(i.weight, i.lcg, i.vcg, i.tcg);
  for (const Tank& t : condition.tanks) {
    sum.tanks.push_back(ComputeTank(hull, t));
    const TankState& s = sum.tanks.back();
    add(s.weight, s.lcg, s.vcg, s.tcg);
    sum.freeSurfaceMoment += s.freeSurfaceMoment;
  }
  if (sum.weight > 0.0) {
    sum.lcg = my / sum.weight;
    sum.vcg = mz / sum.weight;
    sum.tcg = mx / sum.weight;
  }
  return sum;
}

}  // namespace skelmora
