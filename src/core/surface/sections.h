// Plane cuts of the surface grid (stations y = c, buttocks x = c,
// waterlines z = c) and where the displayed sections lie.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "surface/surface.h"

namespace skelmora {

constexpr int kSectionCapacity = 701;
constexpr int kMaxPieces = 21;

struct CutBuffers {
  std::array<SurfacePoint, kSectionCapacity> section{};
  std::array<SurfacePoint, kSectionCapacity> loop{};
  // Points stored after each waterline piece, in piece order.
  std::array<int32_t, kMaxPieces> pieceEnds{};
  int32_t pieceCount = 0;  // entries of pieceEnds used by the last waterline cut
};

struct CutResult {
  int last = 0;      // index of the last point in section
  int loopLast = 0;  // index of the last point in loop
};

CutResult CutStation(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                     double c);
CutResult CutButtock(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                     double c);
CutResult CutWaterline(const HullDesign& design, const Surface& surface, CutBuffers& buffers,
                       double c);

// The pieces of the last waterline cut, in order: f(points, first, last)
// for each run of section (piece ends are point counts, each piece starts
// anew), then for the closed loop.
template <typename F>
void ForEachWaterlinePiece(const CutBuffers& cuts, const CutResult& cut, F&& f) {
  int start = 0;
  const int pieces = std::clamp<int>(cuts.pieceCount, 0, kMaxPieces);
  for (int p = 0; p < pieces; ++p) {
    const int end = std::min({cuts.pieceEnds[p], cut.last + 1, kSectionCapacity});
    if (end > start) f(cuts.section, start, end - 1);
    start = std::max(start, end);
  }
  if (cut.loopLast >= 1) f(cuts.loop, 0, std::min(cut.loopLast, kSectionCapacity - 1));
}

// Smallest and largest y of the waterline z = c over its pieces and its
// loop; forward stays 1e10 and aft 0 when the plane misses the hull, and
// found tells the two apart.
struct WaterlineEnds {
  double forward = 1e10;
  double aft = 0.0;
  bool found = false;
};
WaterlineEnds CutWaterlineEnds(const HullDesign& design, const Surface& surface,
                               CutBuffers& buffers, double c);

// Smallest y of the z = 0 waterline, 1e10 when there is none.
double WaterlineForwardEnd(const HullDesign& design, const Surface& surface, CutBuffers& buffers);

// Evenly spaced displayed sections: section k (1..count) lies at
// first + (k - 1) * spacing.
struct SectionPlacement {
  int count = 0;
  double first = 0.0;
  double spacing = 0.0;
  double At(int k) const { return first + (k - 1) * spacing; }
};

// Each writes a derived number or spacing back into the design's settings.
// The extents must be current (ComputeExtents).
SectionPlacement StationPositions(HullDesign& design, const Surface& surface, CutBuffers& buffers);
SectionPlacement WaterlinePositions(HullDesign& design, const Surface& surface);
SectionPlacement ButtockPositions(HullDesign& design, const Surface& surface);

}  // namespace skelmora
