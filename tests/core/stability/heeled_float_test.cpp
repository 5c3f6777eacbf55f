// The heeled waterline search on hulls whose deck edge goes under along
// part of the length only: every heel of a closed hull floats, and a step
// that cannot be floated is marked, never taken as a result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/stability/stability_fixtures.h"
#include "files/text_io.h"
#include "hydro/hydrostatics.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_generator.h"
#include "stability/criteria.h"
#include "stability/heel_steps.h"
#include "stability/stability_data.h"

namespace skelmora {
namespace {

using test::StabilityHull;

// A box 240 long, 96 wide, draft 18, whose sheer falls straight from 40
// above the waterline at the bow to 8 at the stern (degree 1 both ways, so
// every station is the exact rectangle). Heeled, its deck edge goes under
// aft while the bow's starboard sheer is still dry.
constexpr double kLength = 240.0, kHalf = 48.0, kDraft = 18.0;
constexpr double kBowSheer = 40.0, kSternSheer = 8.0;

void MakeSheeredBox(StabilityHull& hull) {
  HullDesign& d = hull.d();
  d.Units = kInches;
  d.LastColumn = 1;
  d.LastRow = 2;
  d.WaterlineTension = 1;
  d.StationTension = 1;
  d.DesignOpen = true;
  for (int c = 0; c <= 1; ++c) {
    const float y = static_cast<float>(c * kLength);
    const float sheer = static_cast<float>(c == 0 ? kBowSheer : kSternSheer);
    d.Net[c][0] = Vertex{0.0f, y, -18.0f, 1.0f};
    d.Net[c][1] = Vertex{48.0f, y, -18.0f, 1.0f};
    d.Net[c][2] = Vertex{48.0f, y, sheer, 1.0f};
  }
  hull.Rebuild();
}

// The exact reference: the rectangle of station y turned by the heel,
// lifted by s and clipped at z = 0 (area and its centroid's x), integrated
// along the length with Simpson's rule over 400 strips.
struct Immersed {
  double area = 0.0, moment = 0.0;
};

Immersed ClippedRectangle(double top, double heel, double s) {
  const Turn turn(heel, s);
  const double corners[4][2] = {{-kHalf, -kDraft}, {kHalf, -kDraft}, {kHalf, top}, {-kHalf, top}};
  std::vector<std::pair<double, double>> in;
  for (int k = 0; k < 4; ++k) {
    const auto& p = corners[k];
    const auto& q = corners[(k + 1) % 4];
    const double px = turn.X(p[0], p[1]), pz = turn.Z(p[0], p[1]);
    const double qx = turn.X(q[0], q[1]), qz = turn.Z(q[0], q[1]);
    if (pz <= 0.0) in.push_back({px, pz});
    if ((pz <= 0.0) != (qz <= 0.0)) in.push_back({px + (qx - px) * pz / (pz - qz), 0.0});
  }
  Immersed r;
  for (size_t k = 0; k < in.size(); ++k) {
    const auto& [x0, z0] = in[k];
    const auto& [x1, z1] = in[(k + 1) % in.size()];
    const double cross = x0 * z1 - x1 * z0;
    r.area += cross / 2.0;
    r.moment += cross * (x0 + x1) / 6.0;
  }
  if (r.area < 0.0) r.area = -r.area, r.moment = -r.moment;
  return r;
}

Immersed ExactHull(double heel, double s) {
  constexpr int n = 400;
  Immersed total;
  for (int k = 0; k <= n; ++k) {
    const double t = static_cast<double>(k) / n;
    const double w = (k == 0 || k == n) ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
    const Immersed section = ClippedRectangle(kBowSheer + t * (kSternSheer - kBowSheer), heel, s);
    total.area += w * section.area * kLength / (3.0 * n);
    total.moment += w * section.moment * kLength / (3.0 * n);
  }
  return total;
}

// GZ of the exact hull with G on the centreline at height vcg.
double ExactGz(double heel, double vcg) {
  const double target = ExactHull(0.0, 0.0).area;
  double lo = -200.0, hi = 200.0;  // wholly under / wholly out
  for (int k = 0; k < 100; ++k) {
    const double mid = (lo + hi) / 2.0;
    (ExactHull(heel, mid).area > target ? lo : hi) = mid;
  }
  const Immersed at = ExactHull(heel, (lo + hi) / 2.0);
  return at.moment / at.area - std::sin(heel * kDegreesToRadians) * vcg;
}

TEST(HeeledFloat, SheeredBoxFloatsAtEveryHeelAndMatchesTheExactClosedHull) {
  StabilityHull hull;
  MakeSheeredBox(hull);
  const StabilityRun run = hull.Run(180, 10, 0.0, 120.0);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 19u);
  EXPECT_TRUE(run.NotFound().empty());
  for (const StabilityRow& row : run.rows) {
    EXPECT_TRUE(row.found) << row.heel;
    EXPECT_LT(std::fabs(row.volume - run.targetVolume) / run.targetVolume, 0.002) << row.heel;
    // The run integrates 21 stations over the waterline and weighs them
    // alike for the centre of buoyancy; the reference integrates 401: within
    // 1 % of the half-breadth.
    EXPECT_NEAR(row.gz, ExactGz(row.heel, 0.0), 0.01 * kHalf) << row.heel;
  }
}

// The shape of a hand-made design: 6 columns by 5 rows, a column chine and
// a row chine, vertex weights 2 and 0.5, the sheer open (no deck rows) and
// low amidships.
void MakeSixByFive(StabilityHull& hull) {
  HullDesign& d = hull.d();
  d.Units = kInches;
  d.LastColumn = 5;
  d.LastRow = 4;
  d.WaterlineTension = 3;
  d.StationTension = 3;
  d.ColumnChineCount = 1;
  d.ColumnChines[0] = 3;
  d.RowChineCount = 1;
  d.RowChines[0] = 2;
  d.DesignOpen = true;
  const double breadth[6] = {0.05, 0.6, 0.95, 1.0, 0.9, 0.75};
  const double depth[6] = {0.2, 0.8, 1.0, 1.0, 0.8, 0.3};
  const double sheer[6] = {32.0, 27.2, 24.0, 24.0, 24.8, 26.4};
  const double rowX[5] = {0.0, 0.55, 0.9, 1.0, 1.02};
  for (int c = 0; c <= 5; ++c) {
    const double keel = -22.0 * depth[c];
    const double rowZ[5] = {keel, keel * 0.8, keel * 0.2, sheer[c] * 0.4, sheer[c]};
    for (int r = 0; r <= 4; ++r) {
      const float w = (c == 2 && r == 2) ? 2.0f : (c == 4 && r == 3) ? 0.5f : 1.0f;
      d.Net[c][r] = Vertex{static_cast<float>(42.0 * breadth[c] * rowX[r]),
                           static_cast<float>(60.0 * c), static_cast<float>(rowZ[r]), w};
    }
  }
  hull.Rebuild();
}

TEST(HeeledFloat, SixByFiveHullWithChinesAndWeightsFloatsAtEveryHeelTo90) {
  StabilityHull hull;
  MakeSixByFive(hull);
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(90, 10, message);
  const StabilityRun run = RunStability(hull.records, inputs, hull.prompter);
  ASSERT_TRUE(run.ok);
  ASSERT_EQ(run.rows.size(), 10u);
  for (const StabilityRow& row : run.rows) {
    EXPECT_TRUE(row.found) << row.heel;
    EXPECT_LT(std::fabs(row.volume - run.targetVolume) / run.targetVolume, 0.002) << row.heel;
  }
  // One hump: GZ rises to its largest value, then falls at every step.
  int turns = 0;
  for (size_t p = 2; p < run.rows.size(); ++p) {
    const double before = run.rows[p - 1].gz - run.rows[p - 2].gz;
    const double now = run.rows[p].gz - run.rows[p - 1].gz;
    if ((before > 0.0) != (now > 0.0)) ++turns;
  }
  EXPECT_EQ(turns, 1);
}

TEST(HeeledFloat, CargoShipFloatsAt74Degrees) {
  // The generated cargo ship, heeled by 2 degree steps past 74.
  StabilityHull hull;
  HullInputs in = InitialHullInputs(kInputMetres);
  ApplyDefaults(in, HullType::kCargoShip);
  ASSERT_FALSE(GenerateHull(hull, HullType::kCargoShip, in).has_value());
  ASSERT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(76, 2, message);
  const StabilityRun run = RunStability(hull.records, inputs, hull.prompter);
  ASSERT_TRUE(run.ok) << (hull.prompter.shown.empty() ? "" : hull.prompter.shown[0]);
  ASSERT_EQ(run.rows.size(), 39u);
  const StabilityRow& at74 = run.rows[37];
  EXPECT_EQ(at74.heel, 74.0);
  EXPECT_TRUE(at74.found);
  EXPECT_LT(std::fabs(at74.volume - run.targetVolume) / run.targetVolume, 0.002);
  EXPECT_TRUE(run.NotFound().empty());
}

// Sections that cross themselves (the sheer drawn past the centreline):
// heeled far enough, no waterline gives the upright volume.
void MakeCrossedSections(StabilityHull& hull) {
  HullDesign& d = hull.d();
  d.Units = kInches;
  d.LastColumn = 1;
  d.LastRow = 2;
  d.WaterlineTension = 1;
  d.StationTension = 1;
  d.DesignOpen = true;
  for (int c = 0; c <= 1; ++c) {
    const float y = static_cast<float>(c * 240.0);
    d.Net[c][0] = Vertex{0.0f, y, -18.0f, 1.0f};
    d.Net[c][1] = Vertex{48.0f, y, -18.0f, 1.0f};
    d.Net[c][2] = Vertex{-60.0f, y, 30.0f, 1.0f};
  }
  hull.Rebuild();
}

TEST(HeeledFloat, StepsNotFoundAreMarkedAndLeftOutOfEveryResult) {
  StabilityHull hull;
  MakeCrossedSections(hull);
  const StabilityRun run = hull.Run(60, 10, 0.0, 120.0);
  ASSERT_TRUE(run.ok);
  const std::vector<double> missing = run.NotFound();
  ASSERT_FALSE(missing.empty());
  for (const StabilityRow& row : run.rows) {
    const double miss = std::fabs(row.volume - run.targetVolume) / run.targetVolume;
    EXPECT_EQ(row.found, miss <= kFoundTolerance) << row.heel;
  }
  const std::string message = NotFoundMessage(run);
  for (const double heel : missing) {
    EXPECT_NE(message.find(FormatFixed(heel, 0, 0)), std::string::npos) << message;
  }
  // The heeled body view gets only the rows found.
  EXPECT_EQ(HeelStepsOf(run, 0.0).size(), run.rows.size() - missing.size());
  // The data file marks them in both tables, and reading it back gives
  // their angles only.
  const std::string text = FormatStabilityData(run, "crossed", kInches);
  const StabilityTables tables =
      ReadStabilityTables(text, static_cast<int>(run.rows.size()));
  EXPECT_EQ(tables.notFound, missing);
  for (size_t p = 0; p < run.rows.size(); ++p) {
    const size_t expected = run.rows[p].found ? 6u : 1u;
    EXPECT_EQ(tables.second[p].size(), expected) << run.rows[p].heel;
    EXPECT_EQ(tables.first[p].size(), run.rows[p].found ? 18u : 1u) << run.rows[p].heel;
  }
  // Criteria that reach over a missing heel are not judged.
  const std::vector<Criterion> criteria = EvaluateCriteria(run, kInches);
  ASSERT_LE(missing.front(), 30.0);
  for (const size_t c : {0u, 1u, 3u, 4u}) {
    EXPECT_FALSE(criteria[c].value) << criteria[c].name;
    EXPECT_EQ(criteria[c].note, kHeelNotFound) << criteria[c].name;
    EXPECT_FALSE(criteria[c].pass) << criteria[c].name;
  }
}

}  // namespace
}  // namespace skelmora
