#include "hydro/hydrostatics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/hydro/hydro_fixtures.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::MakeSailboat;
using test::PrismShape;

// Relative comparison for quantities that should agree to rounding.
void ExpectClose(double actual, double expected, double relative, const char* what) {
  EXPECT_NEAR(actual, expected, relative * std::max(1.0, std::fabs(expected))) << what;
}

// Box barge 240 x 2*48 x 18 inches, freeboard 30. Every station but the one
// at the bow end is the same box; the bow station's plane lies 1e-6 forward
// of the hull and cuts nothing, so Simpson's sum over 101 stations carries
// 299 of the 300 weight units (1 + 4 + 2 + ... + 4 + 1).
TEST(Hydrostatics, BoxBargeFollowsTheFormulas) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  ASSERT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  EXPECT_TRUE(hull.prompter.shown.empty());
  const HydrostaticResults& r = hull.results;
  const double fraction = 299.0 / 300.0;

  // Extents lattice, waterline, lateral plane, largest section.
  ExpectClose(r.loa, 240.0, 1e-12, "loa");
  ExpectClose(r.lwl, 240.0, 1e-12, "lwl");
  ExpectClose(r.lateralArea, 18.0 * 240.0 / 144.0, 1e-12, "lateralArea");
  ExpectClose(r.clpVertical, 9.0, 1e-12, "clpVertical");
  ExpectClose(r.clpLongitudinal, 120.0, 1e-12, "clpLongitudinal");
  ExpectClose(r.maxSectionArea, 2.0 * 48.0 * 18.0, 1e-9, "maxSectionArea");

  // Patch walk: bottom 240 x 48, side 240 x 48 of which 18 immersed.
  ExpectClose(r.hullSurfaceArea, 2.0 * (240.0 * 48.0 + 240.0 * 48.0) / 144.0, 1e-12, "surface");
  ExpectClose(r.wettedArea, 2.0 * (240.0 * 48.0 + 240.0 * 18.0) / 144.0, 1e-12, "wetted");
  // (bottom area x -18 + side area x 6) / total, in feet.
  ExpectClose(r.vcgHull, -0.5, 1e-12, "vcgHull");
  ExpectClose(r.lcgHull, 10.0, 1e-12, "lcgHull");

  ExpectClose(r.maxFreeboard, 30.0, 1e-12, "maxFreeboard");
  ExpectClose(r.halfBeamDeck, 48.0, 1e-12, "halfBeamDeck");

  // Stations: 12 sq ft sections, 8 ft breadth, centroid 0.75 ft down.
  ExpectClose(r.lowestZ, -18.0, 1e-12, "lowestZ");
  ExpectClose(r.halfBeamWl, 48.0, 1e-12, "halfBeamWl");
  ExpectClose(r.volume, 240.0 * fraction, 1e-9, "volume");
  ExpectClose(r.waterplaneArea, 160.0 * fraction, 1e-9, "waterplaneArea");
  ExpectClose(r.vcb, 0.75, 1e-9, "vcb");
  // The bow station weighs nothing, so the centres move aft by 300/299.
  ExpectClose(r.lcb, 10.0 / fraction, 1e-9, "lcb");
  ExpectClose(r.lcf, 120.0 / fraction, 1e-9, "lcf");
  ExpectClose(r.cp, fraction, 1e-9, "cp");
  ExpectClose(r.cb, fraction, 1e-9, "cb");
  ExpectClose(r.cw, fraction, 1e-9, "cw");

  const double volume = 240.0 * fraction;
  ExpectClose(r.dispLengthRatio, volume * 0.0285714 / 0.008, 1e-9, "dispLengthRatio");
  ExpectClose(r.brakePower, volume * 0.0012147 * 64.0, 1e-9, "brakePower");
  ExpectClose(r.immersion, 160.0 * fraction * 5.33333, 1e-9, "immersion");
  ExpectClose(r.bmt, fraction * 0.0822 * 20.0 * 512.0 / volume, 1e-9, "bmt");
  ExpectClose(r.bml, fraction * 0.0723 * 8.0 * 8000.0 / volume, 1e-9, "bml");
  // Hull centroid 0.5 ft below, centre of buoyancy 0.75 ft below.
  ExpectClose(r.bmt - r.gmt, 0.25, 1e-9, "gmt");
  ExpectClose(r.bml - r.gml, 0.25, 1e-9, "gml");
  ExpectClose(r.momentToTrim, volume * 64.0 * r.gml / 240.0, 1e-9, "momentToTrim");
}

// gmt and gml subtract the distance between the hull surface's centroid and
// the centre of buoyancy, whichever of the two is higher.
TEST(Hydrostatics, MetacentricHeightsSubtractTheDistanceEitherWay) {
  for (const double freeboard : {30.0, 2.0}) {
    Hull hull;
    MakePrism(hull, PrismShape{.freeboard = freeboard});
    ASSERT_TRUE(
        ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
    const HydrostaticResults& r = hull.results;
    // Centroid of bottom (48 wide at -18) and side (18 + freeboard high), feet.
    const double side = 18.0 + freeboard;
    const double vcg = (48.0 * -18.0 + side * (freeboard - 18.0) / 2.0) / (48.0 + side) / 12.0;
    ExpectClose(r.vcgHull, vcg, 1e-12, "vcgHull");
    const double distance = std::fabs(vcg - -0.75);
    ExpectClose(r.bmt - r.gmt, distance, 1e-9, "gmt");
    ExpectClose(r.bml - r.gml, distance, 1e-9, "gml");
  }
}

// Wedge pointed at a vertical stem: half-breadth 48 y / 240, box sections
// 18 deep. Areas grow linearly, which Simpson's rule integrates exactly.
TEST(Hydrostatics, WedgeVolumeCentresAndCoefficientsAreExact) {
  Hull hull;
  MakePrism(hull, PrismShape{.bowHalfBreadth = 0.0});
  hull.d().SurfaceAccuracy = 1e-7;
  ASSERT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  const HydrostaticResults& r = hull.results;

  ExpectClose(r.volume, 48.0 * 18.0 * 240.0 / 1728.0, 1e-8, "volume");
  ExpectClose(r.lcb, 160.0 / 12.0, 1e-8, "lcb");
  ExpectClose(r.lcf, 160.0, 1e-8, "lcf");
  ExpectClose(r.vcb, 0.75, 1e-8, "vcb");
  ExpectClose(r.waterplaneArea, 48.0 * 240.0 / 144.0, 1e-8, "waterplaneArea");
  ExpectClose(r.cp, 0.5, 1e-8, "cp");
  ExpectClose(r.cb, 0.5, 1e-8, "cb");
  ExpectClose(r.cw, 0.5, 1e-8, "cw");

  // Bottom triangle and the flat diagonal side, of which 18 of 48 immersed.
  const double side = std::hypot(240.0, 48.0);
  ExpectClose(r.wettedArea, 2.0 * (48.0 * 240.0 / 2.0 + 18.0 * side) / 144.0, 1e-9, "wetted");
  ExpectClose(r.hullSurfaceArea, 2.0 * (48.0 * 240.0 / 2.0 + 48.0 * side) / 144.0, 1e-9,
              "surface");
}

// The bow column's keel is raised to +6, so the keel dips below the water
// from u = 0.25. The lateral plane starts at the first lattice column below
// the waterline (u = 0.26, z = -0.24); nothing is carried in from before.
TEST(Hydrostatics, LateralPlaneStartsAtTheFirstImmersedColumn) {
  Hull hull;
  MakePrism(hull, PrismShape{.bowLift = 24.0});
  ASSERT_TRUE(ComputeHullExtents(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  const double y1 = 0.26 * 240.0, z1 = 6.0 - 24.0 * 0.26;
  const double area = (240.0 - y1) * (18.0 - z1) / 2.0;
  ExpectClose(hull.results.lateralArea, area / 144.0, 1e-9, "lateralArea");
  // A second run gives the same answer.
  const double first = hull.results.lateralArea;
  ASSERT_TRUE(ComputeHullExtents(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  EXPECT_EQ(hull.results.lateralArea, first);
}

TEST(Hydrostatics, HullAboveTheWaterlineIsRefusedAndOnlyLoaAndLowestZChange) {
  Hull hull;
  MakePrism(hull, PrismShape{.draft = -2.0});  // keel 2 inches above the water
  hull.results.lwl = 123.0;
  hull.results.wettedArea = 45.0;
  EXPECT_FALSE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  EXPECT_FALSE(
      ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  ASSERT_EQ(hull.prompter.shown.size(), 2u);
  EXPECT_EQ(hull.prompter.shown[0],
            "This hull has no displacement. Please Shift the hull down using Tools/Shift Hull Up/Dn");
  EXPECT_EQ(hull.prompter.shown[1], "Hull is above Waterline - Use:Tools - Shift Hull");
  EXPECT_DOUBLE_EQ(hull.results.lowestZ, 2.0);
  EXPECT_DOUBLE_EQ(hull.results.loa, 240.0);
  EXPECT_EQ(hull.results.lwl, 123.0);
  EXPECT_EQ(hull.results.wettedArea, 45.0);
  EXPECT_DOUBLE_EQ(hull.d().DesignDimensions[kDimensionDraft], 2.0);
}

// A flat bottom lying exactly on the waterline passes the check and has
// nothing immersed: zeros, not NaN.
TEST(Hydrostatics, HullTouchingTheWaterlineYieldsZeroImmersedQuantities) {
  Hull hull;
  MakePrism(hull, PrismShape{.draft = 0.0});
  EXPECT_TRUE(HullGuard(hull.d(), *hull.surface, hull.prompter));
  ASSERT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  const HydrostaticResults& r = hull.results;
  EXPECT_EQ(r.volume, 0.0);
  EXPECT_EQ(r.wettedArea, 0.0);
  EXPECT_EQ(r.lateralArea, 0.0);
  EXPECT_EQ(r.maxSectionArea, 0.0);
  EXPECT_GT(r.hullSurfaceArea, 0.0);
  for (double value : {r.clpVertical, r.clpLongitudinal, r.lcb, r.vcb, r.lcf, r.cp, r.cb, r.cw,
                       r.bmt, r.gmt, r.bml, r.gml, r.momentToTrim}) {
    EXPECT_TRUE(std::isfinite(value));
  }
}

// The same hull in inches and in millimetres (accuracy scaled too) gives
// the same numbers through the unit factors.
TEST(Hydrostatics, EnglishAndMetricAgreeThroughTheUnitFactors) {
  Hull inches, mm;
  MakeSailboat(inches);
  MakeSailboat(mm, kMillimetres, 25.4);
  mm.d().SurfaceAccuracy = 0.254;
  ASSERT_TRUE(ComputeHydrostatics(inches.d(), *inches.surface, *inches.cuts, inches.results,
                                  inches.prompter));
  ASSERT_TRUE(ComputeHydrostatics(mm.d(), *mm.surface, *mm.cuts, mm.results, mm.prompter));
  const HydrostaticResults& e = inches.results;
  const HydrostaticResults& m = mm.results;
  const double foot = 0.3048;  // metres per foot
  const double tolerance = 1e-5;
  ExpectClose(m.loa, e.loa * 25.4, tolerance, "loa");
  ExpectClose(m.lwl, e.lwl * 25.4, tolerance, "lwl");
  ExpectClose(m.lowestZ, e.lowestZ * 25.4, tolerance, "lowestZ");
  ExpectClose(m.halfBeamWl, e.halfBeamWl * 25.4, tolerance, "halfBeamWl");
  ExpectClose(m.maxSectionArea, e.maxSectionArea * 25.4 * 25.4, tolerance, "maxSectionArea");
  ExpectClose(m.clpVertical, e.clpVertical * 25.4, tolerance, "clpVertical");
  ExpectClose(m.lateralArea, e.lateralArea * foot * foot, tolerance, "lateralArea");
  ExpectClose(m.wettedArea, e.wettedArea * foot * foot, tolerance, "wettedArea");
  ExpectClose(m.hullSurfaceArea, e.hullSurfaceArea * foot * foot, tolerance, "surface");
  ExpectClose(m.vcgHull, e.vcgHull * foot, tolerance, "vcgHull");
  ExpectClose(m.lcgHull, e.lcgHull * foot, tolerance, "lcgHull");
  ExpectClose(m.volume, e.volume * foot * foot * foot, tolerance, "volume");
  ExpectClose(m.waterplaneArea, e.waterplaneArea * foot * foot, tolerance, "waterplane");
  ExpectClose(m.lcb, e.lcb * foot, tolerance, "lcb");
  ExpectClose(m.vcb, e.vcb * foot, tolerance, "vcb");
  ExpectClose(m.lcf, e.lcf * 25.4, tolerance, "lcf");
  ExpectClose(m.cp, e.cp, tolerance, "cp");
  ExpectClose(m.cb, e.cb, tolerance, "cb");
  ExpectClose(m.cw, e.cw, tolerance, "cw");
  ExpectClose(m.bmt, e.bmt * foot, tolerance, "bmt");
  ExpectClose(m.gml, e.gml * foot, tolerance, "gml");
  // Seawater weight per unit volume: 64 lb/ft^3 against 1025 kg/m^3.
  ExpectClose(m.brakePower / (e.brakePower / 64.0 * foot * foot * foot),
              1025.0 * 2.2, tolerance, "brakePower");
  ExpectClose(m.immersion / m.waterplaneArea, 10.2734, 1e-12, "immersion metric");
  ExpectClose(e.immersion / e.waterplaneArea, 5.33333, 1e-12, "immersion English");
}

TEST(Hydrostatics, RunCopiesBeamDraftAndFreeboardIntoTheDesignDimensions) {
  Hull hull;
  MakeSailboat(hull);
  hull.d().DesignDimensions = {360.0, 1.0, 2.0, 3.0, 40.0, 50.0};
  ASSERT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter));
  const auto& dims = hull.d().DesignDimensions;
  EXPECT_EQ(dims[kDimensionBeam], hull.results.halfBeamDeck);
  EXPECT_EQ(dims[kDimensionDraft], hull.results.lowestZ);
  EXPECT_EQ(dims[kDimensionFreeboard], hull.results.maxFreeboard);
  EXPECT_EQ(dims[kDimensionLength], 360.0);
  EXPECT_EQ(dims[4], 40.0);
  EXPECT_EQ(dims[5], 50.0);
  EXPECT_LT(hull.results.lowestZ, -15.0);
  EXPECT_GT(hull.results.halfBeamDeck, 50.0);
}

// Stages are announced as the run reaches them.
TEST(Hydrostatics, StatusTextNamesEachStage) {
  struct Recorder : HydroStatus {
    void Show(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
  } status;
  Hull hull;
  MakePrism(hull, PrismShape{});
  ASSERT_TRUE(ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter, &status));
  EXPECT_EQ(status.texts, (std::vector<std::string>{
                              "Surface Integration for LCB, VCB, CLP, VCG, LCG",
                              "Freeboard, Deck Beam"}));
}

// A single station through the box: area, girth to the waterline, centroid
// and breadth in feet.
TEST(Hydrostatics, StationSectionPropertiesOfABoxSection) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  const StationProperties s =
      StationSectionProperties(hull.d(), *hull.surface, *hull.cuts, 100.0);
  ExpectClose(s.area, 2.0 * 48.0 * 18.0 / 144.0, 1e-12, "area");
  ExpectClose(s.girth, 2.0 * (48.0 + 18.0) / 12.0, 1e-4, "girth");
  ExpectClose(s.centroidDepth, 9.0 / 12.0, 1e-12, "centroid");
  ExpectClose(s.breadth, 96.0 / 12.0, 1e-12, "breadth");
  EXPECT_DOUBLE_EQ(s.lowestZ, -18.0);
  // Forward of the hull nothing is cut.
  const StationProperties none =
      StationSectionProperties(hull.d(), *hull.surface, *hull.cuts, -10.0);
  EXPECT_EQ(none.area, 0.0);
  EXPECT_EQ(none.breadth, 0.0);
  EXPECT_EQ(none.centroidDepth, 0.0);
}

TEST(Hydrostatics, UnitFactors) {
  const UnitFactors e = FactorsFor(kInches);
  const UnitFactors m = FactorsFor(kMillimetres);
  EXPECT_FALSE(e.metric);
  EXPECT_TRUE(m.metric);
  EXPECT_DOUBLE_EQ(e.length * 12.0, 1.0);
  EXPECT_DOUBLE_EQ(e.volume * 1728.0, 1.0);
  EXPECT_DOUBLE_EQ(e.sidesArea * 72.0, 1.0);
  EXPECT_DOUBLE_EQ(e.freshwater, 62.2);
  EXPECT_DOUBLE_EQ(m.breadth, 0.002);
  EXPECT_DOUBLE_EQ(m.sidesArea, 2e-6);
  EXPECT_DOUBLE_EQ(m.freshwater, 996.095);
}

}  // namespace
}  // namespace skelmora
