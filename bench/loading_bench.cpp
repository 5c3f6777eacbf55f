// A loading condition on the example cargo ship (examples/cargo.lcd): its
// floating position, and its righting levers at free trim 0-90 deg by 5.
// Counters: cuts of the hull (evaluations) per run.
#include <benchmark/benchmark.h>

#include <string>

#include "files/design_file.h"
#include "loading/condition_file.h"
#include "loading/floating.h"
#include "model/design_session.h"

namespace {

using namespace skelmora;

struct CargoCondition {
  DesignSession session;
  LoadingCondition condition;
  FloatingHull hull;
  ConditionWeights weights;
  bool ok = false;

  CargoCondition() {
    std::string message;
    const std::string dir = SKELMORA_EXAMPLES_DIR;
    if (!ReadDesignFile(session.design, *session.surface, dir + "/cargo.s98", message)) return;
    session.Rebuild();
    if (!ReadConditionFile(dir + "/cargo.lcd", condition, message)) return;
    hull = BuildFloatingHull(*session.surface, session.design.Units);
    weights = SumCondition(hull, condition);
    ok = true;
  }
};

void BM_ConditionEquilibrium(benchmark::State& state) {
  CargoCondition c;
  if (!c.ok) {
    state.SkipWithError("the example condition did not load");
    return;
  }
  Equilibrium e;
  for (auto _ : state) {
    e = FindEquilibrium(c.hull, c.weights);
    benchmark::DoNotOptimize(e.draftMid);
  }
  if (!e.ok()) state.SkipWithError(e.message.c_str());
  state.counters["evaluations"] = e.evaluations;
  state.counters["triangles"] = static_cast<double>(c.hull.soup.size());
}
BENCHMARK(BM_ConditionEquilibrium)->Unit(benchmark::kMillisecond);

// Tanks and weights summed from the condition (the six cuts of each tank box).
void BM_ConditionTanks(benchmark::State& state) {
  CargoCondition c;
  if (!c.ok) {
    state.SkipWithError("the example condition did not load");
    return;
  }
  for (auto _ : state) {
    const ConditionWeights w = SumCondition(c.hull, c.condition);
    benchmark::DoNotOptimize(w.weight);
  }
}
BENCHMARK(BM_ConditionTanks)->Unit(benchmark::kMillisecond);

void BM_FreeTrimLevers0To90By5(benchmark::State& state) {
  CargoCondition c;
  if (!c.ok) {
    state.SkipWithError("the example condition did not load");
    return;
  }
  const Equilibrium e = FindEquilibrium(c.hull, c.weights);
  if (!e.ok()) {
    state.SkipWithError(e.message.c_str());
    return;
  }
  std::string message;
  const HeelSteps steps = *CheckHeelInputs(90.0, 5.0, message);
  LeverCurve curve;
  for (auto _ : state) {
    curve = FreeTrimLevers(c.hull, c.weights, e, steps);
    benchmark::DoNotOptimize(curve.rows.data());
  }
  int found = 0;
  for (const LeverRow& row : curve.rows) found += row.found ? 1 : 0;
  state.counters["evaluations"] = curve.evaluations;
  state.counters["rowsFound"] = found;
}
BENCHMARK(BM_FreeTrimLevers0To90By5)->Unit(benchmark::kMillisecond);

}  // namespace
