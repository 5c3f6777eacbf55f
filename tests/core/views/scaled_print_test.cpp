#include "views/scaled_print.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/shape_changed.h"
#include "support/sample_hull.h"

namespace skelmora {
namespace {

using skelmora::testing::MakeSampleHull;
using skelmora::testing::SampleHullSize;

struct Hull {
  explicit Hull(const SampleHullSize& size = {}) : design(MakeSampleHull(size)) {
    RebuildSurface(*design, *surface);
    RecomputeExtents(*design, *surface);
  }
  std::unique_ptr<HullDesign> design;
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
};

TEST(ScaledPrint, MaximumScaleOfEachView) {
  // 30 long, 5 half-beam, 2 below and 3 above the waterline.
  Hull hull;
  const HullDesign& d = *hull.design;
  const Surface& s = *hull.surface;
  // A 30-unit hull in the profile on a page 10 inches wide, tall enough.
  EXPECT_DOUBLE_EQ(MaxPrintScale(PrintSpansOf(d, s, PrintView::kProfile), 1.0, 10.0, 50.0), 4.0);
  // Switching to the plan view takes the plan spans (30 by 10): the
  // height of a 3-inch page now decides.
  EXPECT_DOUBLE_EQ(MaxPrintScale(PrintSpansOf(d, s, PrintView::kPlan), 1.0, 10.0, 3.0), 3.6);
  const PrintSpans body = PrintSpansOf(d, s, PrintView::kBody);
  EXPECT_DOUBLE_EQ(body.horizontal, 10.0);
  EXPECT_DOUBLE_EQ(body.vertical, 5.0);
  const PrintSpans all = PrintSpansOf(d, s, PrintView::kAll);
  EXPECT_DOUBLE_EQ(all.horizontal, 1.1 * 30.0 + 10.0);
  EXPECT_DOUBLE_EQ(all.vertical, 10.0 + 1.1 * 5.0);
  // Azimuth and elevation 0: the perspective is end-on, both sides.
  const PrintSpans perspective = PrintSpansOf(d, s, PrintView::kPerspective);
  EXPECT_NEAR(perspective.horizontal, 10.0, 1e-3);
  EXPECT_NEAR(perspective.vertical, 5.0, 1e-3);
  // A metric design is measured in true inches.
  EXPECT_NEAR(MaxPrintScale(PrintSpansOf(d, s, PrintView::kProfile), 25.4, 10.0, 50.0),
              4.0 * 25.4, 1e-9);
  // Typed values above the maximum are the maximum.
  EXPECT_DOUBLE_EQ(ClampPrintScale(10.0, 4.0), 4.0);
  EXPECT_DOUBLE_EQ(ClampPrintScale(2.5, 4.0), 2.5);
  // No size: a finite cap, never infinity.
  HullDesign point;
  EXPECT_DOUBLE_EQ(MaxPrintScale(PrintSpansOf(point, s, PrintView::kProfile), 1.0, 10.0, 8.0),
                   kMaxPrintScale);
}

TEST(ScaledPrint, FactorAndRatio) {
  EXPECT_DOUBLE_EQ(PrintFactor(4.0, 1.0), 3.0);
  EXPECT_DOUBLE_EQ(PrintFactor(4.0, 25.4), 76.2);
  EXPECT_EQ(ScaleRatioText(4.0), "1 : 3");
  EXPECT_EQ(ScaleRatioText(0.25), "1 : 48");
  EXPECT_EQ(ScaleRatioText(5.0), "1 : 2.40");
}

// The device extent of the vertex net's polylines in one panel.
void NetExtent(const PrintPanel& panel, double& left, double& right, double& top,
               double& bottom) {
  left = top = 1e300;
  right = bottom = -1e300;
  for (const Polyline& line : panel.list.polylines()) {
    if (line.element != Element::kNetRow) continue;
    for (uint32_t k = 0; k < line.count; ++k) {
      const LogicalPoint& p = panel.list.points()[line.first + k];
      const double x = panel.mapping.DeviceX(p.x), y = panel.mapping.DeviceY(p.y);
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
}

TEST(ScaledPrint, PanelsAreTrueToScaleAndOnThePage) {
  for (int32_t units : {int32_t{kInches}, int32_t{kMillimetres}}) {
    SCOPED_TRACE(units);
    SampleHullSize size;
    if (units == kMillimetres) {
      size.length = 30.0 * 25.4, size.halfBeam = 5.0 * 25.4;
      size.draft = 2.0 * 25.4, size.freeboard = 3.0 * 25.4;
    }
    Hull hull(size);
    hull.design->Units = units;
    auto scratch = std::make_unique<DrawScratch>();
    const double dpi = 600.0;
    const int pageWidth = 11 * 600, pageHeight = 8 * 600;
    // 30 inches at 3 inches = 1 ft: 7.5 inches on paper.
    std::vector<PrintPanel> panels = LayOutScaledPrint(
        *hull.design, *hull.surface, DrawInputs{}, *scratch, PrintView::kProfile, 3.0, dpi,
        pageWidth, pageHeight);
    ASSERT_EQ(panels.size(), 1u);
    double left, right, top, bottom;
    NetExtent(panels[0], left, right, top, bottom);
    EXPECT_NEAR((right - left) / dpi, 7.5, 0.005);
    EXPECT_NEAR((bottom - top) / dpi, 5.0 * 3.0 / 12.0, 0.005);
    EXPECT_NEAR((left + right) / 2.0, pageWidth / 2.0, 0.01 * pageWidth);

    // All three: profile above the plan, the body to the right, none
    // overlapping and all on the page.
    panels = LayOutScaledPrint(*hull.design, *hull.surface, DrawInputs{}, *scratch,
                               PrintView::kAll, 2.0, dpi, pageWidth, pageHeight);
    ASSERT_EQ(panels.size(), 3u);
    double l[3], r[3], t[3], b[3];
    for (int k = 0; k < 3; ++k) {
      NetExtent(panels[k], l[k], r[k], t[k], b[k]);
      EXPECT_GE(l[k], 0.0);
      EXPECT_LE(r[k], pageWidth);
      EXPECT_GE(t[k], 0.0);
      EXPECT_LE(b[k], pageHeight);
    }
    EXPECT_EQ(panels[0].view, kProfileView);
    EXPECT_NEAR((r[0] - l[0]) / dpi, 5.0, 0.005);  // 30 at 2 in = 1 ft
    EXPECT_LT(b[0], t[1]);                          // plan below the profile
    EXPECT_LT(r[0], l[2]);                          // body right of it
    EXPECT_NEAR((r[2] - l[2]) / dpi, 10.0 * 2.0 / 12.0, 0.005);
  }
}

}  // namespace
}  // namespace skelmora
