// The template nets of the power and cargo hull types, in the units of
// their reference hulls, and the rule that scales them to a new hull.
#pragma once

#include <span>

#include "model/hull_design.h"

namespace skelmora {

struct TemplatePoint {
  double x, y, z;
};

struct HullTemplate {
  // Reference dimensions: length, half beam, freeboard, draft.
  double L0, B0, F0, D0;
  int lastColumn;  // of the body, before any stern columns
  int lastRow;
  std::span<const TemplatePoint> points;  // [column * (lastRow + 1) + row]
  // Stern columns added after the body: flat transom (its centreline) and
  // round stern (half breadth, then centreline).
  std::span<const TemplatePoint> flatStern;
  std::span<const TemplatePoint> roundStern;
};

const HullTemplate& PowerTemplate();     // "No Chine" and "1 Chine Power", millimetres
const HullTemplate& TwoChineTemplate();  // "2 Chine Power", inches
const HullTemplate& CargoTemplate();     // "Cargo Ship", millimetres

// The four factors of the scaling: y by length, x by beam, z above the
// waterline by freeboard and below by draft.
struct TemplateScale {
  double sy, sx, su, sd;
};

// A template point as vertex of the new hull. Column 0 (the stem) takes its
// depth from the freeboard factor too.
Vertex ScaleTemplatePoint(const TemplatePoint& p, const TemplateScale& s, int column);

}  // namespace skelmora
