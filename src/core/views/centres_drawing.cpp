#include "views/centres_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "files/text_io.h"
#include "stability/heeled_section.h"
#include "views/projection.h"

namespace skelmora {

namespace {

constexpr int kCircleSegments = 24;
constexpr int kHeeledStations = 21;

void AddCircle(Element element, int32_t index, LogicalPoint c, double radius, DisplayList& out) {
  out.BeginRun(kCentresColor, element, index);
  for (int k = 0; k <= kCircleSegments; ++k) {
    const double a = 2.0 * M_PI * k / kCircleSegments;
    out.Add({RoundClamped(c.x + radius * std::cos(a)), RoundClamped(c.y + radius * std::sin(a))});
  }
  out.EndRun();
}

const char* Letter(Element element) {
  switch (element) {
    case Element::kCentreOfBuoyancy:
      return "B";
    case Element::kCentreOfGravity:
      return "G";
    default:
      break;
  }
  return "F";
}

// The z = 0 waterline through the projector; in the body view a run breaks
// where its points change side, as the sections do.
void DrawFlotationWaterline(const HullDesign& design, const Surface& surface,
                            const ViewProjector& projector, CutBuffers& cuts, DisplayList& out) {
  const CutResult cut = CutWaterline(design, surface, cuts, 0.0);
  const int sides = projector.view() == kPerspectiveView ? 2 : 1;
  for (int s = 0; s < sides; ++s) {
    const int sgn = s == 0 ? 1 : -1;
    ForEachWaterlinePiece(cuts, cut, [&](const auto& points, int first, int last) {
      out.BeginRun(kFlotationColor, Element::kFlotationWaterline, 0,
                   static_cast<int8_t>(sides == 2 ? sgn : 0));
      int lastSide = 0;
      for (int k = std::max(first, 0); k <= std::min(last, kSectionCapacity - 1); ++k) {
        const SurfacePoint& p = points[k];
        if (projector.view() == kBodyView) {
          const int side = projector.BodySide(p.y);
          if (lastSide != 0 && side != lastSide) out.Break();
          lastSide = side;
        }
        out.Add(projector.Project(p.x, p.y, p.z, sgn));
      }
      out.EndRun();
    });
  }
}

}  // namespace

int32_t CentreSymbolRadius(const ViewMapping& mapping) {
  const double ppl = mapping.pixelsPerLogical > 0.0 ? mapping.pixelsPerLogical : 1.0;
  return std::max<int32_t>(2, RoundClamped(6.0 / ppl));
}

void AddCentreSymbol(Element element, LogicalPoint c, int32_t radius, DisplayList& out) {
  AddCircle(element, 0, c, radius, out);
  const int32_t r = radius;
  if (element == Element::kCentreOfGravity) {
    out.AddSegment({c.x - r, c.y}, {c.x + r, c.y}, kCentresColor, element, 0);
    out.AddSegment({c.x, c.y - r}, {c.x, c.y + r}, kCentresColor, element, 0);
  } else if (element == Element::kCentreOfFlotation) {
    const int32_t d = RoundClamped(r * 0.7071);
    out.AddSegment({c.x - d, c.y - d}, {c.x + d, c.y + d}, kCentresColor, element, 0);
    out.AddSegment({c.x - d, c.y + d}, {c.x + d, c.y - d}, kCentresColor, element, 0);
  } else {
    AddCircle(element, 1, c, 0.4 * r, out);
  }
  out.AddLabel({RoundClamped(double(c.x) + r), RoundClamped(double(c.y) + r)}, kCentresColor,
               element, Letter(element));
}

void DrawCentres(const HullDesign& design, const Surface& surface, ViewId view,
                 const ViewMapping& mapping, const FloatingCentres& centres, CutBuffers& cuts,
                 DisplayList& out) {
  const ViewProjector projector(design, surface, view, mapping.scale);
  DrawFlotationWaterline(design, surface, projector, cuts, out);
  if (view != kProfileView && view != kBodyView) return;
  const int32_t radius = CentreSymbolRadius(mapping);
  // In the body view all three lie on the centreline.
  AddCentreSymbol(Element::kCentreOfBuoyancy, projector.Project(0.0, centres.lcb, centres.zcb),
                  radius, out);
  AddCentreSymbol(Element::kCentreOfGravity, projector.Project(0.0, centres.lcg, centres.zcg),
                  radius, out);
  AddCentreSymbol(Element::kCentreOfFlotation, projector.Project(0.0, centres.lcf, 0.0), radius,
                  out);
}

void DrawHeeledPicture(const HullDesign& design, const Surface& surface,
                       const ViewMapping& mapping, const HeelStep& step, CutBuffers& cuts,
                       DisplayList& out) {
  const ViewProjector projector(design, surface, kBodyView, mapping.scale);
  const Turn turn(step.heel, step.sinkage);
  const double forward = surface.extents.smallestY;
  const double length = surface.extents.hullLength - forward;
  // Crossings of the waterline over every section, for its drawn extent.
  double least = 1e300, greatest = -1e300;
  HeeledSection section;
  if (length > 0.0) {
    for (int i = 0; i < kHeeledStations; ++i) {
      const double y = forward + (i + 0.5) * length / kHeeledStations;
      BuildHeeledSection(design, surface, cuts, 0.0, y, 0.0, section);
      if (section.empty || section.last < 1) continue;
      out.BeginRun(design.StationColor, Element::kHeeledSection, i + 1);
      double px = 0.0, pz = 0.0;
      for (int k = 0; k <= std::min(section.last, kHeeledSectionCapacity - 1); ++k) {
        const double z = section.z[k] + step.lift;
        const double hx = turn.X(section.x[k], z);
        const double hz = turn.Z(section.x[k], z);
        if (k > 0 && (pz <= 0.0) != (hz <= 0.0)) {
          const double x0 = std::fabs(hz - pz) < 1e-12 ? hx : px + (hx - px) * (-pz) / (hz - pz);
          least = std::min(least, x0);
          greatest = std::max(greatest, x0);
        }
        px = hx;
        pz = hz;
        out.Add(projector.ProjectBodyOnSide(hx, hz, 1));
      }
      out.EndRun();
    }
  }
  const int32_t radius = CentreSymbolRadius(mapping);
  if (least <= greatest) {
    const double margin = 0.1 * std::max(greatest - least, 1e-9);
    const LogicalPoint end = projector.ProjectBodyOnSide(greatest + margin, 0.0, 1);
    out.AddSegment(projector.ProjectBodyOnSide(least - margin, 0.0, 1), end, kFlotationColor,
                   Element::kFlotationWaterline, 1);
    // The waterline runs along the axis; the usual inverted triangle near its
    // end says which line it is.
    const LogicalPoint apex{end.x - 2 * radius, end.y};
    const LogicalPoint left{apex.x - radius, apex.y + RoundClamped(1.4 * radius)};
    const LogicalPoint right{apex.x + radius, left.y};
    out.AddSegment(left, right, kFlotationColor, Element::kFlotationWaterline, 2);
    out.AddSegment(left, apex, kFlotationColor, Element::kFlotationWaterline, 2);
    out.AddSegment(right, apex, kFlotationColor, Element::kFlotationWaterline, 2);
  }
  AddCentreSymbol(Element::kCentreOfBuoyancy, projector.ProjectBodyOnSide(step.tcb, step.zcb, 1),
                  radius, out);
  AddCentreSymbol(Element::kCentreOfGravity, projector.ProjectBodyOnSide(step.tcg, step.zcg, 1),
                  radius, out);
  const double toFeet = FactorsFor(design.Units).length;
  out.AddMessage(kCentresColor, "Heel " + FormatFixed(step.heel, 0, 1) + " degrees, GZ " +
                                    FormatFixed(step.gz * toFeet, 0, 3) +
                                    (design.Units == kMillimetres ? " m" : " ft"));
}

}  // namespace skelmora
