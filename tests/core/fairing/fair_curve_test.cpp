// The fairing curves: sampling each kind of line, the discrete curvature
// and its rules, the chine parameters, the largest and remembered values.
#include <gtest/gtest.h>

#include <cmath>

#include "core/surface/test_nets.h"
#include "fairing/fair_curve.h"
#include "files/design_file.h"
#include "model/design_session.h"

namespace skelmora {
namespace {

using nets::Hull;
using nets::kPi;
using nets::V;

struct Sampled {
  Hull hull;
  std::unique_ptr<FairCurve> curve = std::make_unique<FairCurve>();
  void Sample(FairSelection selection) {
    SampleFairCurve(hull.d(), hull.s(), *hull.session->cuts, selection, *curve);
  }
};

// Every row an arc of radius 100 in the plan view (x across, y along),
// 120 degrees wide; degree 1 with one grid interval per net interval, so
// the 51 samples of a row are its vertices.
constexpr double kRadius = 100.0;
Vertex ArcVertex(int a, int b) {
  const double phi = (-60.0 + 120.0 * a / 50.0) * kPi / 180.0;
  return V(kRadius * std::cos(phi), kRadius * std::sin(phi) + 100.0, -10.0 + 10.0 * b);
}

TEST(FairCurve, CircleArcHasConstantCurvatureOfOneOverTwoRadiiScaled) {
  Sampled s{nets::MakeGridHull(50, 2, ArcVertex)};
  s.Sample({FairLine::kRow, 1, 0, kPlanView});
  const FairCurve& c = *s.curve;
  ASSERT_EQ(c.sampleCount, kFairLineSamples);
  ASSERT_EQ(c.curvatureCount, kFairCurvatureCount);
  const double expected = 1.0 / (2.0 * kRadius) * kFairCurvatureScale;
  for (int k = 0; k < c.curvatureCount; ++k) {
    EXPECT_NEAR(c.curvature[k].value, expected, 0.01 * expected) << k;
    // Plotted at the abscissa of the middle sample.
    EXPECT_DOUBLE_EQ(c.curvature[k].at, c.samples[k + 3].h);
  }
  EXPECT_NEAR(c.maxCurvature, expected, 0.01 * expected);
  EXPECT_EQ(CurvatureSignChanges(c), 0);
}

TEST(FairCurve, StraightRowHasNoCurvature) {
  for (const double slant : {0.0, 0.3}) {
    Sampled s{nets::MakeGridHull(
        50, 2, [&](int a, int b) { return V(5.0 + slant * 2.0 * a, 2.0 * a, -5.0 + 5.0 * b); })};
    for (const ViewId view : {kPlanView, kProfileView}) {
      s.Sample({FairLine::kRow, 1, 0, view});
      ASSERT_EQ(s.curve->curvatureCount, kFairCurvatureCount);
      for (int k = 0; k < s.curve->curvatureCount; ++k) {
        EXPECT_NEAR(s.curve->curvature[k].value, 0.0, 1e-3) << slant << " " << k;
      }
      EXPECT_EQ(CurvatureSignChanges(*s.curve), 0);
    }
  }
}

TEST(FairCurve, SCurveTurnsOnce) {
  // One full sine period along the sheer in the plan view.
  Sampled s{nets::MakeHull(20, 3, 3, 3, [](double u, double t) {
    return V(10.0 + 3.0 * std::sin(2 * kPi * u) + t, 100.0 * u, 10.0 * t);
  })};
  s.Sample({FairLine::kSheer, 0, 0, kPlanView});
  EXPECT_EQ(CurvatureSignChanges(*s.curve), 1);
}

TEST(FairCurve, ColumnSectionRuleAndShortSections) {
  Sampled s{nets::MakeHull(6, 6, 3, 3, nets::BoatVertex)};
  s.Sample({FairLine::kColumn, 3, 0, kBodyView});
  const FairCurve& c = *s.curve;
  ASSERT_GE(c.sampleCount, 7);
  // Points k, k + 3, k + 6 of the section, not scaled.
  EXPECT_EQ(c.curvatureCount, c.sampleCount - 6);
  const PlanePoint* p = c.samples.data();
  EXPECT_DOUBLE_EQ(c.curvature[0].value,
                   ThreePointCurvature(p[0].h, p[0].v, p[3].h, p[3].v, p[6].h, p[6].v));
  EXPECT_TRUE(c.Found());

  // A coarse grid: the station cut has fewer than six points, so no
  // curvature curve, only its points at 1.
  s.hull.d().RowDivisions = 3;
  s.hull.Rebuild();
  s.Sample({FairLine::kColumn, 3, 0, kBodyView});
  ASSERT_GT(s.curve->sampleCount, 0);
  ASSERT_LT(s.curve->sampleCount, 6);
  EXPECT_TRUE(s.curve->tooShort);
  EXPECT_FALSE(s.curve->Found());
  EXPECT_EQ(s.curve->MarkerHeight(), 1.0);
  for (int k = 0; k < s.curve->curvatureCount; ++k) {
    EXPECT_EQ(s.curve->curvature[k].value, 1.0);
    EXPECT_EQ(s.curve->curvature[k].at, s.curve->samples[k].h);
  }
}

TEST(FairCurve, EndColumnsAreTheSurfaceEdgeLines) {
  Sampled s{nets::MakeHull(6, 6, 3, 3, nets::BoatVertex)};
  s.Sample({FairLine::kColumn, 0, 0, kProfileView});
  ASSERT_EQ(s.curve->sampleCount, kFairLineSamples);
  const SurfacePoint top = EvaluateSurfacePoint(s.hull.s(), 0.0, 1.0);
  EXPECT_NEAR(s.curve->samples[50].h, top.y, 1e-9);
  EXPECT_NEAR(s.curve->samples[50].v, top.z, 1e-9);
  s.Sample({FairLine::kColumn, 6, 0, kPlanView});
  const SurfacePoint stern = EvaluateSurfacePoint(s.hull.s(), 1.0, 0.5);
  EXPECT_NEAR(s.curve->samples[25].h, stern.y, 1e-9);
  EXPECT_NEAR(s.curve->samples[25].v, stern.x, 1e-9);
}

// Degree 1 along the rows with a vertex column per sample: a line through a
// vertex row passes through its vertices.
Hull ChinedHull(int stationTension) {
  Hull hull = nets::MakeHull(50, 6, 1, stationTension, [](double u, double t) {
    return V(10.0 * std::sin(kPi * u) * t + 3.0 * t * t, 100.0 * u, -5.0 + 10.0 * t * t);
  }, 50, 50);
  if (stationTension > 1) {
    hull.d().RowChineCount = 2;
    hull.d().RowChines[0] = 2;
    hull.d().RowChines[1] = 4;
    hull.Rebuild();
  }
  return hull;
}

TEST(FairCurve, ChineLinesRunThroughTheirVertexRows) {
  for (const int tension : {3, 1}) {
    Sampled s{ChinedHull(tension)};
    const FairChineRows rows = ChineRowsForFairing(s.hull.d());
    // Tension 1 makes every interior row a chine.
    ASSERT_EQ(rows.count, tension == 1 ? 5 : 2);
    for (int k = 1; k <= rows.count; ++k) {
      s.Sample({FairLine::kChine, k, 0, kBodyView});
      ASSERT_EQ(s.curve->sampleCount, kFairLineSamples);
      for (int i = 0; i <= 50; i += 10) {
        const Vertex& v = s.hull.d().Net[i][rows.rows[k - 1]];
        EXPECT_NEAR(s.curve->samples[i].h, v.x, 1e-4) << tension << " " << k << " " << i;
        EXPECT_NEAR(s.curve->samples[i].v, v.z, 1e-4) << tension << " " << k << " " << i;
      }
    }
  }
}

TEST(FairCurve, RangesAndSelectedVertices) {
  Hull hull = nets::MakeHull(8, 5, 3, 3, nets::BoatVertex);
  const HullDesign& d = hull.d();
  EXPECT_TRUE(LineIndexRange(d, FairLine::kColumn).Contains(8));
  EXPECT_FALSE(LineIndexRange(d, FairLine::kColumn).Contains(9));
  EXPECT_FALSE(LineIndexRange(d, FairLine::kRow).Contains(0));
  EXPECT_TRUE(LineIndexRange(d, FairLine::kRow).Contains(4));
  EXPECT_FALSE(LineIndexRange(d, FairLine::kRow).Contains(5));
  EXPECT_FALSE(LineIndexRange(d, FairLine::kChine).Contains(1));  // no chines
  int column = 0, row = 0;
  SelectedVertex(d, {FairLine::kSheer, 0, 3, kProfileView}, column, row);
  EXPECT_EQ(column, 3);
  EXPECT_EQ(row, 5);
  SelectedVertex(d, {FairLine::kColumn, 2, 4, kBodyView}, column, row);
  EXPECT_EQ(column, 2);
  EXPECT_EQ(row, 4);

  Sampled s{std::move(hull)};
  s.Sample({FairLine::kChine, 1, 0, kProfileView});
  EXPECT_EQ(s.curve->sampleCount, 0);
  EXPECT_EQ(s.curve->MarkerHeight(), 1.0);
  std::array<PlanePoint, kNetSize> vertices;
  EXPECT_EQ(LineVertices(s.hull.d(), {FairLine::kColumn, 2, 0, kBodyView}, vertices), 6);
  EXPECT_EQ(LineVertices(s.hull.d(), {FairLine::kFairbody, 0, 0, kPlanView}, vertices), 9);
  EXPECT_EQ(vertices[4].h, s.hull.d().Net[4][0].y);
}

TEST(FairCurve, RememberedCurvatureBracketsTheVertexAlongTheView) {
  // The sheer's curvature grows aft, so brackets at different y differ.
  Sampled s{nets::MakeHull(10, 3, 3, 3, [](double u, double t) {
    return V(10.0 * u * u * u + t, 100.0 * u, 10.0 * t);
  })};
  FairSelection selection{FairLine::kSheer, 0, 0, kPlanView};
  s.Sample(selection);
  const FairCurve& c = *s.curve;
  EXPECT_EQ(RememberedCurvature(s.hull.d(), selection, c), c.curvature[0].value);
  selection.vertex = 5;
  const double y = s.hull.d().Net[5][3].y;
  int k = 0;
  while (!(c.samples[k + 2].h <= y && y <= c.samples[k + 4].h)) ++k;
  EXPECT_GT(k, 0);
  EXPECT_EQ(RememberedCurvature(s.hull.d(), selection, c), c.curvature[k].value);
  EXPECT_NE(c.curvature[k].value, c.curvature[0].value);
}

}  // namespace
}  // namespace skelmora

namespace skelmora {
namespace {

// The shipped sailboat's sheer runs along the flat transom into its centre,
// where the Profile view's samples coincide: the three-point formula's
// stand-in chord made 1.7e8 of them. Those samples carry no value; the real
// sheer's curvature (below 1 scaled) is what remains.
TEST(FairCurve, CoincidingSamplesAreLeftOut) {
  DesignSession session;
  std::string message;
  ASSERT_TRUE(ReadDesignFile(session.design, *session.surface,
                             SKELMORA_EXAMPLES_DIR "/sailboat.s98", message))
      << message;
  auto curve = std::make_unique<FairCurve>();
  FairSelection selection{FairLine::kSheer, 0, 0, kProfileView};
  SampleFairCurve(session.design, *session.surface, *session.cuts, selection, *curve);
  ASSERT_EQ(curve->curvatureCount, kFairCurvatureCount);
  int left = 0;
  for (int k = 0; k < curve->curvatureCount; ++k) {
    const CurvaturePoint& p = curve->curvature[k];
    if (!p.defined) {
      ++left;
      EXPECT_EQ(p.value, 0.0);
      EXPECT_EQ(p.sign, 0);
      // Two of its samples coincide in single precision.
      const PlanePoint& b = curve->samples[k + 3];
      const PlanePoint& c = curve->samples[k + 6];
      EXPECT_EQ(static_cast<float>(b.h), static_cast<float>(c.h)) << k;
    }
  }
  EXPECT_GE(left, 7);
  EXPECT_TRUE(curve->Found());
  EXPECT_LT(curve->maxCurvature, 1.0);
  EXPECT_LT(RememberedCurvature(session.design, selection, *curve), 1.0);
  EXPECT_EQ(CurvatureSignChanges(*curve), 1);
}

}  // namespace
}  // namespace skelmora
