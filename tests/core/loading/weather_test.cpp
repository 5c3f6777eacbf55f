// The weather criterion, the down-flooding angle and the limiting KG on a
// box barge, whose levers are wall-sided until the deck edge goes under:
// GZ = sin(phi) (GM + BM tan^2(phi) / 2). The weather criterion is worked
// by hand below from the formulas and tables of the IMO 2008 IS Code,
// Part A, 2.3 (tables 2.3.4-1 to 2.3.4-4).
#include <cmath>
#include <functional>

#include "loading/assessment.h"
#include "loading_fixture.h"
#include "stability/heeled_section.h"

namespace skelmora {
namespace {

HeelSteps Steps(double most, double step) {
  std::string message;
  return *CheckHeelInputs(most, step, message);
}

// The root of f between a and b (f(a) < 0 < f(b) or the reverse).
double Root(const std::function<double(double)>& f, double a, double b) {
  for (int k = 0; k < 200; ++k) {
    const double m = 0.5 * (a + b);
    ((f(m) < 0.0) == (f(a) < 0.0) ? a : b) = m;
  }
  return 0.5 * (a + b);
}

// Simpson's rule, n even.
double Integral(const std::function<double(double)>& f, double a, double b, int n = 2000) {
  const double h = (b - a) / n;
  double sum = f(a) + f(b);
  for (int i = 1; i < n; ++i) sum += f(a + i * h) * (i % 2 ? 4.0 : 2.0);
  return sum * h / 3.0;
}

// 100 ft x 20 ft x 13.33 ft (inches), floating at half its depth.
struct Barge {
  DesignSession session;
  FloatingHull hull;
  LoadingCondition condition;
  Barge(double vcg) {
    test_loading::MakeBox(session, 1200.0, 240.0, 160.0);
    hull = BuildFloatingHull(*session.surface, session.design.Units);
    const double weight = 1200.0 * 240.0 * 80.0 * test_loading::SeawaterPerVolume(hull.units);
    condition.lightship = {"LIGHTSHIP", weight, 600.0, vcg, 0.0};
    condition.windage.push_back({"House", 48000.0, 140.0});
    condition.bilgeKeelArea = 5040.0;  // 1.75 % of L B
  }
  ConditionRun Run(const HeelSteps& steps) {
    return RunCondition(*session.surface, session.design.Units, condition, steps);
  }
};

TEST(WeatherCriterion, BoxBargeMatchesTheHandComputation) {
  Barge barge(2.0);  // KG 82 in above the keel
  barge.condition.openings.push_back({"Vent", 120.0, 600.0, 30.0});  // 30 in above the water
  const ConditionRun run = barge.Run(Steps(40.0, 1.0));
  ASSERT_TRUE(run.equilibrium.ok()) << run.equilibrium.message;
  ASSERT_TRUE(run.levers);
  const ConditionAssessment a =
      AssessCondition(run.hull, barge.condition, run.weights, run.equilibrium, *run.levers);
  const WeatherResult& w = a.weather;
  const WeatherInputs& in = a.weatherInputs;

  // By hand, in metres and tonnes.
  const double in2m = 0.0254;
  const double L = 1200 * in2m, B = 240 * in2m, d = 80 * in2m;
  const double delta = 1200.0 * 240.0 * 80.0 * 0.03704 * 0.45359237e-3;  // t
  const double A = (1200.0 * 80.0 + 48000.0) * in2m * in2m;
  // Centre of A: (96000 x 40 + 48000 x 140) / 144000 in; of the underwater profile: -40 in.
  const double Z = ((96000.0 * 40.0 + 48000.0 * 140.0) / 144000.0 + 40.0) * in2m;
  const double lw1 = 504.0 * A * Z / (1000.0 * 9.81 * delta);
  const double lw2 = 1.5 * lw1;
  const double BM = B * B / (12.0 * d), KB = d / 2.0, KG = 82.0 * in2m;
  const double GM = KB + BM - KG;
  const double Bd = B / d;                        // 3.0: X1 = 0.90
  const double X1 = 0.90, X2 = 1.0;               // Cb = 1 >= 0.70
  const double k = 0.95 + 0.5 * (0.88 - 0.95);    // 1.75 % between 1.5 and 2.0
  const double OG = KG - d;
  const double r = 0.73 + 0.6 * OG / d;
  const double C = 0.373 + 0.023 * Bd - 0.043 * L / 100.0;
  const double T = 2.0 * C * B / std::sqrt(GM);   // 7.73 s
  const double s = 0.098 + (T - 7.0) * (0.093 - 0.098);
  const double phi1 = 109.0 * k * X1 * X2 * std::sqrt(r * s);
  const double rad = kDegreesToRadians;
  auto gz = [&](double deg) {
    const double p = deg * rad;
    return std::sin(p) * (GM + BM * std::tan(p) * std::tan(p) / 2.0);
  };
  const double phi0 = Root([&](double p) { return gz(p) - lw1; }, 0.0, 30.0);
  const double phiI = Root([&](double p) { return gz(p) - lw2; }, 0.0, 30.0);
  const double phiF = std::atan(30.0 / 120.0) / rad;
  const double phi2 = std::min(50.0, phiF);  // GZ does not fall back to lw2 before it
  const double areaA = Integral([&](double p) { return lw2 - gz(p); }, phi0 - phi1, phiI) * rad;
  const double areaB = Integral([&](double p) { return gz(p) - lw2; }, phiI, phi2) * rad;

  EXPECT_NEAR(in.displacement, delta, 1e-6 * delta);
  EXPECT_NEAR(in.windArea, A, 1e-6 * A);
  EXPECT_NEAR(in.windHeight, Z, 1e-6 * Z);
  EXPECT_NEAR(in.breadth, B, 1e-9);
  EXPECT_NEAR(in.draft, d, 1e-6);
  EXPECT_NEAR(in.waterlineLength, L, 1e-6);
  EXPECT_NEAR(w.cb, 1.0, 1e-6);
  EXPECT_NEAR(in.gm, GM, 1e-6);
  EXPECT_NEAR(in.og, OG, 1e-6);
  EXPECT_NEAR(w.windLever, lw1, 1e-6 * lw1);
  EXPECT_NEAR(w.gustLever, lw2, 1e-6 * lw2);
  EXPECT_NEAR(w.breadthDraft, Bd, 1e-6);
  EXPECT_NEAR(w.x1, X1, 1e-5);
  EXPECT_NEAR(w.x2, X2, 1e-9);
  EXPECT_NEAR(w.k, k, 1e-6);
  EXPECT_NEAR(w.r, r, 1e-6);
  EXPECT_NEAR(w.c, C, 1e-6);
  ASSERT_TRUE(w.rollPeriod && w.rollAngle && w.steadyHeel && w.gustHeel && w.phi2);
  EXPECT_NEAR(*w.rollPeriod, T, 1e-5);
  EXPECT_NEAR(w.s, s, 1e-6);
  EXPECT_NEAR(*w.rollAngle, phi1, 1e-4);
  // Levers every degree, linear between: angles to a hundredth of a degree.
  EXPECT_NEAR(*w.steadyHeel, phi0, 0.01);
  EXPECT_NEAR(*w.gustHeel, phiI, 0.01);
  ASSERT_TRUE(a.downflooding);
  EXPECT_NEAR(*a.downflooding, phiF, 1e-3);
  EXPECT_NEAR(*w.phi2, phi2, 1e-3);
  ASSERT_TRUE(w.areaA && w.areaB);
  EXPECT_NEAR(*w.areaA, areaA, 0.005 * areaA);
  EXPECT_NEAR(*w.areaB, areaB, 0.01 * areaB);
  EXPECT_NEAR(w.steadyHeelLimit, 16.0, 1e-9);  // 0.8 x 33.7 is more
  ASSERT_EQ(w.criteria.size(), 2u);
  EXPECT_EQ(w.criteria[0].pass, areaB >= areaA);
  EXPECT_TRUE(w.criteria[1].pass);

  // The general areas end at phiF and say so; 30 to phiF has no area.
  ASSERT_GE(a.criteria.size(), 8u);
  EXPECT_EQ(a.criteria[1].name, "Area under GZ 0 to phiF 14.0");
  ASSERT_TRUE(a.criteria[1].value);
  EXPECT_NEAR(*a.criteria[1].value, Integral(gz, 0.0, phiF) * rad, 0.005 * *a.criteria[1].value);
  EXPECT_EQ(a.criteria[2].name, "Area under GZ 30 to phiF 14.0");
  EXPECT_FALSE(a.criteria[2].pass);
}

TEST(WeatherCriterion, WindwardLeversOfAListedShipAreRunOnTheirOwn) {
  // G 6 in toward the modelled side: GZ(phi) = sin(phi) (GM + BM tan^2(phi) / 2)
  // - t cos(phi) on either side while the deck edge stays out.
  Barge barge(2.0);
  const double t = 6.0;
  barge.condition.lightship.tcg = t;
  const ConditionRun run = barge.Run(Steps(40.0, 5.0));
  ASSERT_TRUE(run.equilibrium.ok() && run.levers);
  const ConditionAssessment a =
      AssessCondition(run.hull, barge.condition, run.weights, run.equilibrium, *run.levers);
  EXPECT_EQ(a.leverCurves, 1);
  const double gm = 40.0 + 60.0 - 82.0, bm = 60.0, in2m = 0.0254;
  int checked = 0;
  for (const GzPoint& p : a.weatherInputs.table) {
    if (std::fabs(p.heel) > 30.0) continue;
    const double phi = p.heel * kDegreesToRadians;
    const double gz =
        std::sin(phi) * (gm + bm * std::tan(phi) * std::tan(phi) / 2.0) - t * std::cos(phi);
    EXPECT_NEAR(p.gz, gz * in2m, 1e-6) << p.heel;
    ++checked;
  }
  EXPECT_EQ(checked, 13);  // -30 to 30 by 5
}

TEST(WeatherCriterion, RollFactorsFollowTheCodesTables) {
  struct Case {
    double (*factor)(double);
    double x, expected;
  };
  const Case cases[] = {
      {RollFactorX1, 2.0, 1.0},  {RollFactorX1, 2.45, 0.99}, {RollFactorX1, 3.3, 0.84},
      {RollFactorX1, 4.0, 0.80}, {RollFactorX2, 0.40, 0.75}, {RollFactorX2, 0.575, 0.92},
      {RollFactorX2, 0.9, 1.0},  {RollFactorS, 5.0, 0.100},  {RollFactorS, 10.0, 0.079},
      {RollFactorS, 25.0, 0.035}};
  for (const Case& c : cases) EXPECT_NEAR(c.factor(c.x), c.expected, 1e-12) << c.x;
  EXPECT_NEAR(RollFactorK(0.0, false), 1.0, 1e-12);
  EXPECT_NEAR(RollFactorK(2.25, false), 0.835, 1e-12);
  EXPECT_NEAR(RollFactorK(5.0, false), 0.70, 1e-12);
  EXPECT_NEAR(RollFactorK(0.0, true), 0.70, 1e-12);
}

TEST(DownFlooding, OpeningAtTheDeckEdgeAmidshipsGoesUnderWithTheDeck) {
  Barge barge(2.0);
  barge.condition.openings.push_back({"Hatch", 120.0, 600.0, 80.0});
  const ConditionRun run = barge.Run(Steps(60.0, 5.0));
  ASSERT_TRUE(run.equilibrium.ok() && run.levers);
  const ConditionAssessment a =
      AssessCondition(run.hull, barge.condition, run.weights, run.equilibrium, *run.levers);
  ASSERT_TRUE(a.downflooding.has_value());
  ASSERT_TRUE(a.deckImmersion.has_value());
  EXPECT_NEAR(*a.downflooding, *a.deckImmersion, 1e-5);
  // The deck edge of a box at half its depth: atan(80 / 120).
  EXPECT_NEAR(*a.deckImmersion, std::atan(80.0 / 120.0) / kDegreesToRadians, 1e-4);
  // Not reached within 60 degrees: no angle, and the areas end at 40.
  barge.condition.openings = {{"Mast", 0.0, 600.0, 2000.0}};
  const ConditionAssessment high =
      AssessCondition(run.hull, barge.condition, run.weights, run.equilibrium, *run.levers);
  EXPECT_FALSE(high.downflooding);
  EXPECT_EQ(high.criteria[1].name, "Area under GZ 0 to 40 deg");
}

TEST(LimitingKg, EachLimitHoldsAndOnePercentOfTheDepthHigherFails) {
  Barge barge(2.0);
  barge.condition.openings.push_back({"Vent", 60.0, 600.0, 150.0});
  const HeelSteps steps = Steps(90.0, 5.0);
  const ConditionWeights base = SumCondition(barge.hull, barge.condition);
  const double depth = 160.0;
  for (double fraction : {0.4, 0.5, 0.6}) {
    const double weight = fraction * 2.0 * base.weight;
    const KgLimitRow row = LimitingKg(barge.hull, barge.condition, base, weight, steps);
    ASSERT_TRUE(row.vcg) << row.message;
    EXPECT_NEAR(*row.kg, *row.vcg + 80.0, 1e-9);
    EXPECT_FALSE(row.governing.empty());
    const KgTrial at = TryKg(barge.hull, barge.condition, base, weight, *row.vcg, steps);
    EXPECT_TRUE(at.Passes()) << fraction << " " << row.governing;
    const KgTrial above =
        TryKg(barge.hull, barge.condition, base, weight, *row.vcg + 0.01 * depth, steps);
    EXPECT_FALSE(above.Passes()) << fraction;
    ASSERT_TRUE(above.assessment);
    bool governingFails = false;
    for (const Criterion& c : above.assessment->criteria) {
      if (c.name == row.governing) governingFails = !c.pass;
    }
    EXPECT_TRUE(governingFails) << fraction << " " << row.governing;
  }
}

}  // namespace
}  // namespace skelmora
