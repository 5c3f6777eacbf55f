#include "views/centres_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

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

LabelBox CentreLabelBox(LogicalPoint anchor, const ViewMapping& mapping) {
  const double ppl = mapping.pixelsPerLogical > 0.0 ? mapping.pixelsPerLogical : 1.0;
  const double w = kCentreLabelPixels.width / ppl;
  const double descent = kCentreLabelPixels.descent / ppl;
  const double h = kCentreLabelPixels.height / ppl;
  const double x = anchor.x, y = anchor.y;
  return {x, x + w, y - descent, y - descent + h};
}

namespace {

bool Overlap(const LabelBox& a, const LabelBox& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

bool Touches(const LabelBox& box, const CentreMark& mark) {
  const double nx = std::clamp<double>(mark.centre.x, box.x0, box.x1);
  const double ny = std::clamp<double>(mark.centre.y, box.y0, box.y1);
  const double dx = nx - mark.centre.x, dy = ny - mark.centre.y;
  return dx * dx + dy * dy < double(mark.radius) * mark.radius;
}

}  // namespace

void AddCentreSymbols(std::span<const CentreMark> marks, const ViewMapping& mapping,
                      DisplayList& out) {
  for (const CentreMark& mark : marks) AddCentreSymbol(mark.element, mark.centre, mark.radius, out);
  // Each letter goes to the first place around its symbol, nearest first,
  // that no other letter and no other symbol covers, so close centres keep
  // their letters apart; the up-right corner comes first as it always did.
  const LabelBox unit = CentreLabelBox({0, 0}, mapping);
  const double w = unit.x1 - unit.x0, h = unit.y1 - unit.y0, below = -unit.y0;
  constexpr int kDirections[][2] = {{1, 1},  {-1, 1}, {1, -1}, {-1, -1},
                                    {1, 0},  {-1, 0}, {0, 1},  {0, -1}};
  std::vector<LabelBox> placed;
  for (const CentreMark& mark : marks) {
    const double r = mark.radius;
    LabelBox chosen{};
    bool found = false;
    for (int ring = 0; ring < 6 && !found; ++ring) {
      for (const auto& d : kDirections) {
        // Box centre: clear of the symbol by a ring of label sizes.
        const double cx = mark.centre.x + d[0] * (r + 0.5 * w + ring * w);
        const double cy = mark.centre.y + d[1] * (r + 0.5 * h + ring * h);
        const LabelBox box{cx - 0.5 * w, cx + 0.5 * w, cy - 0.5 * h, cy + 0.5 * h};
        if (!found) chosen = box;  // the fallback: the nearest corner
        bool clear = std::none_of(placed.begin(), placed.end(),
                                  [&](const LabelBox& other) { return Overlap(box, other); });
        for (const CentreMark& other : marks) clear = clear && !Touches(box, other);
        if (clear) {
          chosen = box;
          found = true;
          break;
        }
      }
    }
    placed.push_back(chosen);
    out.AddLabel({RoundClamped(chosen.x0), RoundClamped(chosen.y0 + below)}, kCentresColor,
                 mark.element, Letter(mark.element));
  }
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
}

void DrawCentres(const HullDesign& design, const Surface& surface, ViewId view,
                 const ViewMapping& mapping, const FloatingCentres& centres, CutBuffers& cuts,
                 DisplayList& out) {
  const ViewProjector projector(design, surface, view, mapping.scale);
  DrawFlotationWaterline(design, surface, projector, cuts, out);
  if (view != kProfileView && view != kBodyView) return;
  const int32_t radius = CentreSymbolRadius(mapping);
  // In the body view all three lie on the centreline.
  const CentreMark marks[] = {
      {Element::kCentreOfBuoyancy, projector.Project(0.0, centres.lcb, centres.zcb), radius},
      {Element::kCentreOfGravity, projector.Project(0.0, centres.lcg, centres.zcg), radius},
      {Element::kCentreOfFlotation, projector.Project(0.0, centres.lcf, 0.0), radius}};
  AddCentreSymbols(marks, mapping, out);
}

namespace {

// Calls point(i, k, x, z) for point k of heeled station i (x and z turned
// as the run turned the hull) and returns the waterline's drawn extent
// across them: the outermost crossings of z = 0 with a tenth of their
// spacing added each side; least > greatest when the waterline meets none.
template <typename PointFn>
std::pair<double, double> TraceHeeledStations(const HullDesign& design, const Surface& surface,
                                              const HeelStep& step, CutBuffers& cuts,
                                              PointFn&& point) {
  const Turn turn(step.heel, step.sinkage);
  const double forward = surface.extents.smallestY;
  const double length = surface.extents.hullLength - forward;
  double least = 1e300, greatest = -1e300;
  HeeledSection section;
  if (length > 0.0) {
    for (int i = 0; i < kHeeledStations; ++i) {
      const double y = forward + (i + 0.5) * length / kHeeledStations;
      BuildHeeledSection(design, surface, cuts, 0.0, y, 0.0, section);
      if (section.empty || section.last < 1) continue;
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
        point(i, k, hx, hz);
      }
    }
  }
  if (least <= greatest) {
    const double margin = 0.1 * std::max(greatest - least, 1e-9);
    least -= margin;
    greatest += margin;
  }
  return {least, greatest};
}

}  // namespace

std::optional<HeeledBox> HeeledPictureBox(const HullDesign& design, const Surface& surface,
                                          const HeelStep& step, CutBuffers& cuts) {
  HeeledBox box{1e300, -1e300, 1e300, -1e300};
  bool any = false;
  auto take = [&](double x, double z) {
    if (!std::isfinite(x) || !std::isfinite(z)) return;
    box.x0 = std::min(box.x0, x), box.x1 = std::max(box.x1, x);
    box.z0 = std::min(box.z0, z), box.z1 = std::max(box.z1, z);
    any = true;
  };
  const auto [least, greatest] = TraceHeeledStations(
      design, surface, step, cuts, [&](int, int, double x, double z) { take(x, z); });
  if (!any) return std::nullopt;
  if (least <= greatest) {
    take(least, 0.0);
    take(greatest, 0.0);
  }
  take(step.tcb, step.zcb);
  take(step.tcg, step.zcg);
  return box;
}

void FitHeeledBody(const HeeledBox& box, ViewFitBoxes& fit) {
  // The body view is drawn about the centreline, so its box is symmetric;
  // the mapping adds a tenth across, and a twentieth of the height goes
  // above and below here so the deck edge and keel stay inside.
  fit.X1 = std::max(std::fabs(box.x0), std::fabs(box.x1));
  fit.X0 = -fit.X1;
  const double margin = 0.05 * std::max(box.z1 - box.z0, 0.0);
  fit.Z0 = std::min(box.z0 - margin, 0.0);
  fit.Z1 = std::max(box.z1 + margin, 0.0);
}

void DrawHeeledPicture(const HullDesign& design, const Surface& surface,
                       const ViewMapping& mapping, const HeelStep& step, CutBuffers& cuts,
                       DisplayList& out) {
  const ViewProjector projector(design, surface, kBodyView, mapping.scale);
  int open = -1;
  const auto [least, greatest] =
      TraceHeeledStations(design, surface, step, cuts, [&](int i, int k, double x, double z) {
        if (k == 0) {
          if (open >= 0) out.EndRun();
          out.BeginRun(design.StationColor, Element::kHeeledSection, i + 1);
          open = i;
        }
        out.Add(projector.ProjectBodyOnSide(x, z, 1));
      });
  if (open >= 0) out.EndRun();
  const int32_t radius = CentreSymbolRadius(mapping);
  if (least <= greatest) {
    const LogicalPoint end = projector.ProjectBodyOnSide(greatest, 0.0, 1);
    out.AddSegment(projector.ProjectBodyOnSide(least, 0.0, 1), end, kFlotationColor,
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
  const CentreMark marks[] = {
      {Element::kCentreOfBuoyancy, projector.ProjectBodyOnSide(step.tcb, step.zcb, 1), radius},
      {Element::kCentreOfGravity, projector.ProjectBodyOnSide(step.tcg, step.zcg, 1), radius}};
  AddCentreSymbols(marks, mapping, out);
  const double toFeet = FactorsFor(design.Units).length;
  out.AddMessage(kCentresColor, "Heel " + FormatFixed(step.heel, 0, 1) + " degrees, GZ " +
                                    FormatFixed(step.gz * toFeet, 0, 3) +
                                    (design.Units == kMillimetres ? " m" : " ft"));
}

}  // namespace skelmora
