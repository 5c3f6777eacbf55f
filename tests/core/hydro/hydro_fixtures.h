// Hulls with answers known by hand, and a prompter that records what it shows.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hydro/hydrostatics.h"
#include "model/prompter.h"
#include "model/design_session.h"
#include "surface/sections.h"
#include "support/recording_prompter.h"

namespace skelmora::test {

using testing::RecordingPrompter;

// A design session with a prompter that records what the calculations show.
struct Hull : DesignSession {
  HydrostaticResults& results = hydro->results;
  RecordingPrompter prompter;

  HullDesign& d() { return design; }
  void Rebuild() { Regenerate(Change::kTopology); }
};

// Straight-sided hull of degree 1 both ways: two columns (bow y = 0, stern
// y = length) of three rows: keel on the centreline, bilge corner, sheer.
// bowHalfBreadth scales the bow column's breadth (1 = box, 0 = a wedge
// pointed at the bow); bowLift raises the bow column's keel and bilge.
struct PrismShape {
  double length = 240.0;
  double halfBreadth = 48.0;
  double draft = 18.0;
  double freeboard = 30.0;
  double bowHalfBreadth = 1.0;
  double bowLift = 0.0;
  int32_t units = kInches;
  double scale = 1.0;  // every coordinate multiplied (25.4 for the same hull in mm)
};

inline void MakePrism(Hull& hull, const PrismShape& s) {
  HullDesign& d = hull.d();
  d.Units = s.units;
  d.LastColumn = 1;
  d.LastRow = 2;
  d.WaterlineTension = 1;
  d.StationTension = 1;
  d.DesignOpen = true;
  const double k = s.scale;
  for (int c = 0; c <= 1; ++c) {
    const double y = c * s.length;
    const double b = (c == 0 ? s.bowHalfBreadth : 1.0) * s.halfBreadth;
    const double bottom = -s.draft + (c == 0 ? s.bowLift : 0.0);
    d.Net[c][0] = Vertex{0.0f, float(k * y), float(k * bottom), 1.0f};
    d.Net[c][1] = Vertex{float(k * b), float(k * y), float(k * bottom), 1.0f};
    d.Net[c][2] = Vertex{float(k * b), float(k * y), float(k * s.freeboard), 1.0f};
  }
  hull.Rebuild();
}

// A 5 x 5 cubic net shaped like a small sailing yacht: fine bow, full
// midbody, a transom aft; `scale` = 25.4 gives the same hull in millimetres.
inline void MakeSailboat(Hull& hull, int32_t units = kInches, double scale = 1.0) {
  HullDesign& d = hull.d();
  d.Units = units;
  d.LastColumn = 4;
  d.LastRow = 4;
  d.WaterlineTension = 3;
  d.StationTension = 3;
  d.DesignOpen = true;
  const double length = 360.0, beam = 60.0, draft = 20.0, freeboard = 36.0;
  const double breadth[5] = {0.02, 0.7, 1.0, 0.88, 0.65};
  const double depth[5] = {0.15, 0.85, 1.0, 0.65, 0.1};
  const double sheer[5] = {1.25, 1.05, 1.0, 0.95, 0.97};
  const double rowX[5] = {0.0, 0.45, 0.85, 1.0, 1.03};
  for (int c = 0; c <= 4; ++c) {
    const double y = length * c / 4.0;
    const double keel = -draft * depth[c];
    const double rowZ[5] = {keel, keel * 0.85, keel * 0.3, freeboard * 0.35,
                            freeboard * sheer[c]};
    for (int r = 0; r <= 4; ++r) {
      d.Net[c][r] = Vertex{float(scale * beam * breadth[c] * rowX[r]), float(scale * y),
                           float(scale * rowZ[r]), 1.0f};
    }
  }
  hull.Rebuild();
}

}  // namespace skelmora::test
