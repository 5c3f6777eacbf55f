#include "hydro/drag.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/hydro/hydro_fixtures.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::PrismShape;

// Box barge 240 x 2*48 x 18 inches: the patch walk's volume, centre and
// the waterline polyline's waterplane are exact.
TEST(Drag, ResistanceParametersOfTheBoxBarge) {
  Hull hull;
  MakePrism(hull, PrismShape{});
  DragResults drag;
  ASSERT_TRUE(
      ComputeDrag(hull.d(), *hull.surface, *hull.cuts, hull.results, drag, hull.prompter));
  const HydrostaticResults& r = hull.results;
  const double cubicFeet = 2.0 * 18.0 * 48.0 * 240.0 / 1728.0;  // 240
  EXPECT_NEAR(r.patchVolume, cubicFeet, 1e-9);
  EXPECT_NEAR(r.vcb, 9.0, 1e-9);  // model units after a drag run
  EXPECT_NEAR(r.waterplaneArea, 2.0 * 48.0 * 240.0 / 144.0, 1e-9);
  EXPECT_NEAR(r.lcf, 120.0, 1e-9);
  EXPECT_NEAR(r.halfBeamWl, 48.0, 1e-9);
  // Cubic feet to cubic metres with 39.36 inches to the metre, not 0.3048^3.
  const double kg = cubicFeet * 1025.0 * 1728.0 / std::pow(39.36, 3);
  EXPECT_NEAR(drag.parameters.displacementKg, kg, 1e-9);
  EXPECT_EQ(r.volume, drag.parameters.displacementKg);
  EXPECT_NEAR(drag.parameters.cp, 1.0, 1e-9);  // 240 / (20 ft x 12 sq ft)
  EXPECT_NEAR(drag.parameters.lcbTerm, 0.0, 1e-9);
  EXPECT_NEAR(drag.parameters.beamDraft, 96.0 / 18.0, 1e-9);
  EXPECT_NEAR(drag.parameters.slenderness, 20.0 / std::exp(0.33333 * std::log(240.0)), 1e-12);
  // 240 inches of waterline: 0.45 sqrt(g L) in knots.
  EXPECT_NEAR(drag.maxVelocity, 0.45 * std::sqrt(9.80665 * 240.0 * 0.0254) * 3600.0 / 1852.0,
              1e-12);
  EXPECT_EQ(drag.frictionDrag[0], 0.0);
  for (int i = 1; i <= kDragRows; ++i) {
    EXPECT_GT(drag.frictionDrag[i], drag.frictionDrag[i - 1]) << i;
    EXPECT_GE(drag.waveDrag[i], 0.0) << i;
  }
}

TEST(Drag, MetricDisplacementIsTheVolumeTimes1025) {
  Hull hull;
  MakePrism(hull, PrismShape{.units = kMillimetres, .scale = 25.4});
  DragResults drag;
  ASSERT_TRUE(
      ComputeDrag(hull.d(), *hull.surface, *hull.cuts, hull.results, drag, hull.prompter));
  const double cubicMetres = 2.0 * 18.0 * 48.0 * 240.0 * std::pow(0.0254, 3);
  // The millimetre vertices are single precision.
  EXPECT_NEAR(hull.results.patchVolume, cubicMetres, 1e-7 * cubicMetres);
  EXPECT_DOUBLE_EQ(drag.parameters.displacementKg, hull.results.patchVolume * 1025.0);
}

TEST(Drag, RefusedAboveTheWaterline) {
  Hull hull;
  MakePrism(hull, PrismShape{.draft = -1.0});
  DragResults drag;
  drag.waveDrag[3] = 7.0;
  EXPECT_FALSE(
      ComputeDrag(hull.d(), *hull.surface, *hull.cuts, hull.results, drag, hull.prompter));
  EXPECT_EQ(hull.prompter.shown,
            std::vector<std::string>{"Hull is above Waterline - Use:Tools - Shift Hull"});
  EXPECT_EQ(drag.waveDrag[3], 7.0);
}

// With every parameter 0 the regression is a0; with Cp = 1 alone it is
// a0 + a1 + a5. Negative values give no wave drag.
TEST(Drag, WaveDragRegressionTable) {
  struct Case {
    int row;
    double cp;
    double regression;
  };
  const Case cases[] = {
      {1, 0.0, -6.735654},  {2, 0.0, -0.38287},   {4, 0.0, 11.29218},
      {14, 0.0, 1200.62},   {4, 1.0, 11.29218 - 14.51947 - 11.41819},
      {14, 1.0, 1200.62 - 2751.715 + 1489.269},  {9, 1.0, 89.20382 - 393.0127 + 331.1197},
  };
  for (const Case& c : cases) {
    ResistanceParameters p;
    p.cp = c.cp;
    p.displacementKg = 5000.0;
    EXPECT_NEAR(WaveRegression(c.row, p), c.regression, 1e-9) << c.row << " " << c.cp;
    DragResults metric, english;
    ComputeWaveDrag(p, true, metric);
    ComputeWaveDrag(p, false, english);
    const double expected = std::max(c.regression, 0.0) * 0.001 * 5000.0;
    EXPECT_NEAR(metric.waveDrag[c.row], expected * 0.9999841005, 1e-9) << c.row;
    EXPECT_NEAR(english.waveDrag[c.row], expected * 2.20453492, 1e-9) << c.row;
  }
  // Each coefficient on its own, at row 10 (Froude 0.35).
  ResistanceParameters p;
  p.lcbTerm = 2.0;
  p.beamDraft = 3.0;
  p.slenderness = 5.0;
  const double expected = 212.6788 + 1.087307 * 2.0 + 0.538938 * 3.0 + 10.80273 * 5.0 +
                          0.166473 * 4.0 - 3.026131 * 25.0 + 0.165055 * 125.0;
  EXPECT_NEAR(WaveRegression(10, p), expected, 1e-9);
  p.cp = 0.5;
  EXPECT_NEAR(WaveRegression(10, p) - expected,
              -801.7908 * 0.5 + 667.6445 * 0.25 + 12.39815 * 0.5 * 5.0, 1e-9);
}

// The ITTC 1957 line at the row's own speed V = Fn sqrt(g L): Re on 0.7 L
// with a viscosity of 1e-6, F = 1/2 1025 V^2 Cf S, in kilograms force.
double IttcFrictionKgf(double froude, double metres, double area, double speedMetres = 0.0) {
  const double v = froude * std::sqrt(9.80665 * (speedMetres > 0.0 ? speedMetres : metres));
  const double re = v * 0.7 * metres * 1e6;
  const double cf = 0.075 / std::pow(std::log10(re) - 2.0, 2);
  return 0.5 * 1025.0 * v * v * cf * area * 0.10197;
}

// Metric, 10 m waterline, 20 sq m wetted.
TEST(Drag, FrictionDragFollowsTheIttcLineAtEachRowsSpeed) {
  DragResults drag;
  ComputeFrictionDrag(10000.0, 20.0, true, drag);
  EXPECT_NEAR(drag.maxVelocity, 0.45 * std::sqrt(9.80665 * 10.0) * 3600.0 / 1852.0, 1e-12);
  EXPECT_EQ(drag.frictionDrag[0], 0.0);
  for (int i = 1; i <= kDragRows; ++i) {
    EXPECT_NEAR(drag.frictionDrag[i], IttcFrictionKgf(0.1 + 0.025 * i, 10.0, 20.0), 1e-9) << i;
  }

  // English: 393.6 inches is 10 m at the 39.36 inches to the metre the
  // friction's length and area use, so only the output unit differs, and
  // the speed by the true inch.
  DragResults english;
  ComputeFrictionDrag(393.6, 20.0 / 0.092954080684142, false, english);
  const double speedRatio = std::sqrt(393.6 * 0.0254 / 10.0);
  EXPECT_NEAR(english.maxVelocity / drag.maxVelocity, speedRatio, 1e-12);
  for (int i = 1; i <= kDragRows; ++i) {
    const double kgf = IttcFrictionKgf(0.1 + 0.025 * i, 10.0, 20.0, 393.6 * 0.0254);
    EXPECT_NEAR(english.frictionDrag[i], kgf / 0.10197 * 0.2248, 1e-9) << i;
  }
}

// Every row's speed is its Froude number times sqrt(g LWL), so the speed,
// Froude number, wave and friction columns of a row describe one speed.
TEST(Drag, EachRowsSpeedBelongsToItsFroudeNumber) {
  struct Case {
    double lwl;
    bool metric;
    double metres;
  };
  for (const Case& c : {Case{300.0, false, 300.0 * 0.0254}, Case{9144.0, true, 9.144},
                        Case{90000.0, true, 90.0}}) {
    DragResults drag;
    ComputeFrictionDrag(c.lwl, 100.0, c.metric, drag);
    const double rootGL = std::sqrt(9.80665 * c.metres);  // m/s per unit Froude number
    for (int i = 1; i <= kDragRows; ++i) {
      const double metresPerSecond = DragSpeed(drag, i) * 1852.0 / 3600.0;
      EXPECT_NEAR(metresPerSecond, DragFroudeNumber(i) * rootGL, 1e-6) << c.lwl << " row " << i;
    }
    EXPECT_NEAR(DragVelocityStep(drag), DragSpeed(drag, 2) - DragSpeed(drag, 1), 1e-12);
    EXPECT_EQ(DragSpeed(drag, kDragRows), drag.maxVelocity);
  }
  // Fn 0.125 on a 30 ft (9.144 m) waterline is 2.3 knots.
  DragResults sailboat;
  ComputeFrictionDrag(9144.0, 20.0, true, sailboat);
  EXPECT_EQ(FormatFixed(DragSpeed(sailboat, 1), 0, 3), "2.301");
  EXPECT_DOUBLE_EQ(DragFroudeNumber(1), 0.125);
  EXPECT_DOUBLE_EQ(DragFroudeNumber(14), 0.45);

  const DragTable table = FormatDragTable(sailboat);
  EXPECT_EQ(table[0][0], "Vel.Kts");
  EXPECT_EQ(table[14][1], "0.450");
  EXPECT_EQ(table[1][1], "0.125");
  EXPECT_EQ(table[1][0], FormatFixed(DragSpeed(sailboat, 1), 5, 3));
  EXPECT_EQ(table[14][0], FormatFixed(sailboat.maxVelocity, 5, 3));
  EXPECT_EQ(table[3][3], FormatFixed(sailboat.frictionDrag[3], 0, 1));
  EXPECT_EQ(FormatVelocityStep(sailboat), FormatFixed(0.025 * sailboat.knotsPerFroude, 0, 3));
}

}  // namespace
}  // namespace skelmora
