// A loading condition on the example cargo ship (examples/cargo.lcd): its
// floating position, and its righting levers at free trim 0-90 deg by 5.
// Counters: cuts of the hull (evaluations) per run.
#include <benchmark/benchmark.h>

#include <string>

#include "files/design_file.h"
#include "loading/assessment.h"
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
    session.Regenerate(Change::kTopology);
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

// The condition judged: down-flooding and deck-immersion angles, windage and
// the weather criterion on its levers (the levers themselves not counted).
void BM_ConditionAssessment(benchmark::State& state) {
  CargoCondition c;
  if (!c.ok) {
    state.SkipWithError("the example condition did not load");
    return;
  }
  const Equilibrium e = FindEquilibrium(c.hull, c.weights);
  std::string message;
  const LeverCurve curve = FreeTrimLevers(c.hull, c.weights, e, *CheckHeelInputs(90.0, 5.0, message));
  for (auto _ : state) {
    const ConditionAssessment a = AssessCondition(c.hull, c.condition, c.weights, e, curve);
    benchmark::DoNotOptimize(a.weather.windLever);
  }
}
BENCHMARK(BM_ConditionAssessment)->Unit(benchmark::kMillisecond);

// The limiting KG at five displacements about the condition's, levers 0-90
// by 5 at each trial as the kg-limit command runs them. Counter: lever
// curves computed in all.
void BM_KgLimitFiveDisplacements(benchmark::State& state) {
  CargoCondition c;
  if (!c.ok) {
    state.SkipWithError("the example condition did not load");
    return;
  }
  std::string message;
  const HeelSteps steps = *CheckHeelInputs(90.0, 5.0, message);
  int curves = 0, found = 0;
  for (auto _ : state) {
    curves = found = 0;
    for (double f : {0.7, 0.8, 0.9, 1.0, 1.1}) {
      const KgLimitRow row = LimitingKg(c.hull, c.condition, c.weights, f * c.weights.weight, steps);
      curves += row.leverCurves;
      found += row.vcg ? 1 : 0;
    }
  }
  if (found != 5) state.SkipWithError("a displacement has no limiting KG");
  state.counters["leverCurves"] = curves;
}
BENCHMARK(BM_KgLimitFiveDisplacements)->Unit(benchmark::kMillisecond);

}  // namespace
