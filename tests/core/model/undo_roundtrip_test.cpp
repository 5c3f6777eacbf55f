// Every editing operation followed by one Undo gives back the design exactly:
// the net, the counts, the chine lists and the tensions.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/model/edit_fixtures.h"
#include "model/chines.h"
#include "model/net_rows_columns.h"
#include "model/row_column_tools.h"
#include "model/tension.h"
#include "model/undo.h"
#include "model/units_axes.h"
#include "model/vertex_edit.h"
#include "shapes/stretch_translate.h"

namespace skelmora {
namespace {

using edittest::EditTest;

struct Operation {
  const char* name;
  std::function<bool(EditTest&)> run;
  std::function<void(EditTest&)> prepare = nullptr;
};

bool Picks(EditTest& t, ViewId view, bool smooth, int c0, int r0, int c1, int r1) {
  RowColumnTool tool;
  auto pick = smooth ? SmoothPick : StraightenPick;
  pick(tool, t.design(), t.surface(), t.history(), t.prompter, view, c0, r0);
  return pick(tool, t.design(), t.surface(), t.history(), t.prompter, view, c1, r1).status ==
         ToolStatus::kDone;
}

using UndoRoundTrip = EditTest;

TEST_F(UndoRoundTrip, EveryOperationIsUndoneExactlyByOneUndo) {
  using K = ChineKind;
  const Operation operations[] = {
      {"insert row",
       [](EditTest& t) {
         return InsertRowAbove(t.design(), t.surface(), t.history(), t.prompter, 2);
       }},
      {"insert column",
       [](EditTest& t) {
         return InsertColumnAfter(t.design(), t.surface(), t.history(), t.prompter, 4);
       }},
      {"delete row",
       [](EditTest& t) { return DeleteRow(t.design(), t.surface(), t.history(), t.prompter, 1); }},
      {"delete column",
       [](EditTest& t) { return DeleteColumn(t.design(), t.surface(), t.history(), t.prompter, 5); }},
      {"chine column",
       [](EditTest& t) {
         return MakeChine(t.design(), t.surface(), t.history(), t.prompter, K::kColumn, 2);
       }},
      {"chine row",
       [](EditTest& t) {
         return MakeChine(t.design(), t.surface(), t.history(), t.prompter, K::kRow, 2);
       }},
      {"unchine column",
       [](EditTest& t) {
         return DeleteChine(t.design(), t.surface(), t.history(), t.prompter, K::kColumn, 5);
       }},
      {"unchine row",
       [](EditTest& t) {
         return DeleteChine(t.design(), t.surface(), t.history(), t.prompter, K::kRow, 4);
       }},
      {"tension",
       [](EditTest& t) {
         return ChangeTension(t.design(), t.surface(), t.history(), t.prompter, 1, 2);
       }},
      {"straighten", [](EditTest& t) { return Picks(t, kProfileView, false, 1, 3, 7, 3); }},
      {"smooth", [](EditTest& t) { return Picks(t, kBodyView, true, 3, 0, 3, 6); }},
      {"offset",
       [](EditTest& t) {
         RowColumnTool tool;
         for (auto [c, r] : {std::pair{6, 1}, {6, 4}, {5, 0}}) {
           OffsetPick(tool, t.design(), t.prompter, kPlanView, c, r);
         }
         return ApplyMasterOffsets(tool, t.design(), t.surface(), t.history(), t.prompter, {1.0, 2.0, 3.0});
       }},
      {"units",
       [](EditTest& t) {
         t.prompter = testing::ScriptedPrompter({true});
         return ChangeUnits(t.design(), t.surface(), t.history(), t.prompter);
       }},
      {"exchange beam/length",
       [](EditTest& t) {
         return ExchangeAxes(t.design(), t.surface(), t.history(), AxisPair::kBeamLength);
       }},
      {"exchange beam/height",
       [](EditTest& t) {
         return ExchangeAxes(t.design(), t.surface(), t.history(), AxisPair::kBeamHeight);
       }},
      {"exchange length/height",
       [](EditTest& t) {
         return ExchangeAxes(t.design(), t.surface(), t.history(), AxisPair::kLengthHeight);
       }},
      {"set overall size",
       [](EditTest& t) {
         return StretchHull(t.design(), t.surface(), t.history(), t.prompter,
                            StretchMode::kSetDimension, HullParameter::kOverall, 300.0);
       }},
      {"scale draft",
       [](EditTest& t) {
         return StretchHull(t.design(), t.surface(), t.history(), t.prompter,
                            StretchMode::kScaleByPercent, HullParameter::kDraft, 30.0);
       }},
      {"shift up",
       [](EditTest& t) {
         return TranslateHull(t.design(), t.surface(), t.history(), ShiftKind::kUpDown, -4.5);
       }},
      {"bow to zero",
       [](EditTest& t) {
         return TranslateHull(t.design(), t.surface(), t.history(), ShiftKind::kBowToZero);
       },
       [](EditTest& t) {
         t.design().Net[0][2].y = -12.0f;
         t.hull.Rebuild();
       }},
      {"edit vertex",
       [](EditTest& t) {
         t.design().PickedColumn = 4;
         t.design().PickedRow = 4;
         VertexEditSession session = BeginVertexEdit(t.design());
         VertexEditFields fields = VertexEditValues(t.design(), session);
         fields.z += 3.0;
         StepVertexEdit(t.design(), t.history(), t.prompter, session, fields, 4, 5);
         fields.w = 2.0;
         return FinishVertexEdit(t.design(), t.surface(), t.history(), t.prompter, session, fields);
       }},
  };
  for (const Operation& op : operations) {
    SCOPED_TRACE(op.name);
    Open(8, 6, 3, 3);
    SetColumnChines({5});
    SetRowChines({4});
    if (op.prepare) op.prepare(*this);
    const std::string before = State();
    ASSERT_TRUE(op.run(*this));
    EXPECT_TRUE(prompter.errors.empty());
    EXPECT_NE(State(), before);
    EXPECT_EQ(design().UndoCount, 1);
    ASSERT_TRUE(Undo(design(), surface(), work()));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(design().UndoCount, 0);
  }
}

}  // namespace
}  // namespace skelmora
