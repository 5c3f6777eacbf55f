// "Show Centres" and the heeled body view, read back from the display list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/stability/stability_fixtures.h"
#include "hydro/centres.h"
#include "stability/heel_steps.h"
#include "views/centres_drawing.h"
#include "views/draw_design.h"

namespace skelmora {
namespace {

using test::Hull;

struct Centre {
  double x = 0.0, y = 0.0;
  bool found = false;
};

// The middle of the symbol's outer circle.
Centre SymbolAt(const DisplayList& list, Element element) {
  for (const Polyline& line : list.polylines()) {
    if (line.element != element || line.index != 0) continue;
    int32_t x0 = INT32_MAX, x1 = INT32_MIN, y0 = INT32_MAX, y1 = INT32_MIN;
    for (const LogicalPoint& p : list.Points(line)) {
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    return {0.5 * (x0 + x1), 0.5 * (y0 + y1), true};
  }
  return {};
}

int Count(const DisplayList& list, Element element) {
  return static_cast<int>(std::count_if(list.polylines().begin(), list.polylines().end(),
                                        [&](const Polyline& l) { return l.element == element; }));
}

struct Drawing {
  ViewOptions options;
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  DisplayList list;
  ViewMapping mapping;

  Drawing() {
    mapping.scale = 2.0;
    mapping.originX = 400.0;
    mapping.originY = 300.0;
    mapping.clientWidth = 800;
    mapping.clientHeight = 600;
  }
  void Draw(Hull& hull, ViewId view) {
    list.Clear();
    DrawInputs inputs;
    inputs.options = &options;
    inputs.calculations = hull.hydro.get();
    PrepareDrawing(hull.design, *hull.surface, inputs, *scratch);
    DrawDesign(hull.design, *hull.surface, view, mapping, inputs, *scratch, list);
  }
};

struct UnitCase {
  int32_t units;
  double scale;        // the same yacht in inches or millimetres
  double perFootOrM;   // model units per foot or metre
};

class CentresInViews : public ::testing::TestWithParam<UnitCase> {};

TEST_P(CentresInViews, BAndGSitAtTheResultsInTheProfileAndOnTheCentrelineInTheBody) {
  const UnitCase c = GetParam();
  Hull hull;
  test::MakeSailboat(hull, c.units, c.scale);
  ASSERT_TRUE(ComputeHydrostatics(hull.design, *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter));
  hull.hydro->centres = CentresFromResults(hull.results, hull.design.Units);
  ASSERT_TRUE(hull.hydro->centres);
  const HydrostaticResults& r = hull.results;

  Drawing drawing;
  drawing.options.showCentres = true;
  drawing.Draw(hull, kProfileView);
  const double s = drawing.mapping.scale;
  const Centre b = SymbolAt(drawing.list, Element::kCentreOfBuoyancy);
  const Centre g = SymbolAt(drawing.list, Element::kCentreOfGravity);
  const Centre f = SymbolAt(drawing.list, Element::kCentreOfFlotation);
  ASSERT_TRUE(b.found && g.found && f.found);
  // Results in ft / m, the drawing in model units; VCB is a depth.
  EXPECT_NEAR(b.x, s * r.lcb * c.perFootOrM, 1.0);
  EXPECT_NEAR(b.y, -s * r.vcb * c.perFootOrM, 1.0);
  EXPECT_NEAR(g.x, s * r.lcgHull * c.perFootOrM, 1.0);
  EXPECT_NEAR(g.y, s * r.vcgHull * c.perFootOrM, 1.0);
  EXPECT_NEAR(f.x, s * r.lcf, 1.0);
  EXPECT_NEAR(f.y, 0.0, 1.0);
  // B below the waterline, G of the hull surface above B.
  EXPECT_LT(b.y, 0.0);
  EXPECT_GT(g.y, b.y);
  EXPECT_GT(Count(drawing.list, Element::kFlotationWaterline), 0);

  drawing.Draw(hull, kBodyView);
  const Centre bodyB = SymbolAt(drawing.list, Element::kCentreOfBuoyancy);
  ASSERT_TRUE(bodyB.found);
  EXPECT_NEAR(bodyB.x, 0.0, 1.0);
  EXPECT_NEAR(bodyB.y, -s * r.vcb * c.perFootOrM, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Units, CentresInViews,
                         ::testing::Values(UnitCase{kInches, 1.0, 12.0},
                                           UnitCase{kMillimetres, 25.4, 1000.0}));

TEST(CentresInViews, WaterlineInEveryViewSymbolsOnlyInProfileAndBody) {
  Hull hull;
  test::MakeSailboat(hull);
  ASSERT_TRUE(ComputeHydrostatics(hull.design, *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter));
  hull.hydro->centres = CentresFromResults(hull.results, hull.design.Units);
  Drawing drawing;
  drawing.options.showCentres = true;
  for (ViewId view : {kPlanView, kPerspectiveView}) {
    drawing.Draw(hull, view);
    EXPECT_GT(Count(drawing.list, Element::kFlotationWaterline), 0) << view;
    EXPECT_FALSE(SymbolAt(drawing.list, Element::kCentreOfBuoyancy).found) << view;
  }
  // The plan view's waterline is the z = 0 outline: its widest point is the
  // waterline half-breadth.
  drawing.Draw(hull, kPlanView);
  int32_t widest = 0;
  for (const Polyline& line : drawing.list.polylines()) {
    if (line.element != Element::kFlotationWaterline) continue;
    for (const LogicalPoint& p : drawing.list.Points(line)) widest = std::max(widest, p.y);
  }
  EXPECT_NEAR(widest, drawing.mapping.scale * hull.results.halfBeamWl, 1.0);
}

TEST(CentresInViews, NothingWithoutACalculationOrWithTheOptionOff) {
  Hull hull;
  test::MakeSailboat(hull);
  Drawing drawing;
  drawing.options.showCentres = true;
  drawing.Draw(hull, kProfileView);  // no hydrostatics run yet
  EXPECT_EQ(Count(drawing.list, Element::kFlotationWaterline), 0);
  EXPECT_FALSE(SymbolAt(drawing.list, Element::kCentreOfBuoyancy).found);

  ASSERT_TRUE(ComputeHydrostatics(hull.design, *hull.surface, *hull.cuts, hull.results,
                                  hull.prompter));
  hull.hydro->centres = CentresFromResults(hull.results, hull.design.Units);
  drawing.options.showCentres = false;
  drawing.Draw(hull, kProfileView);
  EXPECT_EQ(Count(drawing.list, Element::kFlotationWaterline), 0);
}

TEST(CentresInViews, ResultsThatAreNotNumbersGiveNoCentres) {
  HydrostaticResults r;
  r.lcb = std::nan("");
  EXPECT_FALSE(CentresFromResults(r, kInches));
}

// Each letter needs about 10 x 14 pixels of its own to be read: no two such
// boxes overlap, and none lies over another centre's symbol, however close
// the centres are.
TEST(CentresInViews, LettersOfCloseCentresStayApart) {
  struct Case {
    const char* name;
    FloatingCentres centres;
  };
  const Case cases[] = {
      {"all three at one point", {120, 0, 120, 0, 120}},
      {"G just above B, F beside", {120, -1, 120.5, 1, 121}},
      {"in a row along the length", {118, 0, 120, 0, 122}},
  };
  Hull hull;
  test::MakeSailboat(hull);
  Drawing drawing;
  drawing.options.showCentres = true;
  drawing.mapping.pixelsPerLogical = 1.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hull.hydro->centres = c.centres;
    drawing.Draw(hull, kProfileView);
    struct Box {
      double x0, x1, y0, y1;
    };
    std::vector<std::pair<Element, Box>> letters;
    for (const Label& label : drawing.list.labels()) {
      // The anchor is the left end of the baseline; y is up.
      letters.push_back({label.element, {double(label.anchor.x), label.anchor.x + 10.0,
                                         label.anchor.y - 3.0, label.anchor.y + 11.0}});
    }
    ASSERT_EQ(letters.size(), 3u);
    for (size_t i = 0; i < letters.size(); ++i) {
      const Box& a = letters[i].second;
      for (size_t j = i + 1; j < letters.size(); ++j) {
        const Box& b = letters[j].second;
        EXPECT_FALSE(a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1) << i << " " << j;
      }
      for (Element other : {Element::kCentreOfBuoyancy, Element::kCentreOfGravity,
                            Element::kCentreOfFlotation}) {
        const Centre at = SymbolAt(drawing.list, other);
        ASSERT_TRUE(at.found);
        const double r = CentreSymbolRadius(drawing.mapping);
        const double nx = std::clamp(at.x, a.x0, a.x1), ny = std::clamp(at.y, a.y0, a.y1);
        EXPECT_GE(std::hypot(nx - at.x, ny - at.y), r - 1.0) << i;
      }
    }
  }
  // Centres far apart keep their letters at the symbol's upper right.
  hull.hydro->centres = FloatingCentres{60, -10, 120, 10, 180};
  drawing.Draw(hull, kProfileView);
  const Centre b = SymbolAt(drawing.list, Element::kCentreOfBuoyancy);
  const Label& letterB = drawing.list.labels()[0];
  EXPECT_GT(letterB.anchor.x, b.x);
  EXPECT_GT(letterB.anchor.y, b.y);
}

// --- the heeled body view -------------------------------------------------------

// At 30 degrees the box's deck edge rises well above the upright fit box:
// the fitted body view takes the heeled picture's extent, so every point of
// it lies inside the window, and it still fills the window.
TEST(HeeledBodyView, TheFitHoldsTheHeeledPicture) {
  test::StabilityHull hull;
  test::MakeBox(hull);
  const StabilityRun run = hull.Run(30.0, 10.0, 6.0, 120.0);
  ASSERT_TRUE(run.ok);
  hull.hydro->heelSteps = HeelStepsOf(run, 0.0);
  ASSERT_EQ(hull.hydro->heelSteps.size(), 4u);
  hull.design.DesignOpen = hull.design.BodyViewOpen = true;
  InvalidateExtents(hull.design);

  ViewOptions options;
  options.heelStep = 3;  // 30 degrees
  DrawInputs inputs;
  inputs.options = &options;
  inputs.calculations = hull.hydro.get();
  auto scratch = std::make_unique<DrawScratch>();
  for (const auto& [w, h] : {std::pair{800, 600}, std::pair{400, 700}, std::pair{1600, 500}}) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    ViewState state;
    state.view = kBodyView;
    state.clientWidth = w;
    state.clientHeight = h;
    DisplayList list;
    const ViewMapping& m = BuildView(hull.design, *hull.surface, state, inputs, *scratch, list);
    ASSERT_EQ(Count(list, Element::kHeeledSection), 21);
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const Polyline& line : list.polylines()) {
      if (line.element != Element::kHeeledSection) continue;
      for (const LogicalPoint& p : list.Points(line)) {
        left = std::min(left, m.DeviceX(p.x)), right = std::max(right, m.DeviceX(p.x));
        top = std::min(top, m.DeviceY(p.y)), bottom = std::max(bottom, m.DeviceY(p.y));
      }
    }
    EXPECT_GE(left, 0.0);
    EXPECT_LE(right, w);
    EXPECT_GE(top, 0.0);
    EXPECT_LE(bottom, h);
    // Filled in one direction at least: the picture is not shrunk away.
    EXPECT_GT(std::max((right - left) / w, (bottom - top) / h), 0.45);
  }
}


TEST(HeeledBodyView, StationsTurnedAsTheRunTurnedThemWithItsBAndG) {
  test::StabilityHull hull;
  test::MakeBox(hull);
  const StabilityRun run = hull.Run(30.0, 10.0, 6.0, 120.0);
  ASSERT_TRUE(run.ok);
  hull.hydro->heelSteps = HeelStepsOf(run, 0.0);
  ASSERT_EQ(hull.hydro->heelSteps.size(), 4u);

  Drawing drawing;
  drawing.options.heelStep = 2;  // 20 degrees
  drawing.Draw(hull, kBodyView);
  const double s = drawing.mapping.scale;
  const StabilityRow& row = run.rows[2];
  const Centre b = SymbolAt(drawing.list, Element::kCentreOfBuoyancy);
  const Centre g = SymbolAt(drawing.list, Element::kCentreOfGravity);
  ASSERT_TRUE(b.found && g.found);
  EXPECT_NEAR(b.x, s * row.tcb, 1.0);
  EXPECT_NEAR(b.y, s * row.vcb, 1.0);
  EXPECT_NEAR(g.x, s * row.vcgx, 1.0);
  EXPECT_NEAR(g.y, s * row.vcgz, 1.0);
  // GZ is B's offset from G across the heeled waterline.
  EXPECT_NEAR((b.x - g.x) / s, row.gz, 1.0 / s);

  // Every station of the box drawn, the starboard bilge (48, -18) among
  // its points where the turn and the found sinkage put it.
  ASSERT_EQ(Count(drawing.list, Element::kHeeledSection), 21);
  const HeelStep& step = hull.hydro->heelSteps[2];
  const Turn turn(20.0, step.sinkage);
  const LogicalPoint bilge{RoundClamped(s * turn.X(48.0, -18.0)),
                           RoundClamped(s * turn.Z(48.0, -18.0))};
  const Polyline& first = *std::find_if(
      drawing.list.polylines().begin(), drawing.list.polylines().end(),
      [](const Polyline& l) { return l.element == Element::kHeeledSection; });
  const auto points = drawing.list.Points(first);
  EXPECT_NE(std::find(points.begin(), points.end(), bilge), points.end());
  // The sinkage that restores the displacement keeps the box's own mean
  // height near the waterline: the bilge is below it, the deck edge above.
  EXPECT_LT(turn.Z(48.0, -18.0), 0.0);
  EXPECT_GT(turn.Z(48.0, 30.0), 0.0);

  // The heeled waterline lies on z = 0, between the box's crossings; its
  // mark (index 2) is a triangle standing on it.
  int waterlines = 0, marks = 0;
  for (const Polyline& line : drawing.list.polylines()) {
    if (line.element != Element::kFlotationWaterline) continue;
    const auto points = drawing.list.Points(line);
    if (line.index == 2) {
      ++marks;
      for (const LogicalPoint& p : points) EXPECT_GE(p.y, 0);
      continue;
    }
    ++waterlines;
    for (const LogicalPoint& p : points) EXPECT_EQ(p.y, 0);
  }
  EXPECT_EQ(waterlines, 1);
  EXPECT_EQ(marks, 3);
  // Nothing of the upright drawing in the heeled picture.
  EXPECT_EQ(Count(drawing.list, Element::kNetColumn), 0);
  ASSERT_EQ(drawing.list.messages().size(), 1u);
  EXPECT_EQ(drawing.list.messages()[0].text.rfind("Heel 20.0 degrees, GZ ", 0), 0u);
}

TEST(HeeledBodyView, TheLiftStandsForAHullMovedSinceTheRun) {
  test::StabilityHull moved, original;
  test::MakeBox(moved);
  test::MakeBox(original);
  // The run's hull sat 4 lower than the net the picture is drawn from.
  for (int c = 0; c <= 1; ++c) {
    for (int r = 0; r <= 2; ++r) moved.design.Net[c][r].z -= 4.0f;
  }
  moved.Rebuild();
  HeelStep step;
  step.heel = 15.0;
  step.sinkage = 2.0;
  moved.hydro->heelSteps = {step};
  step.lift = -4.0;
  original.hydro->heelSteps = {step};

  Drawing a, b;
  a.options.heelStep = b.options.heelStep = 0;
  a.Draw(moved, kBodyView);
  b.Draw(original, kBodyView);
  ASSERT_EQ(Count(a.list, Element::kHeeledSection), 21);
  EXPECT_EQ(a.list.points(), b.list.points());
}

TEST(HeeledBodyView, AStepPastTheRunDrawsTheUprightView) {
  test::StabilityHull hull;
  test::MakeBox(hull);
  hull.design.ShowVertexNet = true;
  Drawing drawing;
  drawing.options.heelStep = 0;  // no run yet
  drawing.Draw(hull, kBodyView);
  EXPECT_EQ(Count(drawing.list, Element::kHeeledSection), 0);
  EXPECT_GT(Count(drawing.list, Element::kNetColumn), 0);
}

}  // namespace
}  // namespace skelmora
