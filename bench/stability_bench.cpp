// The large-angle stability run on a 6 x 5 cubic yacht-like net at the
// default 50 x 50 divisions: 0-180 deg in 1 deg steps and 0-45 in 5.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "model/silent_prompter.h"
#include "model/design_session.h"
#include "stability/stability_run.h"

namespace {

using namespace skelmora;

struct Bench {
  DesignSession session;
  SilentPrompter prompter;
  StabilityRecords records = StabilityRecordsOf(session);

  Bench() {
    HullDesign& d = session.design;
    d.Units = kInches;
    d.LastColumn = 5;
    d.LastRow = 4;
    d.WaterlineTension = 3;
    d.StationTension = 3;
    d.DesignOpen = true;
    const double breadth[6] = {0.02, 0.6, 0.95, 1.0, 0.85, 0.65};
    const double depth[6] = {0.15, 0.75, 1.0, 0.9, 0.5, 0.1};
    const double sheer[6] = {1.25, 1.08, 1.0, 0.96, 0.95, 0.97};
    const double rowX[5] = {0.0, 0.45, 0.85, 1.0, 1.03};
    for (int c = 0; c <= 5; ++c) {
      const double keel = -20.0 * depth[c];
      const double rowZ[5] = {keel, keel * 0.85, keel * 0.3, 36.0 * 0.35, 36.0 * sheer[c]};
      for (int r = 0; r <= 4; ++r) {
        d.Net[c][r] = Vertex{float(60.0 * breadth[c] * rowX[r]), float(72.0 * c),
                             float(rowZ[r]), 1.0f};
      }
    }
    session.ShapeChanged();
  }
};

void RunHeels(benchmark::State& state, double maxHeel, double step) {
  Bench b;
  StabilityInputs inputs;
  std::string message;
  inputs.heel = *CheckHeelInputs(maxHeel, step, message);
  StabilityRun run;
  for (auto _ : state) {
    run = RunStability(b.records, inputs, b.prompter);
    benchmark::DoNotOptimize(run.rows.data());
  }
  int most = 0;
  for (const StabilityRow& row : run.rows) most = std::max(most, row.passes);
  state.counters["ok"] = run.ok;
  state.counters["steps"] = static_cast<double>(run.rows.size());
  state.counters["passes"] = run.totalPasses;
  state.counters["mostPasses"] = most;
}

void BM_Stability180By1(benchmark::State& state) { RunHeels(state, 180.0, 1.0); }
BENCHMARK(BM_Stability180By1)->Unit(benchmark::kMillisecond);

void BM_Stability45By5(benchmark::State& state) { RunHeels(state, 45.0, 5.0); }
BENCHMARK(BM_Stability45By5)->Unit(benchmark::kMillisecond);

}  // namespace
