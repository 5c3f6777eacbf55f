// One step of a vertex drag in the body view with the hull updated in real
// time: place the vertex, evaluate the grid, cut every displayed section and
// build the display list the window paints.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "bench_hull.h"
#include "hydro/calculation_records.h"
#include "hydro/centres.h"
#include "model/silent_prompter.h"
#include "stability/heel_steps.h"
#include "stability/stability_run.h"
#include "model/hull_design.h"
#include "model/shape_changed.h"
#include "surface/surface.h"
#include "views/draw_design.h"
#include "views/picking.h"

namespace skelmora {
namespace {

// A 30 ft hull in inches, degree 3 both ways, shown as 15 stations, 9
// waterlines and 3 buttocks with the vertex net.
struct DragBench {
  DesignSession session;
  HullDesign& design = session.design;
  Surface& surface = *session.surface;
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  ViewOptions options;
  InteractionState interaction;
  ViewState view;
  DisplayList list;
  DrawInputs inputs;

  DragBench(int lastColumn, int lastRow, int columnDivisions, int rowDivisions) {
    HullDesign& d = design;
    bench::FillBenchHull(d, lastColumn, lastRow);
    d.ColumnDivisions = columnDivisions;
    d.RowDivisions = rowDivisions;
    d.ShowStations = d.ShowWaterlines = d.ShowButtocks = d.ShowVertexNet = true;
    d.BodyViewOpen = true;
    session.Regenerate(Change::kTopology);

    view.view = kBodyView;
    view.clientWidth = 800;
    view.clientHeight = 600;
    inputs.options = &options;
    BuildView(d, surface, view, inputs, *scratch, list);

    // Hold a vertex near the middle of the net, as a press would.
    const int column = lastColumn / 3;
    const int row = lastRow / 2;
    const LogicalPoint at = VertexLogical(d, surface, kBodyView, view.mapping, column, row);
    const PressAction press = MousePress(d, surface, kBodyView, view.mapping, options,
                                         interaction, MouseButton::kLeft, at);
    if (press.kind != PressAction::Kind::kStartDrag) std::abort();
  }

  void Step(int k) {
    const LogicalPoint mouse{interaction.pressX + (k % 2 == 0 ? 4 : -4), interaction.pressY + 3};
    const MoveAction move =
        MouseMove(design, surface, kBodyView, view.mapping, interaction, mouse);
    if (!move.gridUpdated) std::abort();
    BuildView(design, surface, view, inputs, *scratch, list);
  }
};

void RunDrag(benchmark::State& state, int lastColumn, int lastRow, int columns, int rows) {
  DragBench bench(lastColumn, lastRow, columns, rows);
  int k = 0;
  for (auto _ : state) {
    bench.Step(k++);
    benchmark::DoNotOptimize(bench.list.points().data());
    benchmark::ClobberMemory();
  }
  state.counters["points"] = static_cast<double>(bench.list.points().size());
}

// Target: 8 ms a step.
void BM_BodyDragStep_13x9Net_50x50Grid(benchmark::State& state) { RunDrag(state, 12, 8, 50, 50); }
BENCHMARK(BM_BodyDragStep_13x9Net_50x50Grid)->Unit(benchmark::kMillisecond);

// Target: 30 ms a step.
void BM_BodyDragStep_20x10Net_200x100Grid(benchmark::State& state) {
  RunDrag(state, 19, 9, 200, 100);
}
BENCHMARK(BM_BodyDragStep_20x10Net_200x100Grid)->Unit(benchmark::kMillisecond);

// The body view drawn with "Show Centres" after a hydrostatics run, and at
// 20 degrees of heel after a stability run (21 heeled sections, B and G).
struct CentresBench {
  DesignSession session;
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  CalculationRecords records;
  ViewOptions options;
  ViewState view;
  DisplayList list;
  DrawInputs inputs;

  CentresBench() {
    bench::FillBenchHull(session.design, 12, 8);
    session.design.ShowStations = session.design.ShowWaterlines = true;
    session.design.BodyViewOpen = true;
    session.Regenerate(Change::kTopology);
    SilentPrompter prompter;
    if (!ComputeHydrostatics(session.design, *session.surface, *session.cuts, records.results,
                             prompter)) {
      std::abort();
    }
    records.centres = CentresFromResults(records.results, session.design.Units);
    StabilityRecords run{session.design, *session.surface, *session.cuts, records.results};
    StabilityInputs heel;
    std::string message;
    heel.heel = *CheckHeelInputs(40.0, 10.0, message);
    const StabilityRun result = RunStability(run, heel, prompter);
    if (!result.ok) std::abort();
    records.heelSteps = HeelStepsOf(result, 0.0);
    options.showCentres = true;
    view.view = kBodyView;
    view.clientWidth = 800;
    view.clientHeight = 600;
    inputs.options = &options;
    inputs.calculations = &records;
  }
};

void RunCentres(benchmark::State& state, int heelStep) {
  CentresBench bench;
  bench.options.heelStep = heelStep;
  for (auto _ : state) {
    BuildView(bench.session.design, *bench.session.surface, bench.view, bench.inputs,
              *bench.scratch, bench.list);
    benchmark::DoNotOptimize(bench.list.points().data());
  }
  state.counters["points"] = static_cast<double>(bench.list.points().size());
}

void BM_BodyViewShowCentres(benchmark::State& state) { RunCentres(state, -1); }
BENCHMARK(BM_BodyViewShowCentres)->Unit(benchmark::kMillisecond);

void BM_BodyViewHeeled20(benchmark::State& state) { RunCentres(state, 2); }
BENCHMARK(BM_BodyViewHeeled20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skelmora
