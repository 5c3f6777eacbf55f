#include "stability/heeled_section.h"

#include <algorithm>
#include <cmath>

namespace skelmora {

namespace {

// The deck is closed with five points between the sheer and the centreline,
// then one on it.
constexpr int kDeckPoints = 6;

// Calls visit(P, Q) for every side of the outline, the closing one from the
// last point back to the keel included: leaving it out would drop a sliver
// of the port bottom and put the upright centre of buoyancy off the
// centreline.
template <typename Visit>
void ForEachSide(const HeeledSection& s, Visit visit) {
  if (s.empty || s.last < 1) return;
  for (int k = 0; k <= s.last; ++k) {
    const int next = k < s.last ? k + 1 : 0;
    visit(s.x[k], s.z[k], s.x[next], s.z[next]);
  }
}

}  // namespace

Turn::Turn(double heelDegrees, double lift)
    : cosine(std::cos(heelDegrees * kDegreesToRadians)),
      sine(std::sin(heelDegrees * kDegreesToRadians)),
      sinkage(lift) {}

void BuildHeeledSection(const HullDesign& design, const Surface& surface, CutBuffers& cuts,
                        double heel, double y, double sinkage, HeeledSection& section) {
  const CutResult cut = CutStation(design, surface, cuts, y);
  section.empty = cut.last < 1;
  section.last = 0;
  if (section.empty) return;

  // One side: the cut (thinned evenly, ends kept, when it is too long for
  // the outline), then the deck.
  const int r = std::min(cut.last, kHeeledCutLast);
  for (int k = 0; k <= r; ++k) {
    const int from = r == cut.last ? k
                                   : static_cast<int>(std::lround(static_cast<double>(k) *
                                                                  cut.last / kHeeledCutLast));
    section.x[k] = cuts.section[from].x;
    section.z[k] = cuts.section[from].z;
  }
  int f = r;
  const double e = section.x[r];
  if (e > 0.0) {
    for (int k = 1; k < kDeckPoints; ++k) {
      section.x[r + k] = e - k * e / kDeckPoints;
      section.z[r + k] = section.z[r];
    }
    section.x[r + kDeckPoints] = 0.0;
    section.z[r + kDeckPoints] = section.z[r];
    f = r + kDeckPoints;
  }
  // The port side, from the deck back down to the keel point's mirror.
  for (int c = 0; c <= f; ++c) {
    section.x[f + 1 + c] = -section.x[f - c];
    section.z[f + 1 + c] = section.z[f - c];
  }
  section.last = 2 * f + 1;

  const Turn turn(heel, sinkage);
  for (int k = 0; k <= section.last; ++k) {
    const double x = section.x[k], z = section.z[k];
    section.x[k] = turn.X(x, z);
    section.z[k] = turn.Z(x, z);
  }
}

SectionArea HeeledSectionArea(const HeeledSection& section) {
  double area = 0.0, momentX = 0.0, momentZ = 0.0;
  double widest = -1e6, narrowest = 1e6;
  ForEachSide(section, [&](double px, double pz, double qx, double qz) {
    const double x0 = std::fabs(pz - qz) < 1e-6 ? qx : qx + (px - qx) * (-qz) / (pz - qz);
    // Strips are signed by the direction of x, so immersed deck and topside
    // parts subtract.
    double strip = 0.0, cx = 0.0, cz = 0.0;
    if (qz <= 0.0 && pz <= 0.0) {
      strip = std::fabs(qz + pz) * (qx - px) / 2.0;
      cx = (px + qx) / 2.0;
      cz = (qz + pz) / 4.0;
    } else if (qz > 0.0 && pz < 0.0) {
      strip = std::fabs(pz) * (x0 - px) / 2.0;
      cx = (px + x0) / 2.0;
      cz = pz / 4.0;
    } else if (qz < 0.0 && pz > 0.0) {
      strip = std::fabs(qz) * (qx - x0) / 2.0;
      cx = (x0 + qx) / 2.0;
      cz = qz / 4.0;
    }
    area += strip;
    momentX += strip * cx;
    momentZ += strip * cz;
    if ((pz > 0.0) != (qz > 0.0)) {
      widest = std::max(widest, x0);
      narrowest = std::min(narrowest, x0);
    }
  });
  SectionArea result;
  result.area = area;
  result.breadth = widest >= narrowest ? widest - narrowest : 0.0;  // 0 when nothing crosses
  if (area >= 1e-4) {
    result.xc = momentX / area;
    result.zc = momentZ / area;
  }
  return result;
}

SectionGirth HeeledSectionGirth(const HeeledSection& section) {
  SectionGirth result;
  ForEachSide(section, [&](double px, double pz, double qx, double qz) {
    result.lowestZ = std::min(result.lowestZ, pz);
    const bool pAbove = pz > 0.0, qAbove = qz > 0.0;
    if (!pAbove && !qAbove) {
      result.girth += std::hypot(qx - px, qz - pz);
    } else if (pAbove != qAbove) {
      const double x0 = std::fabs(qz - pz) < 1e-6 ? px : px + (qx - px) * (-pz) / (qz - pz);
      result.girth += pAbove ? std::hypot(qx - x0, qz) : std::hypot(px - x0, pz);
    }
  });
  return result;
}

std::vector<HeeledSection> UprightBodySections(const HullDesign& design, const Surface& surface,
                                               CutBuffers& cuts) {
  const WaterlineEnds ends = CutWaterlineEnds(design, surface, cuts, 0.0);
  std::vector<HeeledSection> sections(21);
  if (ends.aft < ends.forward) return sections;  // no waterline: all empty
  for (int i = 0; i <= 20; ++i) {
    const double y = ends.forward + i * 0.05 * (ends.aft - ends.forward);
    BuildHeeledSection(design, surface, cuts, 0.0, y, 0.0, sections[static_cast<size_t>(i)]);
  }
  return sections;
}

}  // namespace skelmora
