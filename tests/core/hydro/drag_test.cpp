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
  EXPECT_NEAR(drag.maxVelocity, std::sqrt(20.0) * 0.45 * 3.33333, 1e-12);
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

// Metric, 10 m waterline, 20 sq m wetted; reference values worked out
// separately from the ITTC 1957 line.
TEST(Drag, FrictionDragFollowsTheIttcLine) {
  DragResults drag;
  ComputeFrictionDrag(10000.0, 20.0, true, drag);
  EXPECT_NEAR(drag.maxVelocity, 8.590684047273173, 1e-12);
  EXPECT_EQ(drag.frictionDrag[0], 0.0);
  EXPECT_NEAR(drag.frictionDrag[1], 0.41440710775607553, 1e-12);
  EXPECT_NEAR(drag.frictionDrag[7], 14.231145996592668, 1e-10);
  EXPECT_NEAR(drag.frictionDrag[14], 50.85392886700853, 1e-10);

  // English: 393.6 inches is 10 m and this area is 20 sq m at 39.36 inches
  // to the metre, so only the output unit differs.
  DragResults english;
  ComputeFrictionDrag(393.6, 20.0 / 0.092954080684142, false, english);
  EXPECT_NEAR(english.maxVelocity, drag.maxVelocity, 1e-12);
  for (int i = 1; i <= kDragRows; ++i) {
    EXPECT_NEAR(english.frictionDrag[i] / drag.frictionDrag[i], 0.2248 / 0.10197, 1e-12) << i;
  }
}

// The speed column runs up to Froude number 0.45 in 14 equal steps; the
// Froude column starts at 0.125. Only row 14 describes one speed.
TEST(Drag, SpeedAndFroudeNumberAgreeOnlyInRow14) {
  DragResults drag;
  const double lwl = 300.0;  // inches, 25 ft
  ComputeFrictionDrag(lwl, 100.0, false, drag);
  const double knotsPerFroude = 3.33333 * std::sqrt(lwl / 12.0);
  for (int i = 1; i <= kDragRows; ++i) {
    const double froudeOfSpeed = DragSpeed(drag, i) / knotsPerFroude;
    if (i == kDragRows) {
      EXPECT_NEAR(froudeOfSpeed, DragFroudeNumber(i), 1e-12);
    } else {
      // They differ by (14 - i) / 140.
      EXPECT_NEAR(DragFroudeNumber(i) - froudeOfSpeed, (14 - i) / 140.0, 1e-12) << i;
    }
  }
  EXPECT_DOUBLE_EQ(DragFroudeNumber(1), 0.125);
  EXPECT_DOUBLE_EQ(DragFroudeNumber(14), 0.45);

  const DragTable table = FormatDragTable(drag);
  EXPECT_EQ(table[0][0], "Vel.Kts");
  EXPECT_EQ(table[14][1], "0.450");
  EXPECT_EQ(table[1][1], "0.125");
  EXPECT_EQ(table[14][0], FormatFixed(drag.maxVelocity, 5, 3));
  EXPECT_EQ(table[3][3], FormatFixed(drag.frictionDrag[3], 0, 1));
  EXPECT_EQ(FormatVelocityStep(drag), FormatFixed(drag.maxVelocity / 14.0, 0, 3));
}

}  // namespace
}  // namespace skelmora
