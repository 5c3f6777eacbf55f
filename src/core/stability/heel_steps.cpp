#include "stability/heel_steps.h"

namespace skelmora {

std::vector<HeelStep> HeelStepsOf(const StabilityRun& run, double lift) {
  std::vector<HeelStep> steps;
  steps.reserve(run.rows.size());
  for (const StabilityRow& row : run.rows) {
    if (!row.found) continue;
    const Turn turn(row.heel, 0.0);
    HeelStep step;
    step.heel = row.heel;
    step.lift = lift;
    step.sinkage = row.vcgz - (turn.cosine * run.vcg - turn.sine * run.tcg);
    step.tcb = row.tcb;
    step.zcb = row.vcb;
    step.tcg = row.vcgx;
    step.zcg = row.vcgz;
    step.gz = row.gz;
    steps.push_back(step);
  }
  return steps;
}

}  // namespace skelmora
