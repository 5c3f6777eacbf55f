// A 14-speed resistance curve of each method on a loaded example hull: with
// the hull's inputs measured afresh each time, and from inputs already in
// hand.
#include <benchmark/benchmark.h>

#include <string>

#include "files/design_file.h"
#include "hydro/hydrostatics.h"
#include "model/design_session.h"
#include "model/silent_prompter.h"
#include "resistance/hull_inputs.h"
#include "resistance/resistance.h"

namespace {

using namespace skelmora;

const char* ExampleOf(ResistanceMethod method) {
  switch (method) {
    case ResistanceMethod::kHoltrop:
      return "cargo";
    case ResistanceMethod::kSavitsky:
      return "runabout";
    case ResistanceMethod::kYacht:
      return "sailboat";
  }
  return "";
}

struct Loaded {
  DesignSession session;
  SilentPrompter prompter;
  bool ok = false;
  explicit Loaded(ResistanceMethod method) {
    std::string message;
    ok = ReadDesignFile(session.design, *session.surface,
                        std::string(SKELMORA_EXAMPLES_DIR) + "/" + ExampleOf(method) + ".s98",
                        message);
    session.Regenerate(Change::kTopology);
  }
  ResistanceInputs Inputs() {
    HullResistanceSource source;
    HullResistanceInputs(session.design, *session.surface, *session.cuts, prompter, Water::kSalt,
                         source);
    return source.inputs;
  }
};

void BM_ResistanceWithHullInputs(benchmark::State& state) {
  const auto method = static_cast<ResistanceMethod>(state.range(0));
  Loaded hull(method);
  if (!hull.ok) state.SkipWithError("example not read");
  for (auto _ : state) {
    const ResistanceInputs in = hull.Inputs();
    const ResistanceRun run = ComputeResistance(method, in, DefaultSpeeds(method, in));
    benchmark::DoNotOptimize(run.rows.data());
  }
  state.SetLabel(MethodName(method));
}

void BM_ResistanceFromInputs(benchmark::State& state) {
  const auto method = static_cast<ResistanceMethod>(state.range(0));
  Loaded hull(method);
  if (!hull.ok) state.SkipWithError("example not read");
  const ResistanceInputs in = hull.Inputs();
  const std::vector<double> speeds = DefaultSpeeds(method, in);
  for (auto _ : state) {
    const ResistanceRun run = ComputeResistance(method, in, speeds);
    benchmark::DoNotOptimize(run.rows.data());
  }
  state.SetLabel(MethodName(method));
}

BENCHMARK(BM_ResistanceWithHullInputs)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResistanceFromInputs)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
