#include "shapes/trim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "model/net_edit.h"
#include "core/files/file_test_support.h"

namespace skelmora {
namespace {

using test::Hull;

double LargestDifference(const HullDesign& a, const HullDesign& b) {
  double worst = 0.0;
  for (int c = 0; c <= a.LastColumn; ++c) {
    for (int r = 0; r <= a.LastRow; ++r) {
      const Vertex& p = a.Net[c][r];
      const Vertex& q = b.Net[c][r];
      worst = std::max({worst, std::fabs(double(p.x) - q.x), std::fabs(double(p.y) - q.y),
                        std::fabs(double(p.z) - q.z), std::fabs(double(p.w) - q.w)});
    }
  }
  return worst;
}

double Volume(Hull& hull) {
  EXPECT_TRUE(ComputeHydrostatics(hull.design, *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter));
  return hull.results.volume;
}

class Trim : public ::testing::Test {
 protected:
  void SetUp() override { test::MakeSailboat(hull); }
  bool TrimBy(double degrees) {
    return TrimHull(hull.design, *hull.surface, *hull.cuts, history, hull.prompter, degrees);
  }
  skelmora::testing::TempDir dir;
  UndoHistory history{dir.path()};
  Hull hull;
};

TEST_F(Trim, ByTheSternTurnsAboutTheCentreOfFlotation) {
  const auto lcf = CentreOfFlotation(hull.design, *hull.surface, *hull.cuts);
  ASSERT_TRUE(lcf);
  // The polyline centroid agrees with the hydrostatics' Simpson value.
  Volume(hull);
  EXPECT_NEAR(*lcf, hull.results.lcf, 0.01 * hull.results.lwl);

  const Vertex bow = hull.design.Net[0][4], stern = hull.design.Net[4][4];
  ASSERT_TRUE(TrimBy(2.0));
  // The stern goes down, the bow comes up; a point's distance from the
  // pivot on the waterline is kept.
  EXPECT_LT(hull.design.Net[4][4].z, stern.z);
  EXPECT_GT(hull.design.Net[0][4].z, bow.z);
  const auto after = CentreOfFlotation(hull.design, *hull.surface, *hull.cuts);
  ASSERT_TRUE(after);
  const double p = *after;  // close to the pivot used
  auto distance = [p](const Vertex& v) { return std::hypot(v.y - p, double(v.z)); };
  EXPECT_NEAR(distance(hull.design.Net[4][4]), distance(stern), 0.02 * hull.results.lwl);
  EXPECT_EQ(hull.design.UndoCount, 1);
}

TEST_F(Trim, OppositeTrimsGiveTheNetBack) {
  const auto before = std::make_unique<HullDesign>(hull.design);
  for (double degrees : {1.0, -3.0, 0.25}) {
    ASSERT_TRUE(TrimBy(degrees));
    ASSERT_TRUE(TrimBy(-degrees));
    EXPECT_LT(LargestDifference(*before, hull.design), 1e-4) << degrees;
  }
}

TEST_F(Trim, SmallTrimsKeepTheDisplacement) {
  const double upright = Volume(hull);
  ASSERT_GT(upright, 0.0);
  for (double degrees : {0.5, 1.0, -1.0, 2.0}) {
    test::MakeSailboat(hull);
    ASSERT_TRUE(TrimBy(degrees));
    EXPECT_NEAR(Volume(hull), upright, 0.005 * upright) << degrees;
  }
}

TEST_F(Trim, UndoRestoresTheHull) {
  const auto before = std::make_unique<HullDesign>(hull.design);
  ASSERT_TRUE(TrimBy(1.5));
  ASSERT_GT(LargestDifference(*before, hull.design), 1.0);
  ASSERT_TRUE(history.Undo(hull.design, *hull.surface));
  EXPECT_EQ(LargestDifference(*before, hull.design), 0.0);
}

TEST_F(Trim, SternTrimGivesItsAngle) {
  const double length = WaterlineLength(hull.design, *hull.surface, *hull.cuts);
  ASSERT_GT(length, 0.0);
  const auto angle = TrimAngleFor(hull.design, *hull.surface, *hull.cuts, 6.0);
  ASSERT_TRUE(angle);
  EXPECT_NEAR(std::tan(*angle * 0.0174535299764377) * length, 6.0, 1e-9);
  // The waterline's aft end sinks by about that much more than its forward
  // end rises: the trim measured on the vertices at the waterline ends.
  EXPECT_FALSE(TrimAngleFor(hull.design, *hull.surface, *hull.cuts,
                            std::numeric_limits<double>::quiet_NaN()));
}

TEST_F(Trim, RefusalsChangeNothing) {
  const auto before = std::make_unique<HullDesign>(hull.design);
  struct Case {
    double degrees;
    const char* message;
  };
  for (const Case& c : {Case{46.0, kTrimRangeMessage}, Case{-90.0, kTrimRangeMessage},
                        Case{std::numeric_limits<double>::quiet_NaN(), kTrimRangeMessage}}) {
    hull.prompter.errors.clear();
    EXPECT_FALSE(TrimBy(c.degrees));
    EXPECT_EQ(hull.prompter.errors, std::vector<std::string>{c.message});
  }
  // Lifted clear of the water: no centre of flotation.
  for (int c = 0; c <= 4; ++c) {
    for (int r = 0; r <= 4; ++r) hull.design.Net[c][r].z += 1000.0f;
  }
  hull.Rebuild();
  hull.prompter.errors.clear();
  EXPECT_FALSE(TrimBy(1.0));
  EXPECT_EQ(hull.prompter.errors, std::vector<std::string>{kNoFlotationMessage});
  // A net so long that the turn would leave the float range.
  test::MakeSailboat(hull);
  hull.design.Net[4][4].y = 3.3e38f;  // turned by 10 degrees: 3.3e38 (cos + sin) > 3.4e38
  hull.design.Net[4][4].z = 3.3e38f;
  hull.Rebuild();
  hull.prompter.errors.clear();
  const auto huge = std::make_unique<HullDesign>(hull.design);
  EXPECT_FALSE(TrimBy(10.0));
  EXPECT_EQ(hull.prompter.errors, std::vector<std::string>{kNetOverflowMessage});
  EXPECT_EQ(LargestDifference(*huge, hull.design), 0.0);
  EXPECT_EQ(hull.design.UndoCount, 0);
}

}  // namespace
}  // namespace skelmora
