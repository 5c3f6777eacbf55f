#include "curves/cross_curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "core/stability/stability_fixtures.h"
#include "hydro/hydro_report.h"

namespace skelmora {
namespace {

using test::MakeBox;
using test::MakeSailboat;
using test::SameBytes;
using test::StabilityHull;

constexpr double kRadians = 3.14159265358979323846 / 180.0;

CrossAngles Angles(double from, double to, double step) {
  std::string message;
  const auto angles = CheckCrossAngles(from, to, step, message);
  EXPECT_TRUE(angles) << message;
  return angles.value_or(CrossAngles{});
}

std::vector<KnPoint> Curves(StabilityHull& hull, const std::vector<double>& weights,
                            const CrossAngles& angles) {
  std::vector<KnPoint> points;
  std::string message;
  EXPECT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  EXPECT_TRUE(ComputeCrossCurves(hull.d(), *hull.surface, *hull.cuts, weights, angles,
                                 hull.prompter, points, message))
      << message;
  return points;
}

double DesignDisplacement(StabilityHull& hull) {
  EXPECT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  HydrostaticResults results;
  EXPECT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, results, hull.prompter));
  return SaltwaterDisplacement(results, hull.d().Units);
}

// Box 20 ft x 8 ft floated at 1 ft instead of its design 1.5 ft: KN is 0
// upright and follows KMt sin(phi), KMt = T/2 + B^2/(12 T), at small heels.
TEST(CrossCurves, BoxBargeIsZeroUprightAndKMtSinPhiAtSmallHeels) {
  StabilityHull hull;
  MakeBox(hull);
  const double weight = 20.0 * 8.0 * 1.0 * 64.0;
  const std::vector<KnPoint> points = Curves(hull, {weight}, Angles(0.0, 6.0, 2.0));
  ASSERT_EQ(points.size(), 4u);
  EXPECT_NEAR(points[0].kn, 0.0, 1e-9);
  const double kmt = 0.5 + 64.0 / 12.0;
  for (std::size_t k = 1; k < points.size(); ++k) {
    EXPECT_EQ(points[k].displacement, weight);
    const double expected = kmt * std::sin(points[k].angle * kRadians);
    EXPECT_NEAR(points[k].kn, expected, 0.02 * expected) << points[k].angle;
  }
}

// At the design displacement the curve is the stability run's GZ + KG sin(phi),
// whatever the centre of gravity the run was given; the hull comes back bit
// for bit after being floated at three displacements.
TEST(CrossCurves, DesignDisplacementMatchesTheRunAndTheHullIsRestored) {
  StabilityHull hull;
  MakeSailboat(hull);
  const double design = DesignDisplacement(hull);
  const double keel = hull.surface->extents.lowestZ;
  const auto netBefore = std::make_unique<VertexNet>(hull.d().Net);
  const auto surfaceBefore = std::make_unique<Surface>(*hull.surface);

  const std::vector<KnPoint> points =
      Curves(hull, {0.6 * design, design, 1.3 * design}, Angles(0.0, 60.0, 10.0));
  ASSERT_EQ(points.size(), 21u);
  EXPECT_TRUE(SameBytes(&hull.d().Net, netBefore.get(), sizeof(VertexNet)));
  EXPECT_TRUE(SameBytes(&hull.surface->grid, &surfaceBefore->grid, sizeof(SurfaceGrid)));
  EXPECT_EQ(hull.surface->extents.lowestZ, surfaceBefore->extents.lowestZ);

  const double vcg = keel + 30.0, lcg = 150.0;  // inches
  const StabilityRun run = hull.Run(60.0, 10.0, vcg, lcg);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 7u);
  for (std::size_t k = 0; k < run.rows.size(); ++k) {
    const KnPoint& p = points[7 + k];
    ASSERT_EQ(p.displacement, design);
    ASSERT_EQ(p.angle, run.rows[k].heel);
    const double kg = (vcg - keel) / 12.0;
    const double expected = run.rows[k].gz / 12.0 + kg * std::sin(p.angle * kRadians);
    EXPECT_NEAR(p.kn, expected, 1e-4 * std::max(1.0, std::fabs(expected))) << p.angle;
  }
  // The displacements come in the order given, each over every angle, and
  // a different displacement really floated the hull differently.
  for (std::size_t k = 0; k < points.size(); ++k) {
    EXPECT_EQ(points[k].displacement, (k < 7 ? 0.6 : k < 14 ? 1.0 : 1.3) * design);
    EXPECT_TRUE(std::isfinite(points[k].kn));
  }
  EXPECT_GT(std::fabs(points[2].kn - points[9].kn), 1e-3);
}

TEST(CrossCurves, DisplacementsTheHullCannotFloatAreNamedAndTheRestKept) {
  StabilityHull hull;
  MakeBox(hull);
  ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  const auto netBefore = std::make_unique<VertexNet>(hull.d().Net);
  // Sunk to the top at 48 inches the box displaces 20 x 8 x 4 ft^3.
  std::vector<KnPoint> points;
  std::string message;
  struct Counted : CrossCurvesProgress {
    std::vector<std::size_t> done;
    void DisplacementDone(std::size_t d, std::size_t count) override {
      EXPECT_EQ(count, 3u);
      done.push_back(d);
    }
  } progress;
  EXPECT_FALSE(ComputeCrossCurves(hull.d(), *hull.surface, *hull.cuts,
                                  {5000.0, 45000.0, 6000.0}, Angles(0.0, 30.0, 10.0),
                                  hull.prompter, points, message, &progress));
  // The two that float keep their four points each; the one that does not
  // is named once, and nothing went through the prompter.
  ASSERT_EQ(points.size(), 8u);
  EXPECT_EQ(points[0].displacement, 5000.0);
  EXPECT_EQ(points[4].displacement, 6000.0);
  EXPECT_NE(message.find("displacement 45000.000: The hull cannot displace 45000"),
            std::string::npos)
      << message;
  EXPECT_EQ(message.find("5000.000:"), message.find("45000.000:") + 1) << message;
  EXPECT_TRUE(hull.prompter.shown.empty());
  EXPECT_EQ(progress.done, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_TRUE(SameBytes(&hull.d().Net, netBefore.get(), sizeof(VertexNet)));
}

TEST(CrossCurves, DraftChangeForTheDesignDisplacementIsNone) {
  StabilityHull hull;
  MakeBox(hull);
  const double design = DesignDisplacement(hull);
  std::string message;
  const auto d = DraftChangeFor(hull.d(), *hull.surface, *hull.cuts, design, hull.prompter,
                                message);
  ASSERT_TRUE(d) << message;
  EXPECT_NEAR(*d, 0.0, 1e-5);
  const auto deeper = DraftChangeFor(hull.d(), *hull.surface, *hull.cuts, design * 1.5,
                                     hull.prompter, message);
  ASSERT_TRUE(deeper) << message;
  EXPECT_NEAR(*deeper, 9.0, 1e-4);  // 18 inches deep to 27
}

TEST(CrossCurves, InputsAreChecked) {
  struct ListCase {
    const char* text;
    std::size_t count;  // 0: refused
  };
  const ListCase lists[] = {{"1000", 1},  {"1000,2000.5,3e3", 3}, {"", 0},    {"1000,", 0},
                            {"-5", 0},    {"0", 0},               {"1,x", 0}, {"nan", 0},
                            {"1,,2", 0}};
  for (const ListCase& c : lists) {
    std::string message;
    const auto list = ParseDisplacementList(c.text, message);
    if (c.count == 0) {
      EXPECT_FALSE(list) << c.text;
      EXPECT_FALSE(message.empty()) << c.text;
    } else {
      ASSERT_TRUE(list) << c.text << ": " << message;
      EXPECT_EQ(list->size(), c.count) << c.text;
    }
  }
  std::string many = "1";
  for (int k = 0; k < kMaxCrossDisplacements; ++k) many += ",1";
  std::string message;
  EXPECT_FALSE(ParseDisplacementList(many, message));

  struct AngleCase {
    double from, to, step;
    bool ok;
  };
  const AngleCase angles[] = {{0, 90, 10, true},  {20, 90, 10, true}, {-1, 90, 10, false},
                              {0, 90, 0, false},  {95, 90, 10, false}, {0, 5, 10, false},
                              {NAN, 90, 10, false}};
  for (const AngleCase& c : angles) {
    std::string why;
    EXPECT_EQ(CheckCrossAngles(c.from, c.to, c.step, why).has_value(), c.ok)
        << c.from << ":" << c.to << ":" << c.step << " " << why;
  }
}

TEST(CrossCurves, TableHasARowPerAngleAndAColumnPerDisplacement) {
  const std::vector<KnPoint> points{{1000, 0, 0.0}, {1000, 10, 0.512}, {2000, 0, 0.0},
                                    {2000, 10, 0.4}, {3000, 10, -0.0001}};
  const std::string text = FormatCrossCurves(points, kInches, "boat.s98");
  EXPECT_EQ(text,
            "Cross Curves (KN) boat.s98\n"
            "KN in ft for the displacements in lb, G at the keel\n"
            "       Angle        1000        2000        3000\n"
            "         0.0       0.000       0.000           -\n"
            "        10.0       0.512       0.400       0.000\n");  // never -0.000
}

}  // namespace
}  // namespace skelmora
