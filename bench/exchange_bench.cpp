// The exchange writers on the benchmark hull at 50 x 50: the closed STL mesh
// (welding dominates), the DXF of every family, the IGES surface and its
// import back, the table of offsets; and one trim of the net about its
// centre of flotation.
#include <benchmark/benchmark.h>

#include "bench_hull.h"
#include "exchange/dxf_file.h"
#include "exchange/hull_mesh.h"
#include "exchange/iges_file.h"
#include "exchange/offsets_table.h"
#include "exchange/stl_file.h"
#include "files/iges_import.h"
#include "model/silent_prompter.h"
#include "shapes/trim.h"

namespace skelmora {
namespace {

void Prepare(DesignSession& session) {
  bench::FillBenchHull(session.design, 12, 8);
  session.Regenerate(Change::kTopology);
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

// Reading the surface back: the sections, the entity, the net and grid.
void BM_IgesImport(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  const IgesOptions options{.mirror = false, .fileName = "bench.igs", .timeStamp = "20261210.120000"};
  const std::string text = FormatIges(session.design, *session.surface, options);
  SilentPrompter prompter;
  DesignSession into;
  bool ok = false;
  for (auto _ : state) {
    std::string message;
    ok = ImportIgesText(into.design, *into.surface, text, "bench.igs", prompter, message);
    benchmark::DoNotOptimize(into.surface->grid.data());
  }
  state.counters["ok"] = ok;
}
BENCHMARK(BM_IgesImport)->Unit(benchmark::kMicrosecond);

// 15 stations by 9 waterlines and 3 buttocks, cut and printed as text.
void BM_OffsetTable(benchmark::State& state) {
  DesignSession session;
  Prepare(session);
  session.design.ShowStations = session.design.ShowWaterlines = session.design.ShowButtocks = true;
  std::size_t rows = 0;
  for (auto _ : state) {
    const OffsetTable table = ComputeOffsetTable(session.design, *session.surface, *session.cuts);
    const std::string text = FormatOffsetTable(session.design, table);
    rows = table.rows.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_OffsetTable)->Unit(benchmark::kMillisecond);

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
