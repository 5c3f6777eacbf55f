// The session's recompute paths: what each one rebuilds, and the history it
// keeps or does not keep.
#include <gtest/gtest.h>

#include <memory>

#include "core/files/file_test_support.h"
#include "core/surface/test_nets.h"
#include "model/chines.h"
#include "model/design_session.h"

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

TEST(DesignSession, ShapeChangedRebuildsTheGridAndExtentsAndCallsTheViewsOnce) {
  DesignSession session;
  FillBoat(session);
  CountingHooks hooks;
  session.hooks = &hooks;
  session.ShapeChanged();
  EXPECT_EQ(hooks.refits, 1);
  EXPECT_EQ(hooks.repaints, 1);
  EXPECT_TRUE(session.design.ExtentsValid);
  EXPECT_NEAR(session.surface->extents.hullLength, 100.0, 1e-4);

  // A longer net: the extents follow only through a recompute path.
  for (auto& column : session.design.Net) {
    for (Vertex& v : column) v.y *= 2.0f;
  }
  session.Rebuild();
  EXPECT_EQ(hooks.refits, 1);  // readers and undo leave the views to their caller
  EXPECT_NEAR(session.surface->extents.hullLength, 200.0, 1e-4);
  EXPECT_TRUE(session.design.ExtentsValid);
}

TEST(DesignSession, InvalidatedExtentsAreTakenAfreshByRefresh) {
  DesignSession session;
  FillBoat(session);
  session.ShapeChanged();
  for (auto& column : session.design.Net) {
    for (Vertex& v : column) v.z -= 1.0f;
  }
  EvaluateSurfaceGrid(session.design, *session.surface);
  session.InvalidateExtents();
  EXPECT_FALSE(session.design.ExtentsValid);
  session.RefreshExtents();
  EXPECT_TRUE(session.design.ExtentsValid);
  EXPECT_NEAR(session.surface->extents.lowestZ, -6.0, 1e-4);
}

TEST(DesignSession, KeptHistoryUndoesAnEditAndNoHistoryKeepsNothing) {
  testing::TempDir dir;
  for (const bool kept : {true, false}) {
    DesignSession session(kept ? UndoHistory(dir.path()) : UndoHistory());
    FillBoat(session);
    session.ShapeChanged();
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
