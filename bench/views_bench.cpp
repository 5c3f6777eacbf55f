// One step of a vertex drag in the body view with the hull updated in real
// time: place the vertex, evaluate the grid, cut every displayed section and
// build the display list the window paints.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/hull_design.h"
#include "model/shape_changed.h"
#include "surface/surface.h"
#include "views/draw_design.h"
#include "views/picking.h"

namespace skelmora {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A 30 ft hull in inches, degree 3 both ways, shown as 15 stations, 9
// waterlines and 3 buttocks with the vertex net.
struct DragBench {
  std::unique_ptr<HullDesign> design = std::make_unique<HullDesign>();
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  ViewOptions options;
  InteractionState interaction;
  ViewState view;
  DisplayList list;
  DrawInputs inputs;

  DragBench(int lastColumn, int lastRow, int columnDivisions, int rowDivisions) {
    HullDesign& d = *design;
    d.DesignOpen = true;
    d.Units = kInches;
    d.LastColumn = lastColumn;
    d.LastRow = lastRow;
    d.WaterlineTension = 3;
    d.StationTension = 3;
    d.ColumnDivisions = columnDivisions;
    d.RowDivisions = rowDivisions;
    for (int a = 0; a <= lastColumn; ++a) {
      for (int b = 0; b <= lastRow; ++b) {
        const double s = static_cast<double>(a) / lastColumn;
        const double t = static_cast<double>(b) / lastRow;
        const double beam = 60.0 * std::sqrt(std::max(0.0, std::sin(kPi * s)));
        const double x = beam * std::pow(std::sin(kPi / 2 * t), 0.6);
        const double z = -48.0 * (1 - t) * (0.3 + 0.7 * std::sin(kPi * s)) + 40.0 * t;
        d.Net[a][b] = Vertex{static_cast<float>(x), static_cast<float>(360.0 * s),
                             static_cast<float>(z), 1.0f};
      }
    }
    d.ShowStations = d.ShowWaterlines = d.ShowButtocks = d.ShowVertexNet = true;
    d.BodyViewOpen = true;
    ShapeChanged(d, *surface);

    view.view = kBodyView;
    view.clientWidth = 800;
    view.clientHeight = 600;
    inputs.options = &options;
    BuildView(d, *surface, view, inputs, *scratch, list);

    // Hold a vertex near the middle of the net, as a press would.
    const int column = lastColumn / 3;
    const int row = lastRow / 2;
    const LogicalPoint at = VertexLogical(d, *surface, kBodyView, view.mapping, column, row);
    const PressAction press = MousePress(d, *surface, kBodyView, view.mapping, options,
                                         interaction, MouseButton::kLeft, at);
    if (press.kind != PressAction::Kind::kStartDrag) std::abort();
  }

  void Step(int k) {
    const LogicalPoint mouse{interaction.pressX + (k % 2 == 0 ? 4 : -4), interaction.pressY + 3};
    const MoveAction move =
        MouseMove(*design, *surface, kBodyView, view.mapping, interaction, mouse);
    if (!move.gridUpdated) std::abort();
    BuildView(*design, *surface, view, inputs, *scratch, list);
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

}  // namespace
}  // namespace skelmora
