// "Show Centres" and the heeled body view: the centres of buoyancy (B),
// gravity (G) and flotation (F) as their symbols, the flotation waterline,
// and the hull turned to one heel of a stability run.
#pragma once

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
// index 0, 25 points), the marks inside it (G: a cross, quartering the
// disc; F: a diagonal cross; B: a smaller circle, index 1) and its letter
// beside it.
void AddCentreSymbol(Element element, LogicalPoint centre, int32_t radius, DisplayList& out);

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
void DrawHeeledPicture(const HullDesign& design, const Surface& surface,
                       const ViewMapping& mapping, const HeelStep& step, CutBuffers& cuts,
                       DisplayList& out);

}  // namespace skelmora
