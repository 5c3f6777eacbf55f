// The floating position and tanks of a box barge against its closed forms.
#include <cmath>

#include "loading/floating.h"
#include "loading_fixture.h"
#include "stability/heeled_section.h"

namespace skelmora {
namespace {

using test_loading::MakeBox;

constexpr double kL = 120.0, kB = 24.0, kD = 16.0;  // z from -8 to 8

class BoxBarge : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeBox(session, kL, kB, kD);
    hull = BuildFloatingHull(*session.surface, session.design.Units);
    rho = test_loading::SeawaterPerVolume(hull.units);
  }
  // A condition of one weight at (lcg, vcg, tcg) drawing the draft t.
  LoadingCondition Loaded(double t, double lcg, double vcg, double tcg) const {
    LoadingCondition c;
    c.lightship = {"LIGHTSHIP", rho * kL * kB * t, lcg, vcg, tcg};
    return c;
  }
  DesignSession session;
  FloatingHull hull;
  double rho = 0.0;
};

TEST_F(BoxBarge, ClosedHullIsTheBox) {
  EXPECT_NEAR(hull.volume, kL * kB * kD, 1e-6 * kL * kB * kD);
  EXPECT_DOUBLE_EQ(hull.keelZ, -kD / 2);
}

// W / (rho L B), upright and level.
TEST_F(BoxBarge, EquilibriumDraftIsWeightOverWaterplane) {
  for (double t : {2.0, 6.0, 11.5}) {
    const ConditionWeights w = SumCondition(hull, Loaded(t, kL / 2, -6.0, 0.0));
    const Equilibrium e = FindEquilibrium(hull, w);
    ASSERT_TRUE(e.ok()) << e.message;
    const double closed = w.weight / (rho * kL * kB);
    EXPECT_NEAR(e.draftMid, closed, 1e-6 * closed) << t;
    EXPECT_NEAR(e.draftFore, closed, 1e-6 * closed);
    EXPECT_NEAR(e.heel, 0.0, 1e-6);
    EXPECT_NEAR(e.displacement, w.weight, 1e-6 * w.weight);
    EXPECT_NEAR(e.lcf, kL / 2, 1e-6 * kL);
    // KMt = T/2 + B^2/(12 T), KML = T/2 + L^2/(12 T) from the waterplane.
    EXPECT_NEAR(e.kmt, closed / 2 + kB * kB / (12 * closed), 1e-6 * kB);
    EXPECT_NEAR(e.kml, closed / 2 + kL * kL / (12 * closed), 1e-6 * kL);
    EXPECT_NEAR(e.freeboard, kD - closed, 1e-6 * kD);
  }
}

// tan(theta) = W (LCG - LCB) / (Delta GML) at a small trim.
TEST_F(BoxBarge, LongitudinalShiftTrimsByTheClosedForm) {
  const double t = 6.0, vcg = -4.0;
  for (double offset : {0.3, -0.6}) {
    const ConditionWeights w = SumCondition(hull, Loaded(t, kL / 2 + offset, vcg, 0.0));
    const Equilibrium e = FindEquilibrium(hull, w);
    ASSERT_TRUE(e.ok()) << e.message;
    const double kb = -kD / 2 + t / 2;
    const double gml = kL * kL / (12 * t) - (vcg - kb);
    const double closed = offset / gml;
    const double ours = std::tan(e.trimAngle * kDegreesToRadians);
    EXPECT_NEAR(ours, closed, 0.01 * std::fabs(closed)) << offset;
    EXPECT_GT(e.trim * offset, 0.0);  // by the stern when G is aft
    EXPECT_NEAR(e.draftMid, t, 0.01 * t);
  }
}

// tan(phi) = W TCG / (Delta GMt) at a small heel.
TEST_F(BoxBarge, TransverseShiftHeelsByTheClosedForm) {
  const double t = 6.0, vcg = -4.0;
  for (double tcg : {0.1, -0.2}) {
    const ConditionWeights w = SumCondition(hull, Loaded(t, kL / 2, vcg, tcg));
    const Equilibrium e = FindEquilibrium(hull, w);
    ASSERT_TRUE(e.ok()) << e.message;
    const double gmt = kB * kB / (12 * t) - (vcg - (-kD / 2 + t / 2));
    const double closed = tcg / gmt;
    EXPECT_NEAR(std::tan(e.heel * kDegreesToRadians), closed, 0.01 * std::fabs(closed)) << tcg;
    EXPECT_NEAR(e.trimAngle, 0.0, 1e-6);
  }
}

// A rectangular tank inside the hull, half full: capacity l b h, centre at a
// quarter of its height, free-surface moment rho l b^3 / 12, and GMt lowered
// by that over the displacement.
TEST_F(BoxBarge, HalfFullTankLowersGmByItsFreeSurface) {
  LoadingCondition c = Loaded(4.0, kL / 2, -4.0, 0.0);
  const Tank tank{"Fuel", 40.0, 70.0, -6.0, 4.0, -7.0, -1.0, 0.85, 50.0};
  c.tanks.push_back(tank);
  const ConditionWeights w = SumCondition(hull, c);
  ASSERT_EQ(w.tanks.size(), 1u);
  const TankState& s = w.tanks[0];
  const double l = 30.0, b = 10.0, h = 6.0;
  EXPECT_NEAR(s.capacity, l * b * h, 1e-9 * l * b * h);
  EXPECT_NEAR(s.vcg, -7.0 + h / 4, 1e-6);
  EXPECT_NEAR(s.lcg, 55.0, 1e-6);
  EXPECT_NEAR(s.tcg, -1.0, 1e-6);
  const double fluid = 0.85 * FreshWaterWeight(1.0, hull.units);
  EXPECT_NEAR(s.weight, fluid * l * b * h / 2, 1e-9 * s.weight);
  const double fsm = fluid * l * b * b * b / 12;
  EXPECT_NEAR(s.freeSurfaceMoment, fsm, 1e-9 * fsm);

  // Centred so that it floats upright: the tank's TCG balanced by the lightship.
  c.lightship.tcg = -s.weight * s.tcg / c.lightship.weight;
  const ConditionWeights balanced = SumCondition(hull, c);
  const Equilibrium e = FindEquilibrium(hull, balanced);
  ASSERT_TRUE(e.ok()) << e.message;
  EXPECT_NEAR(e.heel, 0.0, 1e-6);
  EXPECT_NEAR(e.gmtSolid - e.gmtFluid, fsm / balanced.weight, 1e-9 * kB);
  EXPECT_NEAR(e.freeSurfaceMoment, fsm, 1e-9 * fsm);
}

// Below 2 % and above 98 % a tank has no free surface that counts; a tank
// wholly outside the hull holds nothing.
TEST_F(BoxBarge, FreeSurfaceOnlyBetweenTwoAndNinetyEightPercent) {
  struct Case {
    double fill;
    bool counts;
  };
  for (const Case& k : {Case{1.9, false}, Case{2.0, true}, Case{98.0, true}, Case{98.5, false},
                        Case{0.0, false}, Case{100.0, false}}) {
    const TankState s = ComputeTank(hull, {"T", 10.0, 20.0, -5.0, 5.0, -8.0, 0.0, 1.0, k.fill});
    EXPECT_EQ(s.freeSurfaceMoment > 0.0, k.counts) << k.fill;
    EXPECT_NEAR(s.volume, 800.0 * k.fill / 100.0, 1e-9 * 800.0) << k.fill;
  }
  // Cut by the hull: half the box lies outside the side.
  const TankState cut = ComputeTank(hull, {"T", 10.0, 20.0, 7.0, 17.0, -8.0, 0.0, 1.0, 50.0});
  EXPECT_NEAR(cut.capacity, 10.0 * 5.0 * 8.0, 1e-6 * 400.0);
  EXPECT_NEAR(cut.tcg, 9.5, 1e-6 * kB);
  const TankState outside = ComputeTank(hull, {"T", 200.0, 210.0, -5.0, 5.0, -8.0, 0.0, 1.0, 50.0});
  EXPECT_EQ(outside.capacity, 0.0);
  EXPECT_EQ(outside.weight, 0.0);
}

TEST_F(BoxBarge, SinkingAndCapsizingConditionsAreRefused) {
  // Heavier than the whole box displaces.
  const Equilibrium sinks = FindEquilibrium(hull, SumCondition(hull, Loaded(kD * 1.01, kL / 2, 0.0, 0.0)));
  EXPECT_EQ(sinks.refusal, Refusal::kSinks);
  EXPECT_NE(sinks.message.find("sinks"), std::string::npos);
  // G far above the deck: no GM upright and nothing heeled rights it.
  const Equilibrium capsizes =
      FindEquilibrium(hull, SumCondition(hull, Loaded(4.0, kL / 2, 60.0, 0.0)));
  EXPECT_EQ(capsizes.refusal, Refusal::kCapsizes);
  EXPECT_NE(capsizes.message.find("capsizes"), std::string::npos);
  const Equilibrium empty = FindEquilibrium(hull, SumCondition(hull, LoadingCondition{}));
  EXPECT_EQ(empty.refusal, Refusal::kNoWeight);
}

// Negative GM upright but a stable loll: the barge floats heeled, to the
// side the closed form of a wall-sided hull gives: tan^2 = -2 GM / BM.
TEST_F(BoxBarge, NegativeGmFloatsAtTheAngleOfLoll) {
  const double t = 8.0, vcg = kB * kB / (12 * t) - 4.0 + 0.5;  // GM = -0.5
  const Equilibrium e = FindEquilibrium(hull, SumCondition(hull, Loaded(t, kL / 2, vcg, 0.0)));
  ASSERT_TRUE(e.ok()) << e.message;
  const double bm = kB * kB / (12 * t);
  const double closed = std::atan(std::sqrt(2 * 0.5 / bm)) / kDegreesToRadians;
  EXPECT_NEAR(std::fabs(e.heel), closed, 0.01 * closed);
}

}  // namespace
}  // namespace skelmora
