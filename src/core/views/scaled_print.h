// Printing a view of the hull at a drawing scale given the draughtsman's
// way, inches on paper per foot of hull: the largest scale at which a view
// fits a page, and the layout of the view (or of profile, plan and body
// together) on the page, true to scale.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/hull_design.h"
#include "surface/surface.h"
#include "views/display_list.h"
#include "views/draw_design.h"
#include "views/view_mapping.h"

namespace skelmora {

enum class PrintView { kBody, kPlan, kProfile, kPerspective, kAll };

// "body", "plan", "profile", "perspective", "all".
const char* PrintViewKeyword(PrintView view);
std::optional<PrintView> PrintViewFromKeyword(std::string_view keyword);

// What a view spans on paper, in design units: body 2 x half-beam by the
// height; plan length by 2 x half-beam; profile length by height;
// perspective its projected box; all 1.1 x length + 2 x half-beam (the body
// view shows both sides) by 2 x half-beam + 1.1 x height. From the vertex
// net, which holds the surface.
struct PrintSpans {
  double horizontal = 0.0;
  double vertical = 0.0;
};
PrintSpans PrintSpansOf(const HullDesign& design, const Surface& surface, PrintView view);

// Design units in one inch: 25.4 for a metric design, which is printed
// true to the scale shown.
double DesignUnitsPerInch(const HullDesign& design);

// The largest scale (inches = 1 ft) at which the spans fit a page of
// pageWidth x pageHeight inches: 12 / max(sh, sv) with sh and sv the spans
// in inches per page inch. A hull with no size gets kMaxPrintScale.
inline constexpr double kMaxPrintScale = 1200.0;
double MaxPrintScale(const PrintSpans& spans, double unitsPerInch, double pageWidth,
                     double pageHeight);

// A typed scale above the maximum is the maximum.
inline double ClampPrintScale(double scale, double maxScale) {
  return scale > maxScale ? maxScale : scale;
}

// Design units per paper inch at a scale: 12 / scale inches, in the design's unit.
double PrintFactor(double printScale, double unitsPerInch);

// The scale as a ratio: 4 inches = 1 ft is "1 : 3".
std::string ScaleRatioText(double printScale);

// One view on the page: its list and the mapping that puts it there
// (device pixels of the page, y down, as the views' mappings).
struct PrintPanel {
  ViewId view = kBodyView;
  DisplayList list;
  ViewMapping mapping;
};

// The panels of a print at printScale on a page of pageWidth x pageHeight
// device pixels, dotsPerInch of them to the inch: each view drawn from the
// display list so that one design unit is 1 / PrintFactor inches on paper,
// centred on the page (all: profile, plan below it, body to its right).
// The design waterline is drawn and marked "DWL" across the body and
// profile, the centreline down the body and along the plan, each within the
// hull's span; vertex squares (when the net is shown) are the same small
// size in every panel. Nothing is drawn outside the page.
std::vector<PrintPanel> LayOutScaledPrint(HullDesign& design, const Surface& surface,
                                          const DrawInputs& inputs, DrawScratch& scratch,
                                          PrintView view, double printScale, double dotsPerInch,
                                          int pageWidth, int pageHeight);

}  // namespace skelmora
