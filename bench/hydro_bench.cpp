// Hydrostatics, drag and the draft search on a 5 x 5 cubic sailboat-like
// net at the default 50 x 50 divisions.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "hydro/draft_search.h"
#include "hydro/drag.h"
#include "model/silent_prompter.h"
#include "hydro/hydrostatics.h"
#include "model/design_session.h"
#include "surface/surface_build.h"

namespace {

using namespace skelmora;

struct Bench {
  DesignSession session;
  HullDesign& design = session.design;
  Surface& surface = *session.surface;
  CutBuffers& cuts = *session.cuts;
  HydrostaticResults& results = session.hydro->results;
  SilentPrompter prompter;

  Bench() {
    HullDesign& d = design;
    d.Units = kInches;
    d.LastColumn = 4;
    d.LastRow = 4;
    d.WaterlineTension = 3;
    d.StationTension = 3;
    d.DesignOpen = true;
    const double breadth[5] = {0.02, 0.7, 1.0, 0.88, 0.65};
    const double depth[5] = {0.15, 0.85, 1.0, 0.65, 0.1};
    const double sheer[5] = {1.25, 1.05, 1.0, 0.95, 0.97};
    const double rowX[5] = {0.0, 0.45, 0.85, 1.0, 1.03};
    for (int c = 0; c <= 4; ++c) {
      const double keel = -20.0 * depth[c];
      const double rowZ[5] = {keel, keel * 0.85, keel * 0.3, 36.0 * 0.35, 36.0 * sheer[c]};
      for (int r = 0; r <= 4; ++r) {
        d.Net[c][r] = Vertex{float(60.0 * breadth[c] * rowX[r]), float(90.0 * c),
                             float(rowZ[r]), 1.0f};
      }
    }
    session.Regenerate(Change::kTopology);
  }
};

void BM_ComputeHydrostatics(benchmark::State& state) {
  Bench b;
  for (auto _ : state) {
    const bool ran =
        ComputeHydrostatics(b.design, b.surface, b.cuts, b.results, b.prompter);
    benchmark::DoNotOptimize(ran);
    benchmark::DoNotOptimize(b.results.volume);
  }
}
BENCHMARK(BM_ComputeHydrostatics)->Unit(benchmark::kMillisecond);

void BM_ComputeDrag(benchmark::State& state) {
  Bench b;
  DragResults drag;
  for (auto _ : state) {
    const bool ran = ComputeDrag(b.design, b.surface, b.cuts, b.results, drag, b.prompter);
    benchmark::DoNotOptimize(ran);
    benchmark::DoNotOptimize(drag.waveDrag[14]);
  }
}
BENCHMARK(BM_ComputeDrag)->Unit(benchmark::kMillisecond);

// From show to a result within a pound, 40 % heavier than the hull floats.
void BM_DraftSearch(benchmark::State& state) {
  Bench b;
  const VertexNet start = b.design.Net;
  int iterations = 0;
  for (auto _ : state) {
    DraftSearch search = BeginDraftSearch(b.design, b.surface, b.cuts, b.results);
    AdjustDisplacement(b.design, b.surface, b.cuts, b.results, b.prompter, search,
                       search.initialDisplacement * 1.4);
    iterations = search.iterations;
    state.PauseTiming();
    b.design.Net = start;
    EvaluateSurfaceGrid(b.design, b.surface);
    state.ResumeTiming();
  }
  state.counters["steps"] = iterations;
}
BENCHMARK(BM_DraftSearch)->Unit(benchmark::kMillisecond);

}  // namespace
