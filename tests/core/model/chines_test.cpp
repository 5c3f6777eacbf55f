#include "model/chines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"

namespace skelmora {
namespace {

using Chines = edittest::EditTest;

TEST_F(Chines, ChinesAreKeptSortedAndRebuildTheWorkingNet) {
  for (int column : {7, 3, 5}) {
    ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kColumn, column));
  }
  EXPECT_EQ(ColumnChines(), (std::vector<int>{3, 5, 7}));
  EXPECT_EQ(WorkingLastColumn(design()), 8 + 3 * 2);
  EXPECT_EQ(surface().working.lastColumn, 14);
  EXPECT_EQ(design().UndoCount, 3);

  ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kRow, 4));
  ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kRow, 2));
  EXPECT_EQ(RowChines(), (std::vector<int>{2, 4}));
  EXPECT_EQ(surface().working.lastRow, 6 + 2 * 2);
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(Chines, DeletingAChineClosesTheGapInTheList) {
  SetRowChines({2, 4, 6});
  ASSERT_TRUE(DeleteChine(design(), surface(), history(), prompter, ChineKind::kRow, 4));
  EXPECT_EQ(RowChines(), (std::vector<int>{2, 6}));
  EXPECT_EQ(design().RowChines[2], 999);  // the freed slot, as older files fill it
  EXPECT_EQ(WorkingLastRow(design()), 6 + 2 * 2);
  EXPECT_EQ(design().UndoCount, 1);
}

struct ChineRefusal {
  const char* name;
  ChineKind kind;
  bool make;  // MakeChine, else DeleteChine
  int index;
  std::string message;
};

// Every refusal shows its message, takes no undo step and changes nothing.
TEST_F(Chines, RefusalsChangeNothing) {
  const ChineRefusal cases[] = {
      {"bow", ChineKind::kColumn, true, 0, "Cannot Chine Bow or Stern"},
      {"stern", ChineKind::kColumn, true, 8, "Cannot Chine Bow or Stern"},
      {"fairbody", ChineKind::kRow, true, 0, "Cannot Chine Sheer or Fairbody"},
      {"sheer", ChineKind::kRow, true, 6, "Cannot Chine Sheer or Fairbody"},
      {"column twice", ChineKind::kColumn, true, 2, "This column is already chined!"},
      {"row twice", ChineKind::kRow, true, 3, "This row is already chined!"},
      {"row outside the net", ChineKind::kRow, true, 9,
       "There is no row 9: the rows are numbered 0 to 6."},
      {"remove an unchined row", ChineKind::kRow, false, 2, "Row 2 is not chined."},
      {"remove a column outside the net", ChineKind::kColumn, false, -1,
       "There is no column -1: the columns are numbered 0 to 8."},
      {"remove an unchined column", ChineKind::kColumn, false, 5, "Column 5 is not chined."},
  };
  SetColumnChines({2});
  SetRowChines({3});
  for (const ChineRefusal& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.errors.clear();
    const std::string before = State();
    const bool changed = c.make
                             ? MakeChine(design(), surface(), history(), prompter, c.kind, c.index)
                             : DeleteChine(design(), surface(), history(), prompter, c.kind, c.index);
    EXPECT_FALSE(changed);
    EXPECT_EQ(prompter.errors, std::vector<std::string>{c.message});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(design().UndoCount, 0);
  }
}

TEST_F(Chines, StraightSegmentsAlreadyCreaseEveryLine) {
  Open(8, 6, 1, 1);
  EXPECT_FALSE(MakeChine(design(), surface(), history(), prompter, ChineKind::kColumn, 4));
  EXPECT_FALSE(MakeChine(design(), surface(), history(), prompter, ChineKind::kRow, 3));
  EXPECT_FALSE(DeleteChine(design(), surface(), history(), prompter, ChineKind::kRow, 3));
  EXPECT_FALSE(DeleteChine(design(), surface(), history(), prompter, ChineKind::kColumn, 3));
  EXPECT_EQ(prompter.errors,
            (std::vector<std::string>{"Columns already chined! Waterline Tension=1",
                                      "Rows already chined! Station Tension=1",
                                      "NO Horizontal chines exist!", "NO Vertical chines exist!"}));
  EXPECT_EQ(design().UndoCount, 0);
}

TEST_F(Chines, TheEleventhChineAndAnOverfullWorkingNetAreRefused) {
  // Ten row chines on 21 rows at degree 2 fill 30 working rows.
  Open(8, 20, 2, 2);
  for (int row = 1; row <= 10; ++row) {
    ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kRow, row));
  }
  EXPECT_FALSE(MakeChine(design(), surface(), history(), prompter, ChineKind::kRow, 15));
  EXPECT_EQ(prompter.errors, std::vector<std::string>{"10 chines already exist! Max Exceeded!"});
  EXPECT_EQ(design().RowChineCount, 10);

  // 44 columns at degree 4: two chines add 6 working columns, a third would pass 50.
  Open(44, 6, 4, 3);
  prompter.errors.clear();
  ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kColumn, 10));
  ASSERT_TRUE(MakeChine(design(), surface(), history(), prompter, ChineKind::kColumn, 20));
  EXPECT_EQ(WorkingLastColumn(design()), 50);
  const std::string before = State();
  EXPECT_FALSE(MakeChine(design(), surface(), history(), prompter, ChineKind::kColumn, 30));
  ASSERT_EQ(prompter.errors.size(), 1u);
  EXPECT_NE(prompter.errors[0].find("more than 51 working columns"), std::string::npos);
  EXPECT_EQ(State(), before);
}

}  // namespace
}  // namespace skelmora
