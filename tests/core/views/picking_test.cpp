#include "views/picking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "core/views/view_fixtures.h"
#include "files/text_io.h"

namespace skelmora {
namespace {

using nets::V;
using viewtest::Boat;
using viewtest::Hull;
using viewtest::TenTimes;

// Four vertices, three of them within one pick square in the plan view
// (logical = 10 * (y, x)): (0,0) at (0, 0), (0,1) at (0, 5), (1,0) at
// (3, 0); (1,1) far away.
struct PickNet {
  DesignSession session;
  HullDesign& d() { return session.design; }
  Surface& s() { return *session.surface; }
  PickNet() {
    d().LastColumn = 1;
    d().LastRow = 1;
    d().Net[0][0] = V(0, 0, 0);
    d().Net[0][1] = V(0.5, 0, 0);
    d().Net[1][0] = V(0, 0.3, 0);
    d().Net[1][1] = V(10, 10, 0);
  }
};

TEST(PickVertex, FirstHitColumnByColumnInAHalfOpenSquare) {
  struct Case {
    LogicalPoint mouse;
    SingleLine single;
    VertexIndex want;
  } cases[] = {
      {{4, 4}, {}, {0, 0}},   // three hits: lowest column, then lowest row
      {{8, 2}, {}, {1, 0}},   // square x from 1: only (1,0)
      {{7, 0}, {}, {0, 0}},   // the square's lower edge is inside ...
      {{-7, 0}, {}, {}},      // ... its upper edge is not
      {{4, 4}, {SingleLine::Kind::kRow, 1}, {0, 1}},
      {{4, 4}, {SingleLine::Kind::kColumn, 1}, {1, 0}},
  };
  PickNet net;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.mouse.x << "," << c.mouse.y);
    ViewOptions options;
    options.singleLine = c.single;
    const VertexIndex got =
        PickVertex(net.d(), net.s(), kPlanView, TenTimes(), options, c.mouse);
    EXPECT_EQ(got.column, c.want.column);
    EXPECT_EQ(got.row, c.want.row);
  }
  EXPECT_FALSE(
      PickVertex(net.d(), net.s(), kPerspectiveView, TenTimes(), {}, {0, 0}).valid());
}

// Press on a vertex where it is drawn, move, release.
struct DragCase {
  ViewId view;
  int column, row;
  LogicalPoint to;
  double x, y, z;  // NaN: unchanged
};

class MouseDrag : public ::testing::Test {
 protected:
  Hull hull = Boat();  // 100 long: columns 5..8 are the aft half
  InteractionState state;
  ViewOptions options;

  void SetUp() override { hull.d().ShowVertexNet = true; }

  PressAction Press(ViewId view, LogicalPoint at, MouseButton button = MouseButton::kLeft) {
    return MousePress(hull.d(), hull.s(), view, TenTimes(), options, state, button, at);
  }
  PressAction PressOn(ViewId view, int column, int row,
                      MouseButton button = MouseButton::kLeft) {
    return Press(view, VertexLogical(hull.d(), hull.s(), view, TenTimes(), column, row), button);
  }
  ReleaseAction Release(ViewId view, LogicalPoint at) {
    ViewState vs;
    vs.view = view;
    vs.mapping = TenTimes();
    return MouseRelease(hull.d(), hull.s(), vs, state, at);
  }
};

TEST_F(MouseDrag, VertexFollowsTheMouseInEachView) {
  constexpr double kSame = std::numeric_limits<double>::quiet_NaN();
  const DragCase cases[] = {
      {kBodyView, 2, 3, {60, 10}, 6, kSame, 1},
      // Aft half, drawn mirrored: dragged right of the centreline, x < 0.
      {kBodyView, 7, 3, {60, 10}, -6, kSame, 1},
      {kPlanView, 3, 2, {400, 70}, 7, 40, kSame},
      {kProfileView, 3, 2, {400, 70}, kSame, 40, 7},
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.view << " " << c.column);
    hull = Boat();
    hull.d().ShowVertexNet = true;
    const Vertex before = hull.d().Net[c.column][c.row];
    const PressAction press = PressOn(c.view, c.column, c.row);
    ASSERT_EQ(press.kind, PressAction::Kind::kStartDrag);
    EXPECT_EQ(hull.d().PickedColumn, c.column);
    EXPECT_EQ(hull.d().PickedRow, c.row);
    const MoveAction move =
        MouseMove(hull.d(), hull.s(), c.view, TenTimes(), state, {c.to.x - 5, c.to.y});
    EXPECT_TRUE(move.vertexMoved);
    EXPECT_TRUE(move.gridUpdated);
    EXPECT_EQ(Release(c.view, c.to).kind, ReleaseAction::Kind::kDragEnded);
    const Vertex& after = hull.d().Net[c.column][c.row];
    EXPECT_FLOAT_EQ(after.x, std::isnan(c.x) ? before.x : c.x);
    EXPECT_FLOAT_EQ(after.y, std::isnan(c.y) ? before.y : c.y);
    EXPECT_FLOAT_EQ(after.z, std::isnan(c.z) ? before.z : c.z);
    EXPECT_FLOAT_EQ(after.w, before.w);
    EXPECT_FALSE(state.dragging);
  }
}

TEST_F(MouseDrag, VertexNetModeUpdatesTheSurfaceOnlyOnRelease) {
  state.realTimeHull = false;
  const SurfacePoint before = hull.s().grid[18][25];
  ASSERT_EQ(PressOn(kPlanView, 3, 2).kind, PressAction::Kind::kStartDrag);
  const MoveAction move = MouseMove(hull.d(), hull.s(), kPlanView, TenTimes(), state, {375, 120});
  EXPECT_TRUE(move.vertexMoved);
  EXPECT_FALSE(move.gridUpdated);
  EXPECT_EQ(hull.s().grid[18][25].x, before.x);
  EXPECT_FLOAT_EQ(hull.d().Net[3][2].x, 12.0f);
  Release(kPlanView, {375, 120});
  EXPECT_GT(hull.s().grid[18][25].x, before.x);
}

TEST_F(MouseDrag, ReadoutAndNoMoveWithoutAChangeOfPosition) {
  ASSERT_EQ(PressOn(kProfileView, 3, 2).kind, PressAction::Kind::kStartDrag);
  const LogicalPoint at{state.lastX, state.lastY};
  MoveAction move = MouseMove(hull.d(), hull.s(), kProfileView, TenTimes(), state, at);
  EXPECT_FALSE(move.vertexMoved);
  EXPECT_EQ(move.hText, "x=37.50");
  EXPECT_EQ(move.vText, "y=0.00");
  EXPECT_EQ(Release(kProfileView, at).kind, ReleaseAction::Kind::kNone);
}

TEST_F(MouseDrag, PressPrecedenceAndOneShotModes) {
  using Kind = PressAction::Kind;
  struct Case {
    const char* name;
    ArmedMode armed;
    MouseButton button;
    int column;  // pressed vertex in the plan view, row 2
    Kind want;
    ArmedMode after;
  } cases[] = {
      {"right button edits", ArmedMode::kChineColumn, MouseButton::kRight, 3, Kind::kEditVertex,
       ArmedMode::kChineColumn},
      {"chine a column", ArmedMode::kChineColumn, MouseButton::kLeft, 3, Kind::kChineColumn,
       ArmedMode::kNone},
      {"not on the last column", ArmedMode::kChineColumn, MouseButton::kLeft, 8, Kind::kNone,
       ArmedMode::kChineColumn},
      {"remove a row chine", ArmedMode::kRemoveRowChine, MouseButton::kLeft, 3,
       Kind::kRemoveRowChine, ArmedMode::kNone},
      {"delete a column", ArmedMode::kDeleteColumn, MouseButton::kLeft, 3, Kind::kDeleteColumn,
       ArmedMode::kNone},
      {"straighten stays armed", ArmedMode::kStraighten, MouseButton::kLeft, 3, Kind::kToolPick,
       ArmedMode::kStraighten},
      {"row / column move", ArmedMode::kRowColumnMove, MouseButton::kLeft, 3,
       Kind::kStartLineMove, ArmedMode::kRowColumnMove},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state = {};
    state.armed = c.armed;
    const PressAction action = PressOn(kPlanView, c.column, 2, c.button);
    EXPECT_EQ(action.kind, c.want);
    if (c.want != Kind::kNone) {
      EXPECT_EQ(action.column, c.column);
      EXPECT_EQ(action.row, 2);
    }
    EXPECT_EQ(state.armed, c.after);
    EXPECT_EQ(state.dragging, c.want == Kind::kStartLineMove);
  }

  state = {};
  EXPECT_EQ(Press(kPlanView, {-500, -500}).kind, Kind::kNone);
  EXPECT_EQ(hull.d().PickedColumn, -1);
  hull.d().ShowVertexNet = false;
  EXPECT_EQ(PressOn(kPlanView, 3, 2).kind, Kind::kNone);
}

// The chine click needs the picked column below the last column AND the
// picked row below the last row, for both kinds and their removal.
TEST_F(MouseDrag, ChineClicksOnlyBelowBothLastIndices) {
  using Kind = PressAction::Kind;
  struct Case {
    ArmedMode armed;
    int column, row;  // profile view; the net's last column is 8, last row 4
    Kind want;
  } cases[] = {
      {ArmedMode::kChineColumn, 3, 2, Kind::kChineColumn},
      {ArmedMode::kChineColumn, 3, 4, Kind::kNone},
      {ArmedMode::kChineColumn, 8, 2, Kind::kNone},
      {ArmedMode::kChineRow, 3, 2, Kind::kChineRow},
      {ArmedMode::kChineRow, 8, 2, Kind::kNone},
      {ArmedMode::kChineRow, 3, 4, Kind::kNone},
      {ArmedMode::kRemoveColumnChine, 3, 4, Kind::kNone},
      {ArmedMode::kRemoveRowChine, 8, 2, Kind::kNone},
  };
  ASSERT_EQ(hull.d().LastColumn, 8);
  ASSERT_EQ(hull.d().LastRow, 4);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.armed) << " at " << c.column << "," << c.row);
    state = {};
    state.armed = c.armed;
    const PressAction action = PressOn(kProfileView, c.column, c.row);
    ASSERT_EQ(hull.d().PickedColumn, c.column);
    ASSERT_EQ(hull.d().PickedRow, c.row);
    EXPECT_EQ(action.kind, c.want);
    // A click that does not count leaves the mode armed for the next one.
    EXPECT_EQ(state.armed, c.want == Kind::kNone ? c.armed : ArmedMode::kNone);
  }
}

TEST_F(MouseDrag, HighlightTakesThePickedLineAtTheRelease) {
  ArmHighlight(hull.d(), state, /*rows=*/true);
  EXPECT_EQ(PressOn(kPlanView, 3, 2).kind, PressAction::Kind::kNone);  // no drag
  EXPECT_EQ(Release(kPlanView, {0, 0}).kind, ReleaseAction::Kind::kHighlightChanged);
  EXPECT_FALSE(hull.d().HighlightPending);
  EXPECT_TRUE(hull.d().HighlightRows);
  EXPECT_EQ(hull.d().HighlightIndex, 2);
  EXPECT_EQ(state.armed, ArmedMode::kNone);
  RemoveHighlight(hull.d(), state);
  EXPECT_FALSE(hull.d().HighlightRows || hull.d().HighlightColumns);
}

TEST_F(MouseDrag, ZoomWindowPressAndReleaseOfZeroWidthLeavesZoom) {
  state.armed = ArmedMode::kZoomWindow;
  hull.d().ViewZoomed[kPerspectiveView] = true;
  EXPECT_EQ(Press(kPerspectiveView, {40, 10}).kind, PressAction::Kind::kZoomStarted);
  MouseMove(hull.d(), hull.s(), kPerspectiveView, TenTimes(), state, {40, 90});
  ViewState vs;
  vs.view = kPerspectiveView;
  EXPECT_EQ(MouseRelease(hull.d(), hull.s(), vs, state, {40, 90}).kind,
            ReleaseAction::Kind::kZoomChanged);
  EXPECT_FALSE(hull.d().ViewZoomed[kPerspectiveView]);
  EXPECT_EQ(state.armed, ArmedMode::kNone);
}

TEST(InsertionPoint, NearestVertexThenBeforeOrAfterIt) {
  Hull hull = Boat();
  struct Case {
    ViewId view;
    LogicalPoint click;
    VertexIndex want;
  } cases[] = {
      // (3,2) is drawn at (375, 65) in the plan view.
      {kPlanView, {380, 60}, {3, 1}},
      {kPlanView, {370, 70}, {2, 2}},
      {kPlanView, {-900, -900}, {0, 0}},  // never below 0
      // Body view: (5,2) is aft, drawn at (-65, 0).
      {kBodyView, {-60, 2}, {5, 2}},   // nearer the centreline on the -x side
      {kBodyView, {-70, -2}, {4, 1}},  // farther from it
      // Just left of the centreline: (0,2) at (0, 0) is drawn on the other
      // side and does not count; (8,2), aft, also at (0, 0), does.
      {kBodyView, {-1, 0}, {7, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.view << " " << c.click.x << "," << c.click.y);
    const VertexIndex got = InsertionPoint(hull.d(), hull.s(), c.view, TenTimes(), c.click);
    EXPECT_EQ(got.column, c.want.column);
    EXPECT_EQ(got.row, c.want.row);
  }
}

TEST_F(MouseDrag, AddRowArmedPressAsksForTheInsertion) {
  state.armed = ArmedMode::kAddColumn;
  const PressAction action = Press(kPlanView, {380, 60});
  EXPECT_EQ(action.kind, PressAction::Kind::kInsertColumnAfter);
  EXPECT_EQ(action.column, 3);
  EXPECT_EQ(state.armed, ArmedMode::kNone);
}

TEST_F(MouseDrag, ProportionalMoveKeepsAnAxisWhoseHeldCoordinateIsZero) {
  // Column 3 in the plan view (y across, x up); its row 0 lies on the
  // centreline, x = 0.
  state.armed = ArmedMode::kRowColumnMove;
  state.moveSettings = {/*moveRow=*/false, /*translate=*/false, true, true};
  const HullDesign before = hull.d();
  ASSERT_EQ(PressOn(kPlanView, 3, 0).kind, PressAction::Kind::kStartLineMove);
  const MoveAction move = MouseMove(hull.d(), hull.s(), kPlanView, TenTimes(), state, {400, 50});
  EXPECT_TRUE(move.lineMoved);
  EXPECT_FALSE(move.gridUpdated);
  for (int r = 0; r <= 4; ++r) {
    EXPECT_EQ(hull.d().Net[3][r].x, before.Net[3][r].x) << r;
    EXPECT_FLOAT_EQ(hull.d().Net[3][r].y, 40.0f) << r;  // all at 37.5, scaled alike
    EXPECT_EQ(hull.d().Net[3][r].z, before.Net[3][r].z) << r;
  }
  EXPECT_EQ(Release(kPlanView, {400, 50}).kind, ReleaseAction::Kind::kLineMoveEnded);
  EXPECT_EQ(state.armed, ArmedMode::kNone);
}

TEST_F(MouseDrag, ProportionalMoveScalesByDistanceFromTheAxis) {
  // Row 4 (the sheer) in the profile view, Y only: z = 5 everywhere, held at
  // column 2; raising it to 7.5 scales every z by 1.5.
  state.armed = ArmedMode::kRowColumnMove;
  state.moveSettings = {/*moveRow=*/true, /*translate=*/false, false, true};
  hull.d().Net[6][4].z = 2.0f;
  const HullDesign before = hull.d();
  ASSERT_EQ(PressOn(kProfileView, 2, 4).kind, PressAction::Kind::kStartLineMove);
  MouseMove(hull.d(), hull.s(), kProfileView, TenTimes(), state, {0, 75});
  for (int c = 0; c <= 8; ++c) {
    EXPECT_FLOAT_EQ(hull.d().Net[c][4].z, 1.5f * before.Net[c][4].z) << c;
    EXPECT_EQ(hull.d().Net[c][4].y, before.Net[c][4].y) << c;  // X not enabled
  }
}

TEST_F(MouseDrag, TranslateMoveInTheBodyViewNegatesTheMouseForTheAftHalf) {
  // Column 7 is aft; its row 4 is drawn at (-38, 50). Dragged 10 further
  // out (left), every x of the column grows by 4.8 - x held.
  state.armed = ArmedMode::kRowColumnMove;
  state.moveSettings = {/*moveRow=*/false, /*translate=*/true, true, false};
  const HullDesign before = hull.d();
  ASSERT_EQ(PressOn(kBodyView, 7, 4).kind, PressAction::Kind::kStartLineMove);
  MouseMove(hull.d(), hull.s(), kBodyView, TenTimes(), state, {-48, 90});
  const double shift = 4.8 - before.Net[7][4].x;
  for (int r = 0; r <= 4; ++r) {
    EXPECT_NEAR(hull.d().Net[7][r].x, before.Net[7][r].x + shift, 1e-5) << r;
    EXPECT_EQ(hull.d().Net[7][r].z, before.Net[7][r].z) << r;  // Y not enabled
  }
}

TEST(KeyMove, StepsByViewAndHalf) {
  struct Case {
    ViewId view;
    int column;  // 2 is forward, 7 aft
    ArrowKey key;
    double dx, dy, dz;
  } cases[] = {
      {kBodyView, 2, ArrowKey::kLeft, -2, 0, 0},  {kBodyView, 2, ArrowKey::kRight, 2, 0, 0},
      {kBodyView, 7, ArrowKey::kLeft, 2, 0, 0},   {kBodyView, 7, ArrowKey::kRight, -2, 0, 0},
      {kBodyView, 7, ArrowKey::kUp, 0, 0, 2},     {kBodyView, 2, ArrowKey::kDown, 0, 0, -2},
      {kPlanView, 2, ArrowKey::kLeft, 0, -2, 0},  {kPlanView, 2, ArrowKey::kRight, 0, 2, 0},
      {kPlanView, 7, ArrowKey::kUp, 2, 0, 0},     {kPlanView, 7, ArrowKey::kDown, -2, 0, 0},
      {kProfileView, 2, ArrowKey::kLeft, 0, -2, 0}, {kProfileView, 7, ArrowKey::kRight, 0, 2, 0},
      {kProfileView, 2, ArrowKey::kUp, 0, 0, 2},  {kProfileView, 2, ArrowKey::kDown, 0, 0, -2},
  };
  InteractionState state;
  state.keyStep = 2.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.view << " " << c.column << " "
                                      << static_cast<int>(c.key));
    Hull hull = Boat();
    hull.d().PickedColumn = c.column;
    hull.d().PickedRow = 2;
    const Vertex before = hull.d().Net[c.column][2];
    const SurfacePoint gridBefore = hull.s().grid[c.column * 50 / 8][25];
    ASSERT_TRUE(KeyMove(hull.d(), hull.s(), c.view, state, c.key));
    const Vertex& after = hull.d().Net[c.column][2];
    EXPECT_FLOAT_EQ(after.x - before.x, c.dx);
    EXPECT_FLOAT_EQ(after.y - before.y, c.dy);
    EXPECT_FLOAT_EQ(after.z - before.z, c.dz);
    const SurfacePoint& gridAfter = hull.s().grid[c.column * 50 / 8][25];
    EXPECT_TRUE(gridAfter.x != gridBefore.x || gridAfter.y != gridBefore.y ||
                gridAfter.z != gridBefore.z);
  }
}

TEST(KeyMove, ReadoutIgnoredKeysAndNegativeStep) {
  Hull hull = Boat();
  InteractionState state;
  state.keyStep = -1.0;
  hull.d().PickedColumn = 7;  // aft: shown at -x
  hull.d().PickedRow = 4;
  const float x = hull.d().Net[7][4].x;
  std::string h, v;
  ASSERT_TRUE(KeyMove(hull.d(), hull.s(), kBodyView, state, ArrowKey::kUp, &h, &v));
  EXPECT_EQ(h, "x=" + FormatFixed(-x, 0, 2));
  EXPECT_EQ(v, "y=4.00");

  const HullDesign before = hull.d();
  EXPECT_FALSE(KeyMove(hull.d(), hull.s(), kPerspectiveView, state, ArrowKey::kUp));
  hull.d().PickedColumn = -1;
  EXPECT_FALSE(KeyMove(hull.d(), hull.s(), kPlanView, state, ArrowKey::kUp));
  hull.d().PickedColumn = 9;  // past the last column
  EXPECT_FALSE(KeyMove(hull.d(), hull.s(), kPlanView, state, ArrowKey::kUp));
  EXPECT_EQ(hull.d().Net[7][4].z, before.Net[7][4].z);
}

}  // namespace
}  // namespace skelmora
