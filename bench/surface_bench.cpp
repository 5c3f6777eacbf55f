// Grid evaluation and the displayed sections: the work done on every vertex
// drag with real-time update on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "bench_hull.h"
#include "model/hull_design.h"
#include "surface/sections.h"
#include "surface/surface.h"
#include "surface/surface_build.h"

namespace skelmora {
namespace {

// The bench hull on 13 columns by 9 rows (LastColumn 12, LastRow 8), with
// columns 4 and 8 chined (16 working columns).
struct BenchHull {
  DesignSession session;

  explicit BenchHull(int divisions) {
    HullDesign& d = session.design;
    bench::FillBenchHull(d, 12, 8);
    d.ColumnChineCount = 2;
    d.ColumnChines[0] = 4;
    d.ColumnChines[1] = 8;
    d.ColumnDivisions = divisions;
    d.RowDivisions = divisions;
    session.Regenerate(Change::kTopology);
  }
  HullDesign& design() { return session.design; }
  Surface& surface() { return *session.surface; }
  CutBuffers& cuts() { return *session.cuts; }
};

void BM_SurfaceGrid200(benchmark::State& state) {
  BenchHull hull(200);
  for (auto _ : state) {
    EvaluateSurfaceGrid(hull.design(), hull.surface());
    benchmark::DoNotOptimize(hull.surface().grid[100][100]);
    benchmark::ClobberMemory();
  }
  constexpr double kPoints = 201.0 * 201.0;
  state.counters["per_point"] = benchmark::Counter(
      kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SurfaceGrid200)->Unit(benchmark::kMillisecond);

// 15 stations, 9 waterlines and 3 buttocks at the default settings,
// positions included, on a 50 x 50 grid.
void BM_DisplayedSections50(benchmark::State& state) {
  BenchHull hull(50);
  HullDesign& d = hull.design();
  CutBuffers& buffers = hull.cuts();
  int points = 0;
  for (auto _ : state) {
    d.StationCount = 15;
    d.WaterlineCount = 9;
    d.ButtockCount = 3;
    d.StationSpacing = d.WaterlineSpacing = d.ButtockSpacing = 0.0;
    points = 0;
    const SectionPlacement stations = StationPositions(d, hull.surface(), buffers);
    for (int k = 1; k <= stations.count; ++k) {
      points += CutStation(d, hull.surface(), buffers, stations.At(k)).last + 1;
    }
    const SectionPlacement waterlines = WaterlinePositions(d, hull.surface());
    for (int k = 1; k <= waterlines.count; ++k) {
      const CutResult r = CutWaterline(d, hull.surface(), buffers, waterlines.At(k));
      points += r.last + 1 + r.loopLast;
    }
    const SectionPlacement buttocks = ButtockPositions(d, hull.surface());
    for (int k = 1; k <= buttocks.count; ++k) {
      points += CutButtock(d, hull.surface(), buffers, buttocks.At(k)).last + 1;
    }
    benchmark::DoNotOptimize(points);
  }
  state.counters["points"] = points;
}
BENCHMARK(BM_DisplayedSections50)->Unit(benchmark::kMillisecond);

// One station and one waterline amidships, for the cost per cut.
void BM_StationCut50(benchmark::State& state) {
  BenchHull hull(50);
  CutBuffers& buffers = hull.cuts();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CutStation(hull.design(), hull.surface(), buffers, 180.0));
  }
}
BENCHMARK(BM_StationCut50)->Unit(benchmark::kMicrosecond);

void BM_WaterlineCut50(benchmark::State& state) {
  BenchHull hull(50);
  CutBuffers& buffers = hull.cuts();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CutWaterline(hull.design(), hull.surface(), buffers, 0.0));
  }
}
BENCHMARK(BM_WaterlineCut50)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skelmora
