#include "shapes/deck.h"

#include <gtest/gtest.h>

#include <memory>

namespace skelmora {
namespace {

// (lastColumn + 1) x (lastRow + 1) vertices, the sheer at x = 10 + column.
std::unique_ptr<HullDesign> Net(int lastColumn, int lastRow) {
  auto d = std::make_unique<HullDesign>();
  d->LastColumn = lastColumn;
  d->LastRow = lastRow;
  d->StationTension = d->WaterlineTension = 3;
  for (int c = 0; c <= lastColumn; ++c) {
    for (int r = 0; r <= lastRow; ++r) {
      d->Net[c][r] = Vertex{float((10 + c) * r) / lastRow, float(12 * c), float(r - lastRow + 5),
                            1.0f};
    }
  }
  UpdateWorkingCounts(*d);
  return d;
}

TEST(Deck, ThirtyRowsWithoutChinesGetTwentyAndTheCamberAtTheCentreline) {
  auto d = Net(2, 30);
  ASSERT_FALSE(AddDeck(*d, 3.0, false).has_value());
  EXPECT_EQ(d->LastRow, 50);
  EXPECT_EQ(d->WorkingLastRow, 50);
  const Vertex sheer = d->Net[0][30];
  ASSERT_EQ(sheer.x, 10.0f);
  EXPECT_EQ(d->Net[0][50].x, 0.0f);
  EXPECT_FLOAT_EQ(d->Net[0][50].z, sheer.z + 3.0f);
  EXPECT_FLOAT_EQ(d->Net[0][31].x, 9.5f);
  EXPECT_NEAR(d->Net[0][31].z, sheer.z + 3.0 - 3.0 * 0.95 * 0.95, 1e-5);
}

TEST(Deck, TheJointChineAndTheRefusal) {
  auto d = Net(2, 8);
  ASSERT_FALSE(AddDeck(*d, 2.0, true).has_value());
  EXPECT_EQ(d->RowChineCount, 1);
  EXPECT_EQ(d->RowChines[0], 8);
  EXPECT_EQ(d->LastRow, 16);
  EXPECT_EQ(d->WorkingLastRow, 18);

  // 48 rows and the joint's chine leave one row: refused, chine taken back.
  auto full = Net(2, 48);
  full->StationTension = 2;
  UpdateWorkingCounts(*full);
  EXPECT_EQ(AddDeck(*full, 3.0, true), std::string(kTooFewDeckVertices));
  EXPECT_EQ(full->RowChineCount, 0);
  EXPECT_EQ(full->LastRow, 48);
  EXPECT_EQ(full->WorkingLastRow, 48);
}

}  // namespace
}  // namespace skelmora
