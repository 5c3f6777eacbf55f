// The session's recompute paths: what each one rebuilds, and the history it
// keeps or does not keep.
#include <gtest/gtest.h>

#include <memory>

#include "core/files/file_test_support.h"
#include "core/surface/test_nets.h"
#include "hydro/hydrostatics.h"
#include "model/chines.h"
#include "model/design_session.h"
#include "model/silent_prompter.h"
#include "surface/surface_build.h"

namespace skelmora {
namespace {

class CountingHooks : public ViewHooks {
 public:
  void RefitViews() override { ++refits; }
  void RepaintViews() override { ++repaints; }
  int refits = 0;
  int repaints = 0;
};

// The boat net of the view tests in a session.
void FillBoat(DesignSession& session) {
  nets::Hull boat = nets::MakeHull(8, 4, 3, 3, nets::BoatVertex);
  session.design = boat.d();
}

TEST(DesignSession, TopologyRebuildsTheGridAndExtentsAndCallsTheViewsOnce) {
  DesignSession session;
  FillBoat(session);
  CountingHooks hooks;
  session.hooks = &hooks;
  session.Regenerate(Change::kTopology);
  EXPECT_EQ(hooks.refits, 1);
  EXPECT_EQ(hooks.repaints, 1);
  EXPECT_TRUE(session.design.ExtentsValid);
  EXPECT_TRUE(SurfaceIsCurrent(session.design, *session.surface));
  EXPECT_NEAR(session.surface->extents.hullLength, 100.0, 1e-4);

  // A longer net: the extents follow only through a recompute path.
  for (auto& column : session.design.Net) {
    for (Vertex& v : column) v.y *= 2.0f;
  }
  EXPECT_NEAR(session.surface->extents.hullLength, 100.0, 1e-4);
  session.Regenerate(Change::kVertices);
  EXPECT_EQ(hooks.refits, 2);
  EXPECT_EQ(hooks.repaints, 2);
  EXPECT_NEAR(session.surface->extents.hullLength, 200.0, 1e-4);
  EXPECT_TRUE(session.design.ExtentsValid);
}

// Each level runs its own step and those below it; only one view's change
// leaves the hooks alone (the window repaints itself).
TEST(DesignSession, EachLevelRunsItsStepsThenTheHooks) {
  struct Case {
    Change change;
    bool gridFollows;
    bool extentsValid;
    int hookCalls;
  };
  const Case cases[] = {
      {Change::kOneView, false, false, 0},  {Change::kViews, false, false, 1},
      {Change::kExtents, false, true, 1},   {Change::kVertices, true, true, 1},
      {Change::kTopology, true, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.change));
    DesignSession session;
    FillBoat(session);
    session.Regenerate(Change::kTopology);
    CountingHooks hooks;
    session.hooks = &hooks;
    for (auto& column : session.design.Net) {
      for (Vertex& v : column) v.z -= 1.0f;
    }
    session.Regenerate(c.change);
    EXPECT_EQ(SurfaceIsCurrent(session.design, *session.surface), c.gridFollows);
    EXPECT_EQ(session.design.ExtentsValid, c.extentsValid);
    EXPECT_EQ(hooks.refits, c.hookCalls);
    EXPECT_EQ(hooks.repaints, c.hookCalls);
    // Extents are always taken from the grid: only a new grid moves them.
    session.Regenerate(Change::kExtents);
    EXPECT_NEAR(session.surface->extents.lowestZ, c.gridFollows ? -6.0 : -5.0, 1e-4);
  }
}

// A surface older than its net is told apart: a moved vertex needs a new
// grid, a changed tension or chine list new knots as well.
TEST(DesignSession, ASurfaceOlderThanTheNetIsNotCurrent) {
  DesignSession session;
  FillBoat(session);
  session.Regenerate(Change::kTopology);
  ASSERT_TRUE(SurfaceIsCurrent(session.design, *session.surface));

  session.design.Net[4][2].x += 1.0f;
  EXPECT_FALSE(SurfaceIsCurrent(session.design, *session.surface));
  session.Regenerate(Change::kVertices);
  EXPECT_TRUE(SurfaceIsCurrent(session.design, *session.surface));

  session.design.WaterlineTension = 2;
  session.Regenerate(Change::kVertices);  // the grid alone does not make new knots
  EXPECT_FALSE(SurfaceIsCurrent(session.design, *session.surface));
  session.Regenerate(Change::kTopology);
  EXPECT_TRUE(SurfaceIsCurrent(session.design, *session.surface));

  // Vertices past the used net are not part of the shape.
  session.design.Net[40][40].x = 7.0f;
  EXPECT_TRUE(SurfaceIsCurrent(session.design, *session.surface));
}

// In a debug build a calculation stops on a stale surface; a release build
// runs it (the check costs a hash of the net per calculation).
TEST(DesignSessionDeathTest, HydrostaticsRefuseAStaleSurfaceInDebugBuilds) {
  DesignSession session;
  FillBoat(session);
  session.Regenerate(Change::kTopology);
  SilentPrompter prompter;
  HydrostaticResults results;
  EXPECT_TRUE(ComputeHydrostatics(session.design, *session.surface, *session.cuts, results,
                                  prompter, nullptr));
  for (auto& column : session.design.Net) {
    for (Vertex& v : column) v.z -= 1.0f;
  }
  EXPECT_DEBUG_DEATH(ComputeHydrostatics(session.design, *session.surface, *session.cuts, results,
                                         prompter, nullptr),
                     "older than the net");
}

// The knots are built from the working net's counts, the one record of
// them: a chine list entry that names no column adds no working column, and
// the knots agree with the net that was built.
TEST(DesignSession, TheKnotsMatchTheWorkingNetThatWasBuilt) {
  DesignSession session;
  FillBoat(session);
  session.design.ColumnChineCount = 1;
  session.design.ColumnChines[0] = 60;  // past the net, as a damaged file may hold
  session.Regenerate(Change::kTopology);
  EXPECT_EQ(session.surface->working.lastColumn, 8);
  EXPECT_EQ(session.surface->knots.lastColumn, session.surface->working.lastColumn);
  EXPECT_EQ(session.surface->knots.lastRow, session.surface->working.lastRow);
  // The surface still ends on the last column.
  const SurfacePoint end = EvaluateSurfacePoint(*session.surface, 1.0, 0.5);
  EXPECT_NEAR(end.y, 100.0, 1e-4);
}

TEST(DesignSession, KeptHistoryUndoesAnEditAndNoHistoryKeepsNothing) {
  testing::TempDir dir;
  for (const bool kept : {true, false}) {
    DesignSession session(kept ? UndoHistory(dir.path()) : UndoHistory());
    FillBoat(session);
    session.Regenerate(Change::kTopology);
    const auto before = std::make_unique<HullDesign>(session.design);
    testing::ScriptedPrompter prompter;
    ASSERT_TRUE(MakeChine(session.design, *session.surface, session.history, prompter,
                          ChineKind::kColumn, 4));
    EXPECT_EQ(session.design.ColumnChineCount, 1);
    EXPECT_EQ(session.design.UndoCount, kept ? 1 : 0);
    EXPECT_EQ(session.Undo(), kept) << (kept ? "kept" : "none");
    EXPECT_EQ(session.design.ColumnChineCount, kept ? 0 : 1);
    if (!kept) continue;
    // The snapshot holds the file's four decimals.
    for (int c = 0; c <= 8; ++c) {
      for (int r = 0; r <= 4; ++r) {
        EXPECT_NEAR(session.design.Net[c][r].x, before->Net[c][r].x, 1e-4) << c << "," << r;
        EXPECT_NEAR(session.design.Net[c][r].z, before->Net[c][r].z, 1e-4) << c << "," << r;
      }
    }
  }
}

}  // namespace
}  // namespace skelmora
