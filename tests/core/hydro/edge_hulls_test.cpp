// Hulls at the edge of floating: well down, resting exactly on the
// waterline, and just above it. Every result must be a finite number that
// fits the hull (no start values of the searches, no NaN, no "-0.000").
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/hydro/hydro_fixtures.h"
#include "files/text_io.h"
#include "hydro/drag.h"
#include "hydro/hydro_report.h"
#include "hydro/hydrostatics.h"
#include "hydro/result_fields.h"

namespace skelmora {
namespace {

using test::Hull;
using test::MakePrism;
using test::PrismShape;

// The box barge: 240 long, 48 half-beam, bottom at keel, deck at 30.
constexpr double kLength = 240.0, kHalfBeam = 48.0, kDeck = 30.0;

// Every field finite, and every length, area and volume within the box that
// holds the hull (the whole hull, both sides) in the unit the field is in.
// A drag run keeps kilograms in volume and model units in vcb.
void ExpectFitsTheHull(const HydrostaticResults& r, double keel, bool dragRun,
                       const std::string& run) {
  const double size = kLength + 2.0 * kHalfBeam + kDeck + std::fabs(keel);
  const double feet = size / 12.0;
  for (const ResultField& field : HydrostaticFields(r, kInches)) {
    SCOPED_TRACE(run + " keel " + std::to_string(keel) + ": " + field.name);
    ASSERT_TRUE(std::isfinite(field.value)) << field.value;
    const std::string name = field.name;
    if (dragRun && (name == "volume" || name == "vcb")) continue;
    double bound = 0.0;
    if (field.unit == "in") bound = size;
    if (field.unit == "ft") bound = feet;
    if (field.unit == "ft^2") bound = 2.0 * feet * feet;
    if (field.unit == "ft^3") bound = feet * feet * feet;
    if (bound > 0.0) {
      EXPECT_LE(std::fabs(field.value), bound);
    }
  }
}

// What a printed value may not look like.
void ExpectPrintable(const std::string& text, const std::string& where) {
  EXPECT_EQ(text.find("nan"), std::string::npos) << where << ": " << text;
  EXPECT_EQ(text.find("inf"), std::string::npos) << where << ": " << text;
  EXPECT_EQ(text.find("-0.000"), std::string::npos) << where << ": " << text;
  // The number before its unit text.
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_first_not_of("-.0123456789", first);
  const auto value = TryParseReal(text.substr(first, last - first));
  ASSERT_TRUE(value.has_value()) << where << ": " << text;
  EXPECT_LT(std::fabs(*value), 1e7) << where << ": " << text;
}

struct EdgeCase {
  double keel;   // height of the flat bottom
  bool floats;   // passes the checks
  bool immersed; // has a waterline and volume
};

TEST(EdgeHulls, EveryResultFitsTheHullAtEveryKeelHeight) {
  const EdgeCase cases[] = {{-20.0, true, true}, {0.0, true, false}, {1.0, false, false}};
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE("keel " + std::to_string(c.keel));
    Hull hull;
    MakePrism(hull, PrismShape{.draft = -c.keel});
    EXPECT_EQ(HullGuard(hull.d(), *hull.surface, hull.prompter), c.floats);
    const bool ran =
        ComputeHydrostatics(hull.d(), *hull.surface, *hull.cuts, hull.results, hull.prompter);
    ASSERT_EQ(ran, c.floats);
    const HydrostaticResults& r = hull.results;
    EXPECT_DOUBLE_EQ(r.loa, kLength);
    EXPECT_DOUBLE_EQ(r.lowestZ, c.floats ? std::min(c.keel, 0.0) : c.keel);
    ExpectFitsTheHull(r, c.keel, false, "hydrostatics");
    if (!c.floats) {
      EXPECT_EQ(r.lwl, 0.0);  // untouched by a refused run
      continue;
    }
    if (c.immersed) {
      EXPECT_DOUBLE_EQ(r.lwl, kLength);
      EXPECT_GT(r.volume, 0.0);
      EXPECT_GT(r.gmt, 0.0);
    } else {
      // Nothing immersed: every immersed quantity is exactly 0.
      for (double value : {r.lwl, r.halfBeamWl, r.maxSectionArea, r.lateralArea, r.clpVertical,
                           r.clpLongitudinal, r.wettedArea, r.volume, r.lcb, r.vcb,
                           r.waterplaneArea, r.lcf, r.cp, r.cb, r.cw, r.dispLengthRatio,
                           r.brakePower, r.immersion, r.bmt, r.gmt, r.bml, r.gml,
                           r.momentToTrim}) {
        EXPECT_EQ(value, 0.0);
        EXPECT_FALSE(std::signbit(value));
      }
      EXPECT_GT(r.hullSurfaceArea, 0.0);
      EXPECT_DOUBLE_EQ(r.maxFreeboard, kDeck);
    }

    // The report, as shown and printed.
    for (const int32_t units : {kInches, kMillimetres}) {
      for (const ReportGroup& group : BuildHydrostaticsReport(r, units).groups) {
        for (const ReportLine& line : group.lines) ExpectPrintable(line.value, line.caption);
      }
    }

    // The drag run on the same hull.
    Hull dragHull;
    MakePrism(dragHull, PrismShape{.draft = -c.keel});
    DragResults drag;
    ASSERT_TRUE(ComputeDrag(dragHull.d(), *dragHull.surface, *dragHull.cuts, dragHull.results,
                            drag, dragHull.prompter));
    ExpectFitsTheHull(dragHull.results, c.keel, true, "drag");
    for (int i = 0; i <= kDragRows; ++i) {
      EXPECT_TRUE(std::isfinite(drag.waveDrag[i])) << i;
      EXPECT_TRUE(std::isfinite(drag.frictionDrag[i])) << i;
      EXPECT_TRUE(std::isfinite(DragSpeed(drag, i))) << i;
      if (!c.immersed) {
        EXPECT_EQ(drag.waveDrag[i], 0.0) << i;
        EXPECT_EQ(drag.frictionDrag[i], 0.0) << i;
        EXPECT_EQ(DragSpeed(drag, i), 0.0) << i;
      }
    }
    for (const auto& row : FormatDragTable(drag)) {
      for (const std::string& cell : row) {
        EXPECT_EQ(cell.find("nan"), std::string::npos) << cell;
        EXPECT_EQ(cell.find("-0.0"), std::string::npos) << cell;
      }
    }
    const ResistanceParameters& p = drag.parameters;
    for (double value : {p.cp, p.lcbTerm, p.beamDraft, p.slenderness, p.displacementKg}) {
      EXPECT_TRUE(std::isfinite(value));
      if (!c.immersed) {
        EXPECT_EQ(value, 0.0);
      }
    }
  }
}

}  // namespace
}  // namespace skelmora
