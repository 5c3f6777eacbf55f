#include "shapes/stretch_translate.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"
#include "model/net_edit.h"

namespace skelmora {
namespace {

using Stretch = edittest::EditTest;

template <typename Get>
void ExpectEachVertex(const HullDesign& was, const HullDesign& now, Get expected) {
  for (int c = 0; c <= now.LastColumn; ++c) {
    for (int r = 0; r <= now.LastRow; ++r) {
      SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
      const Vertex want = expected(was.Net[c][r]);
      EXPECT_FLOAT_EQ(now.Net[c][r].x, want.x);
      EXPECT_FLOAT_EQ(now.Net[c][r].y, want.y);
      EXPECT_FLOAT_EQ(now.Net[c][r].z, want.z);
      EXPECT_EQ(now.Net[c][r].w, was.Net[c][r].w);
    }
  }
}

TEST_F(Stretch, ScaleByPercentActsOnTheChosenDimensionOnly) {
  struct Case {
    HullParameter parameter;
    double percent;
    Vertex (*expected)(Vertex);
  };
  const Case cases[] = {
      {HullParameter::kOverall, -50.0,
       [](Vertex v) {
         return Vertex{v.x / 2, v.y / 2, v.z / 2, v.w};
       }},
      {HullParameter::kLength, 25.0,
       [](Vertex v) {
         return Vertex{v.x, v.y * 1.25f, v.z, v.w};
       }},
      {HullParameter::kHalfBeam, -50.0,
       [](Vertex v) {
         return Vertex{v.x / 2, v.y, v.z, v.w};
       }},
      // Only above the waterline, and only below it.
      {HullParameter::kFreeboard, 100.0,
       [](Vertex v) {
         return Vertex{v.x, v.y, v.z > 0 ? 2 * v.z : v.z, v.w};
       }},
      {HullParameter::kDraft, -50.0,
       [](Vertex v) {
         return Vertex{v.x, v.y, v.z < 0 ? v.z / 2 : v.z, v.w};
       }},
      {HullParameter::kDraft, 0.0, [](Vertex v) { return v; }},
  };
  for (const Case& c : cases) {
    Open(8, 6, 3, 3);
    design().Net[3][2].z = 0.0f;  // on the waterline: neither draft nor freeboard
    design().Net[3][2].w = 2.0f;
    const HullDesign before = design();
    ASSERT_TRUE(StretchHull(design(), surface(), history(), prompter, StretchMode::kScaleByPercent,
                            c.parameter, c.percent));
    ExpectEachVertex(before, design(), c.expected);
    EXPECT_EQ(design().UndoCount, 1);  // recorded even when nothing changes
  }
}

TEST_F(Stretch, SetDimensionDividesByTheCurrentValue) {
  design().StationSpacing = 20.0;
  design().WaterlineSpacing = 4.0;
  EXPECT_EQ(StretchCurrentValue(design(), HullParameter::kLength), 400.0);
  const HullDesign before = design();
  ASSERT_TRUE(StretchHull(design(), surface(), history(), prompter, StretchMode::kSetDimension,
                          HullParameter::kLength, 300.0));
  ExpectEachVertex(before, design(), [](Vertex v) { return Vertex{v.x, v.y * 0.75f, v.z, v.w}; });
  EXPECT_EQ(StretchCurrentValue(design(), HullParameter::kLength), 300.0);
  EXPECT_NEAR(surface().extents.hullLength, 300.0, 1e-4);
  EXPECT_EQ(design().StationSpacing, 0.0);
  EXPECT_EQ(design().WaterlineSpacing, 4.0);

  // The principal dimensions the design carries, as the new-hull dialog entered them.
  design().DesignDimensions[kDimensionDraft] = 20.0;
  ASSERT_TRUE(StretchHull(design(), surface(), history(), prompter, StretchMode::kSetDimension,
                          HullParameter::kDraft, 30.0));
  EXPECT_FLOAT_EQ(design().Net[4][0].z, before.Net[4][0].z * 1.5f);
  EXPECT_EQ(design().WaterlineSpacing, 0.0);
}

TEST_F(Stretch, NoFactorNoChange) {
  struct Case {
    StretchMode mode;
    HullParameter parameter;
    double value;
    const char* message;
  };
  const Case cases[] = {
      {StretchMode::kSetDimension, HullParameter::kFreeboard, 30.0,
       "The current freeboard is 0, so no factor can be found from a new value. Use Scale By "
       "Percent instead, or run the hydrostatics first to measure the hull."},
      {StretchMode::kSetDimension, HullParameter::kLength, -100.0,
       "The new length overall (-100.000) must not be 0 and must have the sign of the current "
       "one (400.000)."},
      {StretchMode::kSetDimension, HullParameter::kOverall, 0.0,
       "The new length overall (0.000) must not be 0 and must have the sign of the current one "
       "(400.000)."},
      {StretchMode::kScaleByPercent, HullParameter::kHalfBeam, -100.0,
       "Scaling by -100.0 % would collapse or mirror the hull: the percentage must be above "
       "-100."},
  };
  const std::string before = State();
  for (const Case& c : cases) {
    prompter.errors.clear();
    EXPECT_FALSE(StretchHull(design(), surface(), history(), prompter, c.mode, c.parameter, c.value));
    EXPECT_EQ(prompter.errors, std::vector<std::string>{c.message});
  }
  // A net with no length at all.
  for (int c = 0; c <= 8; ++c) {
    for (int r = 0; r <= 6; ++r) design().Net[c][r].y = 5.0f;
  }
  prompter.errors.clear();
  EXPECT_FALSE(StretchHull(design(), surface(), history(), prompter, StretchMode::kSetDimension,
                           HullParameter::kOverall, 100.0));
  EXPECT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(design().UndoCount, 0);
}

TEST_F(Stretch, ShiftsMoveEveryVertex) {
  const HullDesign before = design();
  ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kForeAft, -10.0));
  ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kUpDown, 2.5));
  ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kRightLeft, 1.0));
  ExpectEachVertex(before, design(), [](Vertex v) {
    return Vertex{v.x + 1.0f, v.y - 10.0f, v.z + 2.5f, v.w};
  });
  EXPECT_EQ(design().UndoCount, 3);
}

TEST_F(Stretch, BowToZeroPutsTheForemostSurfacePointAtZeroAndIsIdempotent) {
  for (float offset : {35.0f, -35.0f}) {
    Open(8, 6, 3, 3);
    for (int c = 0; c <= 8; ++c) {
      for (int r = 0; r <= 6; ++r) design().Net[c][r].y += offset;
    }
    // A raked stem: the foremost surface point lies between vertices.
    design().Net[0][6].y -= 8.0f;
    hull.Rebuild();
    ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kBowToZero));
    EXPECT_NEAR(surface().extents.smallestY, 0.0, 1e-4) << offset;

    const HullDesign settled = design();
    ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kBowToZero));
    for (int c = 0; c <= 8; ++c) {
      for (int r = 0; r <= 6; ++r) EXPECT_NEAR(design().Net[c][r].y, settled.Net[c][r].y, 1e-4);
    }
  }
  // A bow exactly at 0 stays bit for bit.
  Open(8, 6, 3, 3);
  const std::string before = State();
  ASSERT_TRUE(TranslateHull(design(), surface(), history(), ShiftKind::kBowToZero));
  EXPECT_EQ(State(), before);
}

// A result the float net cannot hold (it would be kept as infinity and saved
// as 0) is refused before anything changes, with the same message for
// every whole-net edit.
TEST_F(Stretch, ResultsBeyondTheNetAreRefusedUntouched) {
  const std::string before = State();
  const std::vector<std::string> overflow{kNetOverflowMessage};
  struct StretchCase {
    StretchMode mode;
    HullParameter parameter;
    double value;
  };
  for (const StretchCase& c : {StretchCase{StretchMode::kScaleByPercent, HullParameter::kOverall, 1e308},
                               StretchCase{StretchMode::kSetDimension, HullParameter::kOverall, 1e300},
                               StretchCase{StretchMode::kSetDimension, HullParameter::kLength, 1e39},
                               StretchCase{StretchMode::kScaleByPercent, HullParameter::kHalfBeam, 1e40}}) {
    prompter.errors.clear();
    EXPECT_FALSE(StretchHull(design(), surface(), history(), prompter, c.mode, c.parameter, c.value))
        << c.value;
    EXPECT_EQ(prompter.errors, overflow) << c.value;
  }
  for (const ShiftKind kind : {ShiftKind::kForeAft, ShiftKind::kUpDown, ShiftKind::kRightLeft}) {
    prompter.errors.clear();
    EXPECT_FALSE(TranslateHull(design(), surface(), history(), kind, 4e38, &prompter));
    EXPECT_EQ(prompter.errors, overflow);
    EXPECT_FALSE(TranslateHull(design(), surface(), history(), kind, -1e39));  // no prompter: silent
  }
  prompter.errors.clear();
  EXPECT_FALSE(TranslateHull(design(), surface(), history(), ShiftKind::kUpDown,
                             std::numeric_limits<double>::quiet_NaN(), &prompter));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{"The value is not a number."});
  EXPECT_TRUE(State() == before);
  EXPECT_EQ(design().UndoCount, 0);
}

}  // namespace
}  // namespace skelmora
