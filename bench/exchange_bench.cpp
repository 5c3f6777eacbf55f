// The exchange writers on the benchmark hull at 50 x 50: the closed STL mesh
// (welding dominates), the DXF of every family, the IGES surface; and one
// trim of the net about its centre of flotation.
#include <benchmark/benchmark.h>

#include "bench_hull.h"
#include "exchange/dxf_file.h"
#include "exchange/hull_mesh.h"
#include "exchange/iges_file.h"
#include "exchange/stl_file.h"
#include "model/silent_prompter.h"
#include "shapes/trim.h"

namespace skelmora {
namespace {

void Prepare(DesignSession& session) {
  bench::FillBenchHull(session.design, 12, 8);
  session.ShapeChanged();
}

void BM_StlClosedHull(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  for (auto _ : state) {
    const std::string bytes = FormatBinaryStl(BuildHullMesh(*session.surface), kInches);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_StlClosedHull)->Unit(benchmark::kMillisecond);

void BM_DxfAllFamilies(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  for (auto _ : state) {
    const std::string text = FormatDxf(session.design, *session.surface, *session.cuts, DxfOptions{});
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_DxfAllFamilies)->Unit(benchmark::kMillisecond);

void BM_IgesSurface(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  const IgesOptions options{.mirror = true, .fileName = "bench.igs", .timeStamp = "20261210.120000"};
  for (auto _ : state) {
    const std::string text = FormatIges(session.design, *session.surface, options);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_IgesSurface)->Unit(benchmark::kMicrosecond);

// A trim by the stern and back, with no undo history (none on disk).
void BM_TrimAndBack(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  const UndoHistory none;
  SilentPrompter prompter;
  for (auto _ : state) {
    for (double degrees : {1.0, -1.0}) {
      const bool done = TrimHull(session.design, *session.surface, *session.cuts, none, prompter, degrees);
      benchmark::DoNotOptimize(done);
    }
  }
}
BENCHMARK(BM_TrimAndBack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skelmora
