// A small hull made in code, for tests that must not depend on the
// example designs: length along y from 0, half-beam along x, from the keel
// at z = -draft up to the sheer at z = freeboard.
#pragma once

#include <algorithm>
#include <memory>

#include "model/hull_design.h"

namespace skelmora::testing {

struct SampleHullSize {
  double length = 30.0;
  double halfBeam = 5.0;
  double draft = 2.0;
  double freeboard = 3.0;
  int lastColumn = 6;
  int lastRow = 4;
};

inline std::unique_ptr<HullDesign> MakeSampleHull(const SampleHullSize& size = {}) {
  auto d = std::make_unique<HullDesign>();
  d->DesignOpen = true;
  d->Units = kInches;
  d->LastColumn = size.lastColumn;
  d->LastRow = size.lastRow;
  d->WaterlineTension = 3;
  d->StationTension = 3;
  d->ShowStations = d->ShowWaterlines = d->ShowVertexNet = true;
  for (int c = 0; c <= size.lastColumn; ++c) {
    const double u = static_cast<double>(c) / size.lastColumn;
    // Fuller amidships, a little beam left at the transom.
    const double fullness = 0.2 + 0.8 * (1.0 - (2.0 * u - 1.0) * (2.0 * u - 1.0)) + 0.2 * u;
    for (int r = 0; r <= size.lastRow; ++r) {
      const double v = static_cast<double>(r) / size.lastRow;
      Vertex& vertex = d->Net[c][r];
      vertex.x = static_cast<float>(size.halfBeam * std::min(1.0, fullness) * v);
      vertex.y = static_cast<float>(size.length * u);
      vertex.z = static_cast<float>(-size.draft + (size.draft + size.freeboard) * v);
    }
  }
  SetViewOpen(*d, kBodyView, true);
  return d;
}

}  // namespace skelmora::testing
