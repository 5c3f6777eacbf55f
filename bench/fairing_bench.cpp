// One press of a fairing dialog's arrow button: the vertex nudged, the grid
// evaluated at 50 x 50, the line sampled with its curvature and the line's
// vertices taken for the curve plot. The column dialog cuts a station; the
// sheer dialog evaluates 51 surface points.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_hull.h"
#include "fairing/fair_curve.h"
#include "fairing/fair_edit.h"

namespace skelmora {
namespace {

void FairingNudge(benchmark::State& state, FairLine line, int lastColumn, int lastRow) {
  DesignSession session;
  bench::FillBenchHull(session.design, lastColumn, lastRow);
  session.Regenerate(Change::kTopology);
  HullDesign& design = session.design;
  FairSelection selection;
  selection.line = line;
  selection.index = line == FairLine::kColumn ? lastColumn / 2 : 0;
  selection.vertex = line == FairLine::kColumn ? lastRow / 2 : lastColumn / 2;
  selection.view = line == FairLine::kColumn ? kBodyView : kProfileView;
  auto curve = std::make_unique<FairCurve>();
  std::array<PlanePoint, kNetSize> vertices;
  int column = 0, row = 0;
  SelectedVertex(design, selection, column, row);
  double step = 0.5;
  for (auto _ : state) {
    NudgeVertex(design.Net[column][row], selection.view, Nudge::kUp, step);
    step = -step;  // up and back down, so the hull stays the same
    RefreshAfterNudge(design, *session.surface);
    SampleFairCurve(design, *session.surface, *session.cuts, selection, *curve);
    const int count = LineVertices(design, selection, vertices);
    benchmark::DoNotOptimize(RememberedCurvature(design, selection, *curve));
    benchmark::DoNotOptimize(count);
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(FairingNudge, Column_13x9, FairLine::kColumn, 12, 8)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FairingNudge, Sheer_13x9, FairLine::kSheer, 12, 8)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FairingNudge, Column_51x51, FairLine::kColumn, 50, 50)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FairingNudge, Sheer_51x51, FairLine::kSheer, 50, 50)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skelmora
