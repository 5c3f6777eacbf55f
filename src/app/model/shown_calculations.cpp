#include "model/shown_calculations.h"

#include <algorithm>
#include <cstring>

#include "hydro/centres.h"

namespace skelmora::app {

namespace {

// Over the bit patterns, eight bytes a step (a multiply and a rotate per
// word): any change of a coordinate changes the key.
class Hasher {
 public:
  void Add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    size_t k = 0;
    for (; k + 8 <= size; k += 8) {
      uint64_t word;
      std::memcpy(&word, bytes + k, 8);
      Mix(word);
    }
    uint64_t last = 0;
    std::memcpy(&last, bytes + k, size - k);
    Mix(last ^ (uint64_t{size - k} << 56));
  }
  void Add(int32_t value) { Add(&value, sizeof value); }
  uint64_t value() const { return hash_; }

 private:
  void Mix(uint64_t word) {
    hash_ ^= word * 0x9E3779B97F4A7C15ULL;
    hash_ = ((hash_ << 27) | (hash_ >> 37)) * 0x100000001b3ULL;
  }
  uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

uint64_t HullKey(const HullDesign& design, const Surface& surface) {
  Hasher h;
  h.Add(design.Units);
  const WorkingNet& working = surface.working;
  const int lastColumn = std::clamp(working.lastColumn, 0, kNetSize - 1);
  const int lastRow = std::clamp(working.lastRow, 0, kNetSize - 1);
  h.Add(lastColumn);
  h.Add(lastRow);
  // A column's used rows lie side by side (four floats a vertex).
  for (int c = 0; c <= lastColumn; ++c) {
    h.Add(working.net[c].data(), sizeof(Vertex) * static_cast<size_t>(lastRow + 1));
  }
  const KnotVectors& knots = surface.knots;
  h.Add(knots.degreeU);
  h.Add(knots.degreeV);
  // Only the knots in use: what a larger net left behind does not count.
  const int countU = std::clamp(knots.lastColumn + knots.degreeU + 2, 0, kMaxKnots);
  const int countV = std::clamp(knots.lastRow + knots.degreeV + 2, 0, kMaxKnots);
  h.Add(countU);
  h.Add(countV);
  h.Add(knots.u.data(), sizeof(float) * static_cast<size_t>(countU));
  h.Add(knots.v.data(), sizeof(float) * static_cast<size_t>(countV));
  return h.value();
}

void KeepCentres(AppState& state) {
  state.hydro->centres = CentresFromResults(state.hydro->results, state.design.Units);
  state.centresHullKey = HullKey(state.design, *state.surface);
}

void KeepHeelSteps(AppState& state, std::vector<HeelStep> steps) {
  state.hydro->heelSteps = std::move(steps);
  state.heelHullKey = HullKey(state.design, *state.surface);
  state.viewOptions.heelStep = -1;
}

const CalculationRecords* ShownCalculations(AppState& state) {
  CalculationRecords& records = *state.hydro;
  if (!records.centres && records.heelSteps.empty()) return &records;
  const uint64_t key = HullKey(state.design, *state.surface);
  if (records.centres && state.centresHullKey != key) records.centres.reset();
  if (!records.heelSteps.empty() && state.heelHullKey != key) {
    records.heelSteps.clear();
    state.viewOptions.heelStep = -1;
  }
  return &records;
}

}  // namespace skelmora::app
