#include "model/net_rows_columns.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/model/edit_fixtures.h"

namespace skelmora {
namespace {

using edittest::EditTest;

void ExpectVertex(const Vertex& got, const Vertex& want) {
  EXPECT_EQ(got.x, want.x);
  EXPECT_EQ(got.y, want.y);
  EXPECT_EQ(got.z, want.z);
  EXPECT_EQ(got.w, want.w);
}

using NetRowsColumns = EditTest;

TEST_F(NetRowsColumns, InsertRowAboveAddsTheMidpointRowAndRenumbersHigherChines) {
  SetRowChines({1, 2, 5});
  design().Net[3][2].w = 2.0f;
  const HullDesign before = design();
  ASSERT_TRUE(InsertRowAbove(design(), surface(), history(), prompter, 2));
  const HullDesign& d = design();
  EXPECT_EQ(d.LastRow, 7);
  EXPECT_EQ(RowChines(), (std::vector<int>{1, 2, 6}));
  EXPECT_EQ(WorkingLastRow(d), 7 + 3 * 2);
  EXPECT_EQ(surface().working.lastRow, WorkingLastRow(d));
  EXPECT_EQ(d.UndoCount, 1);
  for (int c = 0; c <= 8; ++c) {
    for (int r = 0; r <= 2; ++r) ExpectVertex(d.Net[c][r], before.Net[c][r]);
    for (int r = 3; r <= 6; ++r) ExpectVertex(d.Net[c][r + 1], before.Net[c][r]);
    const Vertex& a = before.Net[c][2];
    const Vertex& b = before.Net[c][3];
    // The new row takes the mean position with a neutral weight.
    ExpectVertex(d.Net[c][3],
                 Vertex{(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f, (a.z + b.z) / 2.0f, 1.0f});
  }
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(NetRowsColumns, InsertColumnAfterShiftsLaterColumnsAndTheirChines) {
  SetColumnChines({3, 6});
  const HullDesign before = design();
  ASSERT_TRUE(InsertColumnAfter(design(), surface(), history(), prompter, 3));
  const HullDesign& d = design();
  EXPECT_EQ(d.LastColumn, 9);
  EXPECT_EQ(ColumnChines(), (std::vector<int>{3, 7}));
  for (int r = 0; r <= 6; ++r) {
    ExpectVertex(d.Net[3][r], before.Net[3][r]);
    ExpectVertex(d.Net[9][r], before.Net[8][r]);
    EXPECT_EQ(d.Net[4][r].y, (before.Net[3][r].y + before.Net[4][r].y) / 2.0f);
  }
}

struct Refusal {
  const char* name;
  int lastColumn, lastRow, chines;  // chines at 2, 4, ... in both directions
  std::function<bool(EditTest&)> run;
  std::string message;
};

// Each refusal shows its message, takes no undo step and changes nothing.
TEST_F(NetRowsColumns, RefusedInsertionsAndDeletionsChangeNothing) {
  auto insertRow = [](int r) {
    return [r](EditTest& t) {
      return InsertRowAbove(t.hull.d(), t.hull.s(), t.history(), t.prompter, r);
    };
  };
  auto insertColumn = [](int c) {
    return [c](EditTest& t) {
      return InsertColumnAfter(t.hull.d(), t.hull.s(), t.history(), t.prompter, c);
    };
  };
  auto deleteRow = [](int r) {
    return
        [r](EditTest& t) { return DeleteRow(t.hull.d(), t.hull.s(), t.history(), t.prompter, r); };
  };
  const Refusal cases[] = {
      {"row above the top row", 8, 6, 0, insertRow(6),
       "Cannot add a row above the top row (row 6): pick a lower row."},
      {"column after the last", 8, 6, 0, insertColumn(8),
       "Cannot add a column after the last column (column 8): pick an earlier column."},
      {"row index below 0", 8, 6, 0, insertRow(-1),
       "There is no row -1: the rows are numbered 0 to 6."},
      {"column index past the last", 8, 6, 0, insertColumn(9),
       "There is no column 9: the columns are numbered 0 to 8."},
      {"delete row past the last", 8, 6, 0, deleteRow(7),
       "There is no row 7: the rows are numbered 0 to 6."},
      // 44 rows + 3 chines x (3 - 1) = 50 working rows: one more is too many.
      {"working rows at 50", 8, 44, 3, insertRow(10), kTooManyRows},
      {"working columns at 50", 44, 6, 3, insertColumn(10), kTooManyColumns},
      // 45 + 2 x 2 = 49 working: one more row still fits.
      {"working rows at 49", 8, 45, 2, nullptr, ""},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.lastColumn, c.lastRow, 3, 3);
    std::vector<int> rows, columns;
    for (int k = 1; k <= c.chines; ++k) {
      if (2 * k < c.lastRow) rows.push_back(2 * k);
      if (2 * k < c.lastColumn) columns.push_back(2 * k);
    }
    SetRowChines(rows);
    SetColumnChines(columns);
    prompter.errors.clear();
    if (!c.run) {
      EXPECT_TRUE(InsertRowAbove(design(), surface(), history(), prompter, 10));
      EXPECT_EQ(WorkingLastRow(design()), 50);
      continue;
    }
    const std::string before = State();
    EXPECT_FALSE(c.run(*this));
    EXPECT_EQ(prompter.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(design().UndoCount, 0);
  }
}

TEST_F(NetRowsColumns, DeleteColumnDropsItsChineAndRenumbersTheRest) {
  SetColumnChines({4, 7});
  const HullDesign before = design();
  ASSERT_TRUE(DeleteColumn(design(), surface(), history(), prompter, 4));
  const HullDesign& d = design();
  EXPECT_EQ(d.LastColumn, 7);
  EXPECT_EQ(ColumnChines(), std::vector<int>{6});
  EXPECT_EQ(WorkingLastColumn(d), 7 + 2);
  for (int r = 0; r <= 6; ++r) {
    ExpectVertex(d.Net[3][r], before.Net[3][r]);
    for (int c = 4; c <= 7; ++c) ExpectVertex(d.Net[c][r], before.Net[c + 1][r]);
    ExpectVertex(d.Net[8][r], Vertex{});  // the vacated column holds no stale values
  }
  EXPECT_EQ(d.UndoCount, 1);
}

TEST_F(NetRowsColumns, DeletingARowBelowEveryChineLowersThemAll) {
  SetRowChines({2, 4});
  ASSERT_TRUE(DeleteRow(design(), surface(), history(), prompter, 1));
  EXPECT_EQ(RowChines(), (std::vector<int>{1, 3}));
  EXPECT_EQ(design().LastRow, 5);
}

TEST_F(NetRowsColumns, AChineThatWouldLandOnAnEdgeIsDropped) {
  SetRowChines({1, 3, 5});
  ASSERT_TRUE(DeleteRow(design(), surface(), history(), prompter, 0));  // chine 1 -> row 0
  EXPECT_EQ(RowChines(), (std::vector<int>{2, 4}));
  ASSERT_TRUE(DeleteRow(design(), surface(), history(), prompter, 5));  // chine 4 -> the top row
  EXPECT_EQ(design().LastRow, 4);
  EXPECT_EQ(RowChines(), std::vector<int>{2});
}

TEST_F(NetRowsColumns, DeleteNeedsMoreThanTensionPlusOneIntervals) {
  Open(8, 4, 3, 3);
  EXPECT_FALSE(CanDeleteRow(design(), prompter));
  const std::string before = State();
  EXPECT_FALSE(DeleteRow(design(), surface(), history(), prompter, 2));
  EXPECT_EQ(State(), before);
  EXPECT_EQ(design().UndoCount, 0);
  EXPECT_EQ(prompter.errors, std::vector<std::string>(2, kTooFewToDelete));

  prompter.errors.clear();
  EXPECT_TRUE(CanDeleteColumn(design(), prompter));
  Open(4, 5, 3, 3);
  EXPECT_TRUE(CanDeleteRow(design(), prompter));
  EXPECT_FALSE(CanDeleteColumn(design(), prompter));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{kTooFewToDelete});
}

}  // namespace
}  // namespace skelmora
