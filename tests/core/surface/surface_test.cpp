#include "surface/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/surface/test_nets.h"
#include "surface/surface_build.h"

namespace skelmora {
namespace {

using nets::Hull;
using nets::MakeHull;
using nets::V;

// A net with uneven weights and no symmetry, so that mixed-up indices show.
Vertex Lumpy(double s, double t) {
  return V(3.0 * s + std::sin(5.0 * t), 40.0 * s + t * t, -2.0 + 7.0 * t + std::cos(4.0 * s),
           0.6 + 0.9 * s * t + 0.3 * t);
}

void ExpectNear(const SurfacePoint& point, const Vertex& vertex, double tolerance) {
  EXPECT_NEAR(point.x, vertex.x, tolerance);
  EXPECT_NEAR(point.y, vertex.y, tolerance);
  EXPECT_NEAR(point.z, vertex.z, tolerance);
}

TEST(KnotVectors, ClampedUniformOnUnitInterval) {
  Hull hull = MakeHull(5, 4, 3, 2, Lumpy);
  const KnotVectors& knots = hull.s().knots;
  const std::vector<float> u(knots.u.begin(), knots.u.begin() + 10);
  const std::vector<float> v(knots.v.begin(), knots.v.begin() + 8);
  EXPECT_EQ(u, (std::vector<float>{0, 0, 0, 0, 1.0f / 3, 2.0f / 3, 1, 1, 1, 1}));
  EXPECT_EQ(v, (std::vector<float>{0, 0, 0, 1.0f / 3, 2.0f / 3, 1, 1, 1}));
  EXPECT_EQ(knots.degreeU, 3);
  EXPECT_EQ(knots.degreeV, 2);
}

TEST(KnotVectors, ChinesLengthenTheColumnKnots) {
  HullDesign design;
  design.LastColumn = 6;
  design.LastRow = 3;
  design.WaterlineTension = 3;
  design.StationTension = 1;
  design.ColumnChineCount = 2;
  design.ColumnChines = {2, 4};
  auto surface = std::make_unique<Surface>();
  BuildKnotVectors(design, *surface);
  const KnotVectors& knots = surface->knots;
  ASSERT_EQ(knots.lastColumn, 10);
  // 15 knots: 4 zeros, 7 interior knots k / 8, 4 ones.
  for (int k = 0; k <= 3; ++k) EXPECT_EQ(knots.u[k], 0.0f) << k;
  for (int k = 4; k <= 10; ++k) EXPECT_FLOAT_EQ(knots.u[k], (k - 3) / 8.0f) << k;
  for (int k = 11; k <= 14; ++k) EXPECT_EQ(knots.u[k], 1.0f) << k;
  // Degree 1 on rows 0..3: 0 0 1/3 2/3 1 1.
  EXPECT_FLOAT_EQ(knots.v[2], 1.0f / 3);
  EXPECT_EQ(knots.v[4], 1.0f);
  EXPECT_EQ(knots.v[5], 1.0f);
}

TEST(FindKnotSpan, EndsOfTheIntervalAndInteriorKnots) {
  const float knots[] = {0, 0, 0, 0, 1.0f / 3, 2.0f / 3, 1, 1, 1, 1};
  struct Case {
    double t;
    int span;
  } cases[] = {
      {0.0, 3}, {0.2, 3}, {static_cast<double>(1.0f / 3), 4}, {0.5, 4}, {0.9, 5}, {1.0, 5},
  };
  for (const Case& c : cases) EXPECT_EQ(FindKnotSpan(5, 3, knots, c.t), c.span) << c.t;
}

TEST(EvaluateSurface, ParameterOneLiesOnTheLastColumnAndRow) {
  Hull hull = MakeHull(6, 5, 3, 3, Lumpy);
  const HullDesign& d = hull.d();
  const Surface& s = hull.s();
  const int nu = s.columnDivisions;
  const int nv = s.rowDivisions;
  ExpectNear(s.grid[nu][0], d.Net[6][0], 1e-5);
  ExpectNear(s.grid[nu][nv], d.Net[6][5], 1e-5);
  ExpectNear(s.grid[0][nv], d.Net[0][5], 1e-5);

  // Grid column nu depends on net column 6 alone, grid row nv on net row 5 alone.
  Hull moved = MakeHull(6, 5, 3, 3, [](double s, double t) {
    Vertex v = Lumpy(s, t);
    if (s > 0.7 && s < 0.9 && t < 0.9) v.x += 4.0f;  // column 5 below row 5
    if (t > 0.7 && t < 0.9 && s < 0.9) v.z -= 3.0f;  // row 4 before column 6
    return v;
  });
  for (int j = 0; j <= nv; ++j) {
    EXPECT_EQ(moved.s().grid[nu][j].x, s.grid[nu][j].x) << j;
    EXPECT_EQ(moved.s().grid[nu][j].z, s.grid[nu][j].z) << j;
  }
  for (int i = 0; i <= nu; ++i) {
    EXPECT_EQ(moved.s().grid[i][nv].x, s.grid[i][nv].x) << i;
    EXPECT_EQ(moved.s().grid[i][nv].z, s.grid[i][nv].z) << i;
  }
  EXPECT_NE(moved.s().grid[nu - 3][nv - 3].x, s.grid[nu - 3][nv - 3].x);
}

TEST(EvaluateSurface, ChinedColumnIsRepeatedWithUnitWeightAndInterpolated) {
  constexpr int kChine = 3;
  auto net = [](double s, double t) {
    Vertex v = Lumpy(s, t);
    if (std::abs(s * 8 - kChine) < 0.1) v.w = (t < 0.5f) ? 2.5f : 0.4f;
    return v;
  };
  Hull hull = MakeHull(8, 4, 3, 2, net);
  hull.d().ColumnChineCount = 1;
  hull.d().ColumnChines[0] = kChine;
  hull.Rebuild();
  const HullDesign& d = hull.d();
  const Surface& s = hull.s();

  ASSERT_EQ(s.working.lastColumn, 10);
  ASSERT_EQ(s.knots.lastColumn, 10);
  for (int copy = 0; copy < 3; ++copy) {
    for (int b = 0; b <= 4; ++b) {
      const Vertex& w = s.working.net[kChine + copy][b];
      EXPECT_EQ(w.x, d.Net[kChine][b].x);
      EXPECT_EQ(w.z, d.Net[kChine][b].z);
      EXPECT_EQ(w.w, 1.0f) << "copy " << copy << " row " << b;
    }
  }
  // Columns after the chine shift by p - 1 and keep their weights.
  EXPECT_EQ(s.working.net[kChine + 3][2].w, d.Net[kChine + 1][2].w);
  EXPECT_EQ(s.working.net[10][4].y, d.Net[8][4].y);

  // At the knot after the copies only the copies carry weight: the surface
  // runs through the column's end vertices and ignores its neighbours.
  const double uChine = s.knots.u[kChine + 2 + 1];
  ExpectNear(EvaluateSurfacePoint(s, uChine, 0.0), d.Net[kChine][0], 1e-5);
  ExpectNear(EvaluateSurfacePoint(s, uChine, 1.0), d.Net[kChine][4], 1e-5);

  Hull neighbours = MakeHull(8, 4, 3, 2, [&](double s0, double t) {
    Vertex v = net(s0, t);
    if (std::abs(s0 * 8 - (kChine - 1)) < 0.1 || std::abs(s0 * 8 - (kChine + 1)) < 0.1) {
      v.x += 5.0f;
      v.w = 3.0f;
    }
    return v;
  });
  neighbours.d().ColumnChineCount = 1;
  neighbours.d().ColumnChines[0] = kChine;
  neighbours.Rebuild();
  for (double v : {0.1, 0.37, 0.8}) {
    const SurfacePoint a = EvaluateSurfacePoint(s, uChine, v);
    const SurfacePoint b = EvaluateSurfacePoint(neighbours.s(), uChine, v);
    EXPECT_DOUBLE_EQ(a.x, b.x) << v;
    EXPECT_DOUBLE_EQ(a.z, b.z) << v;
  }
}

TEST(EvaluateSurface, ZeroWeightsGiveTheOrigin) {
  Hull hull = MakeHull(5, 4, 3, 3, [](double s, double t) {
    Vertex v = Lumpy(s, t);
    v.w = 0.0f;
    return v;
  });
  const Surface& s = hull.s();
  for (int i = 0; i <= s.columnDivisions; ++i) {
    for (int j = 0; j <= s.rowDivisions; ++j) {
      const SurfacePoint& p = s.grid[i][j];
      ASSERT_TRUE(p.x == 0.0 && p.y == 0.0 && p.z == 0.0) << i << "," << j;
    }
  }
}

TEST(EvaluateSurface, DegreeOneIsLinearBetweenColumns) {
  Hull hull = MakeHull(
      4, 5, 1, 2, [](double s, double t) { return V(Lumpy(s, t).x, 10 * s * s, t * t * 3 + s); });
  const HullDesign& d = hull.d();
  const Surface& s = hull.s();
  for (int a = 0; a < 4; ++a) {
    for (double f : {0.25, 0.6}) {
      for (double v : {0.0, 0.3, 1.0}) {
        const SurfacePoint lo = EvaluateSurfacePoint(s, a / 4.0, v);
        const SurfacePoint hi = EvaluateSurfacePoint(s, (a + 1) / 4.0, v);
        const SurfacePoint mid = EvaluateSurfacePoint(s, (a + f) / 4.0, v);
        EXPECT_NEAR(mid.x, (1 - f) * lo.x + f * hi.x, 1e-5) << a << " " << f << " " << v;
        EXPECT_NEAR(mid.y, (1 - f) * lo.y + f * hi.y, 1e-5);
        EXPECT_NEAR(mid.z, (1 - f) * lo.z + f * hi.z, 1e-5);
      }
    }
    // On a column the surface is that column's curve: at the fairbody its vertex.
    ExpectNear(EvaluateSurfacePoint(s, a / 4.0, 0.0), d.Net[a][0], 1e-5);
  }
}

TEST(EvaluateSurfaceGrid, EqualsPointEvaluationExactly) {
  Hull hull = MakeHull(9, 6, 3, 2, Lumpy, 37, 23);
  hull.d().ColumnChineCount = 2;
  hull.d().ColumnChines = {2, 6};
  hull.d().RowChineCount = 1;
  hull.d().RowChines[0] = 3;
  hull.Rebuild();
  const Surface& s = hull.s();
  ASSERT_EQ(s.columnDivisions, 37);
  ASSERT_EQ(s.rowDivisions, 23);
  ASSERT_EQ(s.working.lastColumn, 13);
  ASSERT_EQ(s.working.lastRow, 7);
  // The row pass runs over the working columns the column pass made.
  for (int a = 0; a <= 13; ++a) {
    const Vertex& lower = s.working.net[a][3];
    const Vertex& upper = s.working.net[a][4];
    ASSERT_TRUE(lower.x == upper.x && lower.z == upper.z && lower.w == 1.0f && upper.w == 1.0f)
        << "working column " << a;
  }
  for (int i = 0; i <= 37; ++i) {
    for (int j = 0; j <= 23; ++j) {
      const SurfacePoint& g = s.grid[i][j];
      const SurfacePoint p = EvaluateSurfacePoint(s, i / 37.0, j / 23.0);
      ASSERT_TRUE(g.u == p.u && g.v == p.v && g.x == p.x && g.y == p.y && g.z == p.z)
          << i << "," << j;
    }
  }
}

// The hydrostatics evaluate lattices of other divisions than the grid's; each
// must equal the single-point evaluator bit for bit, as the grid does.
TEST(EvaluateSurfaceLattice, EqualsPointEvaluationExactlyAtAnyDivisions) {
  Hull hull = MakeHull(9, 6, 3, 2, Lumpy, 37, 23);
  hull.d().ColumnChineCount = 1;
  hull.d().ColumnChines[0] = 4;
  hull.Rebuild();
  const Surface& s = hull.s();
  struct Case {
    int nu, nv;
  };
  for (const Case c : {Case{30, 30}, Case{1, 1}, Case{200, 3}, Case{7, 200}}) {
    std::vector<SurfacePoint> lattice;
    EvaluateSurfaceLattice(s, c.nu, c.nv, lattice);
    ASSERT_EQ(lattice.size(), static_cast<size_t>(c.nu + 1) * (c.nv + 1));
    for (int i = 0; i <= c.nu; ++i) {
      for (int j = 0; j <= c.nv; ++j) {
        const SurfacePoint& g = lattice[static_cast<size_t>(i) * (c.nv + 1) + j];
        const SurfacePoint p =
            EvaluateSurfacePoint(s, static_cast<double>(i) / c.nu, static_cast<double>(j) / c.nv);
        ASSERT_TRUE(g.u == p.u && g.v == p.v && g.x == p.x && g.y == p.y && g.z == p.z)
            << c.nu << "x" << c.nv << " at " << i << "," << j;
      }
    }
  }
}

// The cuts' bisections walk one parameter line; every point must be the
// single-point evaluator's, in either direction and across knot spans.
TEST(IsoParameterCurve, EqualsPointEvaluationExactly) {
  Hull hull = MakeHull(9, 6, 3, 2, Lumpy, 37, 23);
  hull.d().RowChineCount = 1;
  hull.d().RowChines[0] = 3;
  hull.Rebuild();
  const Surface& s = hull.s();
  for (const bool alongU : {true, false}) {
    for (const double fixed : {0.0, 0.37, 0.5, 1.0}) {
      IsoParameterCurve line(s, alongU, fixed);
      for (const double t : {0.0, 0.999, 0.01, 0.5, 0.25, 0.75, 1.0, 0.3}) {
        const SurfacePoint a = line.At(t);
        const SurfacePoint b =
            alongU ? EvaluateSurfacePoint(s, t, fixed) : EvaluateSurfacePoint(s, fixed, t);
        ASSERT_TRUE(a.u == b.u && a.v == b.v && a.x == b.x && a.y == b.y && a.z == b.z)
            << (alongU ? "v = " : "u = ") << fixed << ", t = " << t;
      }
    }
  }
}

TEST(ThreePointCurvature, TurningAngleOverChordLength) {
  // Near a cosine of +-1 the arccos turns a rounding error of 1e-16 into
  // about 1.5e-8, hence the looser tolerance of the diagonal cases.
  struct Case {
    double a, b, c, d, e, f;
    double expected;
    double tolerance;
  } cases[] = {
      {0, 0, 1, 0, 2, 0, 0.0, 0.0},                    // collinear, evenly spaced
      {0, 0, 1, 1, 2, 2, 0.0, 2e-8},                   // the same on a diagonal
      {0, 0, 1, 0, 1, 1, (nets::kPi / 2) / 2, 1e-12},  // right angle, chords of 1
      {0, 0, 2, 0, 2 + std::sqrt(2.0), std::sqrt(2.0), (nets::kPi / 4) / 4, 1e-12},
      {3, 3, 1, 1, 3, 3, nets::kPi / (2 * std::sqrt(8.0)), 2e-8},  // doubling back
      // Coincident points: both chords become 1e-32, the cosine 0, and the
      // chord sum is held at 1e-6.
      {1, 1, 1, 1, 1, 1, (nets::kPi / 2) / 1e-6, 1e-6},
  };
  for (const Case& k : cases) {
    const double got = ThreePointCurvature(k.a, k.b, k.c, k.d, k.e, k.f);
    EXPECT_NEAR(got, k.expected, k.tolerance)
        << k.a << "," << k.b << " " << k.c << "," << k.d << " " << k.e << "," << k.f;
  }
}

TEST(ComputeExtents, HullExtentsAndFitBoxes) {
  // Degree 1 with the grid on every vertex: the surface's extremes are the net's.
  struct Case {
    double zShift;
    double Z0, Z1;
  } cases[] = {
      {0.0, -4 * 1.05, 5 * 1.05},  // lowest < 0, highest > 0
      {6.0, 2 * 0.95, 11 * 1.05},  // wholly above z = 0
      {-7.0, -11 * 1.05, 0.0},     // wholly below: the highest z starts from 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zShift);
    Hull hull = MakeHull(
        4, 3, 1, 1,
        [&](double s, double t) { return V(3.0 * t, 2.0 + 40.0 * s, -4.0 + 9.0 * t + c.zShift); },
        8, 6);
    hull.d().Net[2][1].x = -7.0f;  // largest magnitude, negative
    hull.Rebuild();
    const HullExtents& e = hull.s().extents;
    EXPECT_DOUBLE_EQ(e.hullLength, 42.0);
    EXPECT_DOUBLE_EQ(e.smallestY, 2.0);
    EXPECT_DOUBLE_EQ(e.halfBreadth, 3.0);
    EXPECT_DOUBLE_EQ(e.highestZ, 5.0 + c.zShift);
    EXPECT_DOUBLE_EQ(e.lowestZ, -4.0 + c.zShift);
    EXPECT_DOUBLE_EQ(e.depth, 9.0);

    const ViewFitBoxes& f = hull.s().fit;
    EXPECT_NEAR(f.X1, 3.3, 1e-12);
    EXPECT_NEAR(f.X0, -3.3, 1e-12);
    EXPECT_NEAR(f.Z0, c.Z0, 1e-12);
    EXPECT_NEAR(f.Z1, c.Z1, 1e-12);
    EXPECT_EQ(f.PX1, -7.0);
    EXPECT_EQ(f.PX0, 7.0);
    EXPECT_EQ(f.PY0, 2.0);
    EXPECT_EQ(f.PY1, 42.0);
    EXPECT_EQ(f.FY0, 2.0);
    EXPECT_EQ(f.FY1, 42.0);
    EXPECT_DOUBLE_EQ(f.FZ0, -4.0 + c.zShift);
    EXPECT_DOUBLE_EQ(f.FZ1, std::max(0.0, 5.0 + c.zShift));
  }
}

TEST(ComputeExtents, KeptWhileValidAndForZoomedViews) {
  Hull hull = MakeHull(
      4, 3, 1, 1, [](double s, double t) { return V(3.0 * t, 40.0 * s, 9.0 * t - 4); }, 8, 6);
  HullDesign& d = hull.d();
  Surface& s = hull.s();
  const ViewFitBoxes before = s.fit;
  d.Net[4][3].y = 80.0f;
  d.Net[4][3].x = 9.0f;
  EvaluateSurfaceGrid(d, s);
  ComputeExtents(d, s);  // still valid: nothing recomputed
  EXPECT_DOUBLE_EQ(s.extents.hullLength, 40.0);

  d.ViewZoomed[kBodyView] = true;
  InvalidateExtents(d);
  ComputeExtents(d, s);
  EXPECT_DOUBLE_EQ(s.extents.hullLength, 80.0);
  EXPECT_DOUBLE_EQ(s.fit.X1, before.X1);  // zoomed body view keeps its box
  EXPECT_DOUBLE_EQ(s.fit.PY1, 80.0);      // the plan view refits
  EXPECT_DOUBLE_EQ(s.fit.PX1, 9.0);
}

}  // namespace
}  // namespace skelmora
