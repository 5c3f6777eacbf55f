// Whole-net edits (scale, shift, unit change) that are refused before they
// start when a result would not fit the net: vertex coordinates are floats,
// and a value beyond their range (or not a number) would be held as an
// infinity and written to the design file as 0, collapsing the hull.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/hull_design.h"

namespace skelmora {

inline constexpr const char* kNetOverflowMessage =
    "The result is too large for the vertex net: a coordinate would pass 3.4E38 or not be a "
    "number. Nothing was changed.";

inline bool FitsNet(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

// edit(Vertex&) on every vertex of the used part of the net.
template <typename Edit>
void ForUsedVertices(HullDesign& design, Edit edit) {
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      edit(design.Net[c][r]);
    }
  }
}

// True when edit(x, y, z), run in double on every used vertex's
// coordinates, leaves all three fitting the net. Nothing is changed.
template <typename Edit>
bool NetEditFits(const HullDesign& design, Edit edit) {
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      const Vertex& v = design.Net[c][r];
      double x = v.x, y = v.y, z = v.z;
      edit(x, y, z);
      if (!FitsNet(x) || !FitsNet(y) || !FitsNet(z)) return false;
    }
  }
  return true;
}

// Stores edit(x, y, z) in every used vertex; check NetEditFits first.
template <typename Edit>
void ApplyNetEdit(HullDesign& design, Edit edit) {
  ForUsedVertices(design, [&edit](Vertex& v) {
    double x = v.x, y = v.y, z = v.z;
    edit(x, y, z);
    v.x = static_cast<float>(x);
    v.y = static_cast<float>(y);
    v.z = static_cast<float>(z);
  });
}

}  // namespace skelmora
