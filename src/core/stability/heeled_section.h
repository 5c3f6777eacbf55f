// One station of the hull heeled to starboard: the upright cut closed across
// a flat deck at the sheer, mirrored to the port side, turned about the
// intersection of the centreline plane and the waterline and lifted by the
// sinkage; and what it displaces below the waterline z = 0.
#pragma once

#include <array>
#include <vector>

#include "model/hull_design.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

// Degrees to radians as the calculations convert them: division by 57.295.
inline constexpr double kDegreesToRadians = 0.0174535299764377;

// Both sides in one outline: up the starboard side from the keel, across the
// deck to the centreline, back down the port side to the keel.
inline constexpr int kHeeledSectionCapacity = 421;
// The longest one-side cut (last index) the outline holds with its deck
// points and its mirror; a longer cut is thinned to this many points.
inline constexpr int kHeeledCutLast = (kHeeledSectionCapacity - 2) / 2 - 6;  // 203

struct HeeledSection {
  std::array<double, kHeeledSectionCapacity> x{};
  std::array<double, kHeeledSectionCapacity> z{};
  int last = 0;        // index of the last point
  bool empty = true;   // the station missed the hull
};

// The turn of a point about the waterline's centre, x then z.
struct Turn {
  double cosine = 1.0;
  double sine = 0.0;
  double sinkage = 0.0;
  Turn() = default;
  Turn(double heelDegrees, double lift);
  double X(double x, double z) const { return x * cosine + z * sine; }
  double Z(double x, double z) const { return -x * sine + z * cosine + sinkage; }
};

// Cuts the upright station at y from the (upright) surface grid and builds
// the heeled outline.
void BuildHeeledSection(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                        double heel, double y, double sinkage, HeeledSection& section);

struct SectionArea {
  double area = 0.0;     // immersed area, both sides
  double breadth = 0.0;  // waterline breadth (greatest minus least crossing x)
  double xc = 0.0;       // centroid of the immersed area
  double zc = 0.0;
};
SectionArea HeeledSectionArea(const HeeledSection& section);

struct SectionGirth {
  double girth = 0.0;    // immersed length of the outline
  double lowestZ = 0.0;  // least z of the outline, 0 when none is lower
};
SectionGirth HeeledSectionGirth(const HeeledSection& section);

// The weights dialog's body view: 21 upright stations spread over the length
// of the waterline (both polylines), each closed and mirrored, not turned.
std::vector<HeeledSection> UprightBodySections(const HullDesign& design, const Surface& surface,
                                               CutBuffers& cuts);

}  // namespace skelmora
