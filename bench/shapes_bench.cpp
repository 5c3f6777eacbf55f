// File › New from start to finish: a hull type generated and its surface
// rebuilt at the default 50 x 50 divisions, as the dialog's OK runs it.
#include <benchmark/benchmark.h>

#include "model/design_session.h"
#include "shapes/hull_defaults.h"
#include "shapes/hull_generator.h"

namespace skelmora {
namespace {

void BM_GenerateHull(benchmark::State& state) {
  const HullType type = static_cast<HullType>(state.range(0));
  HullInputs in = InitialHullInputs(kInputInches);
  ApplyDefaults(in, type);
  DesignSession session;
  for (auto _ : state) {
    const auto refusal = GenerateHull(session, type, in);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(session.surface->grid[25][25].x);
  }
}
// Sailboat, no chine, one chine, two chines, cargo ship.
BENCHMARK(BM_GenerateHull)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skelmora
