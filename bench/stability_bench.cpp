// The large-angle stability run on a 6 x 5 cubic yacht-like net at the
// default 50 x 50 divisions: 0-180 deg in 1 deg steps and 0-45 in 5; the
// hydrostatic curves and the cross curves built on the same runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "curves/cross_curves.h"
#include "curves/hydrostatic_curves.h"
#include "hydro/hydro_report.h"
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
    session.Regenerate(Change::kTopology);
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

// Eleven drafts, 10 inches either side of the design waterline.
void BM_HydrostaticCurves11(benchmark::State& state) {
  Bench b;
  std::string message;
  const std::vector<double> drafts = *DraftSeries(-10.0, 10.0, 2.0, message);
  std::vector<CurveRow> rows;
  bool ok = false;
  for (auto _ : state) {
    ok = ComputeHydrostaticCurves(b.session.design, *b.session.surface, *b.session.cuts, drafts,
                                  b.prompter, rows, message);
    benchmark::DoNotOptimize(rows.data());
  }
  state.counters["ok"] = ok;
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_HydrostaticCurves11)->Unit(benchmark::kMillisecond);

// Three displacements (0.7, 1 and 1.3 times the design's) over 0-90 by 10:
// each floated by its draft search, then one stability run.
void BM_CrossCurves3x10(benchmark::State& state) {
  Bench b;
  HydrostaticResults upright;
  ComputeHydrostatics(b.session.design, *b.session.surface, *b.session.cuts, upright, b.prompter);
  const double w = SaltwaterDisplacement(upright, kInches);
  std::string message;
  const CrossAngles angles = *CheckCrossAngles(0.0, 90.0, 10.0, message);
  std::vector<KnPoint> points;
  bool ok = false;
  for (auto _ : state) {
    ok = ComputeCrossCurves(b.session.design, *b.session.surface, *b.session.cuts,
                            {0.7 * w, w, 1.3 * w}, angles, b.prompter, points, message);
    benchmark::DoNotOptimize(points.data());
  }
  state.counters["ok"] = ok;
  state.counters["points"] = static_cast<double>(points.size());
}
BENCHMARK(BM_CrossCurves3x10)->Unit(benchmark::kMillisecond);

}  // namespace
