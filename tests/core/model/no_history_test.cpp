// Editing with no undo history (an empty work directory, as a batch run
// does): the edits work and nothing is written anywhere.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"
#include "model/chines.h"
#include "model/net_rows_columns.h"
#include "model/undo.h"
#include "shapes/stretch_translate.h"

namespace skelmora {
namespace {

using NoHistory = edittest::EditTest;

TEST_F(NoHistory, EditsWriteNoSnapshotAndUndoHasNothing) {
  // Where a relative history name would land.
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  prompter = testing::ScriptedPrompter({true, true, true});
  const UndoHistory none;

  EXPECT_TRUE(InsertRowAbove(design(), surface(), none, prompter, 2));
  EXPECT_TRUE(MakeChine(design(), surface(), none, prompter, ChineKind::kColumn, 3));
  EXPECT_TRUE(TranslateHull(design(), surface(), none, ShiftKind::kUpDown, 1.5));
  EXPECT_EQ(design().LastRow, 7);
  EXPECT_EQ(design().ColumnChineCount, 1);
  EXPECT_EQ(design().UndoCount, 0);
  EXPECT_FALSE(none.Undo(design(), surface()));
  EXPECT_EQ(design().LastRow, 7);

  std::filesystem::current_path(cwd);
  EXPECT_TRUE(dir.Listing().empty());
}

}  // namespace
}  // namespace skelmora
