// "Show Centres" and the heeled body view: the centres of buoyancy (B),
// gravity (G) and flotation (F) as their symbols, the flotation waterline,
// and the hull turned to one heel of a stability run.
#pragma once

#include <optional>
#include <span>

#include "hydro/centres.h"
#include "model/hull_design.h"
#include "surface/sections.h"
#include "surface/surface.h"
#include "views/display_list.h"
#include "views/view_mapping.h"

namespace skelmora {

inline constexpr Rgb kCentresColor = 0x0000C0;     // (192, 0, 0)
inline constexpr Rgb kFlotationColor = 0xFF8000;   // (0, 128, 255)

// Half the size of a centre's symbol: about six pixels, in logical units.
int32_t CentreSymbolRadius(const ViewMapping& mapping);

// The symbol of one centre at a logical point: a circle (kCentreOf...,
// index 0, 25 points) and the marks inside it (G: a cross, quartering the
// disc; F: a diagonal cross; B: a smaller circle, index 1).
void AddCentreSymbol(Element element, LogicalPoint centre, int32_t radius, DisplayList& out);

// The room a centre's letter takes on screen, in pixels: the window's bold
// 14-pixel font with some to spare.
struct LabelPixels {
  double width, height, descent;
};
inline constexpr LabelPixels kCentreLabelPixels{12.0, 17.0, 4.0};

// The logical box a letter drawn at anchor (its baseline's left end) covers.
struct LabelBox {
  double x0, x1, y0, y1;
};
LabelBox CentreLabelBox(LogicalPoint anchor, const ViewMapping& mapping);

struct CentreMark {
  Element element;
  LogicalPoint centre;
  int32_t radius;
};
// The symbols of several centres with their letters (B, G, F), each letter
// placed where it covers no other letter and no other symbol.
void AddCentreSymbols(std::span<const CentreMark> marks, const ViewMapping& mapping,
                      DisplayList& out);

// The upright picture: the z = 0 waterline in every view; B, G and F in the
// profile view at their y and height and in the body view on the
// centreline.
void DrawCentres(const HullDesign& design, const Surface& surface, ViewId view,
                 const ViewMapping& mapping, const FloatingCentres& centres, CutBuffers& cuts,
                 DisplayList& out);

// The body view at one heel: 21 stations spread over the hull's length,
// each closed across its deck, mirrored, lifted by step.lift and turned as
// the stability run turned it, the waterline across the heeled hull, B and
// G of the step, and a message naming the heel and GZ.
// The model extent of the heeled picture (stations, waterline, B and G),
// x across and z up as drawn; nothing when no station could be cut.
struct HeeledBox {
  double x0, x1, z0, z1;
};
std::optional<HeeledBox> HeeledPictureBox(const HullDesign& design, const Surface& surface,
                                          const HeelStep& step, CutBuffers& cuts);
// The body view's fit box for that picture, replacing the upright one.
void FitHeeledBody(const HeeledBox& box, ViewFitBoxes& fit);

void DrawHeeledPicture(const HullDesign& design, const Surface& surface,
                       const ViewMapping& mapping, const HeelStep& step, CutBuffers& cuts,
                       DisplayList& out);

}  // namespace skelmora
