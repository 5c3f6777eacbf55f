// A hull with the records a stability run takes, and a progress recorder.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "support/same_bytes.h"
#include "stability/stability_run.h"

namespace skelmora::test {

struct StabilityHull : Hull {
  StabilityRecords records = StabilityRecordsOf(*this);

  // A run with the centre of gravity given, no ballast.
  StabilityRun Run(double maxHeel, double step, double vcg, double lcg) {
    StabilityInputs inputs;
    std::string message;
    inputs.heel = *CheckHeelInputs(maxHeel, step, message);
    inputs.manualCentre = true;
    inputs.manualVcg = vcg;
    inputs.manualLcg = lcg;
    return RunStability(records, inputs, prompter);
  }
};

// The box barge of the hydrostatics tests: 240 long, 96 wide, draft 18,
// freeboard 30, degree 1, so every station is the exact rectangle.
inline void MakeBox(StabilityHull& hull) { MakePrism(hull, PrismShape{}); }

class RecordingProgress : public StabilityProgress {
 public:
  void HeelStarted(double, const std::string& text) override { heels.push_back(text); }
  void ReferenceDisplacement(double, const std::string& text) override {
    references.push_back(text);
  }
  void SectionBuilt(const HeeledSection&) override { ++sections; }
  void PassFinished(int pass, double, const std::string&) override { passes.push_back(pass); }

  std::vector<std::string> heels;
  std::vector<std::string> references;
  std::vector<int> passes;
  int sections = 0;
};

// Everything a run may touch of the design and its surface, byte for byte.
using skelmora::testing::SameBytes;

}  // namespace skelmora::test
