#include "model/vertex_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"
#include "files/text_io.h"
#include "model/undo.h"

namespace skelmora {
namespace {

using VertexEdit = edittest::EditTest;

// The fields as the dialog shows them (5:4) and reads them back.
VertexEditFields AsShown(const VertexEditFields& f) {
  auto shown = [](double v) { return *TryParseReal(FormatFixed(v, 5, 4)); };
  return {shown(f.x), shown(f.y), shown(f.z), shown(f.w)};
}

TEST_F(VertexEdit, StepsThroughTheNetStoringTheFieldsAsItGoes) {
  design().PickedColumn = 7;
  design().PickedRow = 2;
  VertexEditSession session = BeginVertexEdit(design());
  VertexEditFields fields = AsShown(VertexEditValues(design(), session));
  EXPECT_EQ(fields.y, 350.0);

  fields.x = 12.5;
  fields.w = 0.5;
  ASSERT_TRUE(StepVertexEdit(design(), history(), prompter, session, fields, 8, 2));
  EXPECT_EQ(prompter.information, std::vector<std::string>{kWeightAtLeastOne});
  EXPECT_EQ(design().Net[7][2].x, 12.5f);
  EXPECT_EQ(design().Net[7][2].w, 1.0f);
  EXPECT_EQ(design().PickedColumn, 8);
  EXPECT_EQ(fields.y, 400.0);  // refilled from the new vertex
  EXPECT_EQ(design().UndoCount, 1);

  // Eight columns but six rows: the column may pass 6, not 8; the row not 6.
  fields = AsShown(fields);
  EXPECT_FALSE(StepVertexEdit(design(), history(), prompter, session, fields, 9, 2));
  EXPECT_FALSE(StepVertexEdit(design(), history(), prompter, session, fields, 8, 7));
  EXPECT_FALSE(StepVertexEdit(design(), history(), prompter, session, fields, -1, 2));
  EXPECT_EQ(session.column, 8);
  ASSERT_TRUE(StepVertexEdit(design(), history(), prompter, session, fields, 7, 2));
  EXPECT_EQ(design().UndoCount, 1);  // one step for the whole session
}

// A field beyond what a float holds leaves that coordinate as it was.
TEST_F(VertexEdit, FieldBeyondTheNetKeepsTheCoordinate) {
  design().PickedColumn = 2;
  design().PickedRow = 2;
  VertexEditSession session = BeginVertexEdit(design());
  VertexEditFields fields = AsShown(VertexEditValues(design(), session));
  const Vertex before = design().Net[2][2];
  fields.x = 1e39;
  fields.z = 3.5;
  ASSERT_TRUE(StepVertexEdit(design(), history(), prompter, session, fields, 3, 2));
  EXPECT_EQ(design().Net[2][2].x, before.x);
  EXPECT_EQ(design().Net[2][2].z, 3.5f);
}

TEST_F(VertexEdit, CloseRefusesAWeightNotAboveZeroAndKeepsTheDialogOpen) {
  design().PickedColumn = 3;
  design().PickedRow = 3;
  VertexEditSession session = BeginVertexEdit(design());
  VertexEditFields fields = AsShown(VertexEditValues(design(), session));
  fields.z = 7.25;
  fields.w = 0.0;
  const std::string before = State();
  EXPECT_FALSE(FinishVertexEdit(design(), surface(), history(), prompter, session, fields));
  EXPECT_EQ(prompter.information, std::vector<std::string>{kWeightPositive});
  EXPECT_EQ(State(), before);

  // Below 1 is accepted at the close; the surface follows the change.
  fields.w = 0.5;
  const SurfacePoint was = surface().grid[25][25];
  ASSERT_TRUE(FinishVertexEdit(design(), surface(), history(), prompter, session, fields));
  EXPECT_EQ(design().Net[3][3].z, 7.25f);
  EXPECT_EQ(design().Net[3][3].w, 0.5f);
  EXPECT_NE(surface().grid[25][25].z, was.z);
  ASSERT_TRUE(Undo(design(), surface(), work()));
  EXPECT_EQ(State(), before);
}

TEST_F(VertexEdit, UntouchedFieldsDoNotRoundTheVertex) {
  design().Net[2][2].x = 1.23456789f;
  design().PickedColumn = 2;
  design().PickedRow = 2;
  VertexEditSession session = BeginVertexEdit(design());
  VertexEditFields fields = AsShown(VertexEditValues(design(), session));
  ASSERT_TRUE(StepVertexEdit(design(), history(), prompter, session, fields, 2, 3));
  fields = AsShown(fields);
  ASSERT_TRUE(FinishVertexEdit(design(), surface(), history(), prompter, session, fields));
  EXPECT_EQ(design().Net[2][2].x, 1.23456789f);
  EXPECT_FALSE(session.changed);
  EXPECT_EQ(design().UndoCount, 0);
}

}  // namespace
}  // namespace skelmora
