#include "model/row_column_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/model/edit_fixtures.h"
#include "model/net_edit.h"

namespace skelmora {
namespace {

using Tools = edittest::EditTest;

// Feeds picks to a tool; returns the result of the last one.
template <typename Pick>
ToolResult PickAll(Pick pick, std::vector<std::pair<int, int>> picks) {
  ToolResult result;
  for (auto [column, row] : picks) result = pick(column, row);
  return result;
}

TEST_F(Tools, StraightenInTheProfileViewDropsTheRunOntoTheLine) {
  const HullDesign before = design();
  RowColumnTool tool;
  auto pick = [&](int c, int r) {
    return StraightenPick(tool, design(), surface(), history(), prompter, kProfileView, c, r);
  };
  // END first: the picks are ordered by index.
  const ToolResult first = pick(6, 3);
  EXPECT_EQ(first.status, ToolStatus::kWaiting);
  EXPECT_STREQ(first.mark, "X");
  EXPECT_EQ(pick(2, 3).status, ToolStatus::kDone);

  const Vertex& a = before.Net[2][3];
  const Vertex& b = before.Net[6][3];
  for (int c = 0; c <= 8; ++c) {
    const Vertex& was = before.Net[c][3];
    const Vertex& now = design().Net[c][3];
    EXPECT_EQ(now.x, was.x);
    EXPECT_EQ(now.y, was.y);
    EXPECT_EQ(now.w, was.w);
    if (c < 3 || c > 5) {
      EXPECT_EQ(now.z, was.z) << c;
    } else {
      EXPECT_NE(now.z, was.z) << c;
      EXPECT_NEAR(now.z, a.z + (was.y - a.y) * (b.z - a.z) / (b.y - a.y), 1e-4) << c;
    }
  }
  EXPECT_EQ(design().UndoCount, 1);
  EXPECT_EQ(tool.picks, 0);  // ready for the next run
}

TEST_F(Tools, StraightenAlongAColumnMovesTheVerticesSideways) {
  const HullDesign before = design();
  RowColumnTool tool;
  auto pick = [&](int c, int r) {
    return StraightenPick(tool, design(), surface(), history(), prompter, kBodyView, c, r);
  };
  EXPECT_EQ(PickAll(pick, {{4, 1}, {4, 5}}).status, ToolStatus::kDone);
  const Vertex& a = before.Net[4][1];
  const Vertex& b = before.Net[4][5];
  for (int r = 2; r <= 4; ++r) {
    const Vertex& now = design().Net[4][r];
    EXPECT_EQ(now.z, before.Net[4][r].z);
    EXPECT_EQ(now.y, before.Net[4][r].y);
    EXPECT_NEAR(now.x, a.x + (now.z - a.z) * (b.x - a.x) / (b.z - a.z), 1e-4);
  }
}

TEST_F(Tools, StraightenAndSmoothRefuseAnythingButARunOfThree) {
  struct Case {
    std::pair<int, int> start, end;
    const char* message;
  };
  const Case cases[] = {
      {{2, 3}, {4, 5}, "Selected vertices are not on  a single row or column"},
      {{2, 3}, {3, 3}, "Less than 3 vertices"},
      {{4, 2}, {4, 1}, "Less than 3 vertices"},
      {{4, 2}, {4, 2}, "Less than 3 vertices"},
  };
  const std::string before = State();
  for (bool smooth : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.message);
      prompter.errors.clear();
      RowColumnTool tool;
      auto pick = [&](int col, int row) {
        return smooth ? SmoothPick(tool, design(), surface(), history(), prompter, kPlanView, col, row)
                      : StraightenPick(tool, design(), surface(), history(), prompter, kPlanView, col,
                                       row);
      };
      EXPECT_EQ(PickAll(pick, {c.start, c.end}).status, ToolStatus::kFailed);
      EXPECT_EQ(prompter.errors, std::vector<std::string>{c.message});
      EXPECT_EQ(tool.picks, 0);
    }
  }
  EXPECT_EQ(State(), before);
  EXPECT_EQ(design().UndoCount, 0);

  // The perspective view and vertices outside the net are not picks.
  RowColumnTool tool;
  EXPECT_EQ(
      StraightenPick(tool, design(), surface(), history(), prompter, kPerspectiveView, 2, 3).status,
      ToolStatus::kWaiting);
  EXPECT_EQ(StraightenPick(tool, design(), surface(), history(), prompter, kBodyView, 9, 3).status,
            ToolStatus::kWaiting);
  EXPECT_EQ(tool.picks, 0);
}

TEST_F(Tools, OffsetFromAMasterColumnAndAMasterRow) {
  const HullDesign before = design();
  RowColumnTool tool;
  auto pick = [&](int c, int r) { return OffsetPick(tool, design(), prompter, kBodyView, c, r); };
  EXPECT_STREQ(pick(8, 5).mark, "1");
  EXPECT_STREQ(pick(8, 3).mark, "2");
  EXPECT_EQ(prompter.information,
            std::vector<std::string>{"Select ONE vertex on the MASTER Row or Column"});
  EXPECT_EQ(pick(7, 0).status, ToolStatus::kAskOffsets);
  ASSERT_TRUE(ApplyMasterOffsets(tool, design(), surface(), history(), prompter, {1.0, 0.0, 0.0}));
  for (int r = 0; r <= 6; ++r) {
    const Vertex& now = design().Net[8][r];
    const Vertex& master = before.Net[7][r];
    if (r >= 3 && r <= 5) {
      EXPECT_EQ(now.x, master.x + 1.0f) << r;
      EXPECT_EQ(now.y, master.y) << r;
      EXPECT_EQ(now.z, master.z) << r;
    } else {
      EXPECT_EQ(now.x, before.Net[8][r].x) << r;
    }
  }
  EXPECT_EQ(design().UndoCount, 1);

  // Along row 2, columns 1..3 from master row 4, lowered by 2.
  EXPECT_EQ(PickAll(pick, {{1, 2}, {3, 2}, {6, 4}}).status, ToolStatus::kAskOffsets);
  design().Net[2][2].w = 3.0f;
  ASSERT_TRUE(ApplyMasterOffsets(tool, design(), surface(), history(), prompter, {0.0, 0.0, -2.0}));
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(design().Net[c][2].z, before.Net[c][4].z - 2.0f);
    EXPECT_EQ(design().Net[c][2].y, before.Net[c][4].y);
  }
  EXPECT_EQ(design().Net[2][2].w, 3.0f);                                    // weights stay
  EXPECT_FALSE(ApplyMasterOffsets(tool, design(), surface(), history(), prompter, {}));  // tool was reset

  // Offsets the float net cannot hold change nothing, not even the history.
  EXPECT_EQ(PickAll(pick, {{1, 2}, {3, 2}, {6, 4}}).status, ToolStatus::kAskOffsets);
  const std::string unchanged = State();
  prompter.errors.clear();
  EXPECT_FALSE(ApplyMasterOffsets(tool, design(), surface(), history(), prompter, {0.0, 4e38, 0.0}));
  EXPECT_EQ(State(), unchanged);
  EXPECT_EQ(design().UndoCount, 2);
  EXPECT_EQ(prompter.errors, std::vector<std::string>{kNetOverflowMessage});
}

TEST_F(Tools, OffsetRefusals) {
  const std::string before = State();
  RowColumnTool tool;
  auto pick = [&](int c, int r) { return OffsetPick(tool, design(), prompter, kPlanView, c, r); };
  EXPECT_EQ(PickAll(pick, {{2, 3}, {4, 5}}).status, ToolStatus::kFailed);
  EXPECT_EQ(PickAll(pick, {{2, 3}, {2, 3}, {5, 3}}).status, ToolStatus::kFailed);
  EXPECT_EQ(prompter.errors, (std::vector<std::string>{"Selected vertices are not a row or column",
                                                       "Less than 2 vertices were selected"}));
  EXPECT_EQ(State(), before);
  EXPECT_EQ(VertexOffsetsLabel(design()), std::string("Enter Offset Values in INCHES"));
}

// The smooth tool: z of row 3 in the profile view, as a function of y.
class Smooth : public edittest::EditTest {
 public:
  void SetRow(double (*f)(double)) {
    for (int c = 0; c <= 8; ++c) {
      Vertex& v = design().Net[c][3];
      v.z = static_cast<float>(f(v.y));
    }
    hull.Rebuild();
  }
  ToolResult Run(int from, int to, ViewId view = kProfileView, int row = 3) {
    RowColumnTool tool;
    SmoothPick(tool, design(), surface(), history(), prompter, view, from, row);
    return SmoothPick(tool, design(), surface(), history(), prompter, view, to, row);
  }
};

double Line(double y) { return 0.05 * y - 3.0; }
double Parabola(double y) { return 2e-4 * (y - 150.0) * (y - 150.0) - 10.0; }
double Cubic(double y) { return 1e-6 * (y - 50.0) * (y - 200.0) * (y - 350.0) + 2.0; }

TEST_F(Smooth, ARunOnALowDegreePolynomialDoesNotMove) {
  struct Case {
    double (*f)(double);
    std::vector<std::pair<int, int>> runs;
  };
  // A cubic needs three inner vertices to be fitted exactly.
  const Case cases[] = {
      {Line, {{0, 8}, {1, 3}, {2, 5}, {6, 2}}},
      {Parabola, {{0, 8}, {1, 4}, {2, 5}, {6, 2}}},
      {Cubic, {{0, 8}, {1, 5}, {7, 2}}},
  };
  for (const Case& c : cases) {
    SetRow(c.f);
    const HullDesign before = design();
    for (auto [from, to] : c.runs) {
      ASSERT_EQ(Run(from, to).status, ToolStatus::kDone);
      for (int col = 0; col <= 8; ++col) {
        EXPECT_NEAR(design().Net[col][3].z, before.Net[col][3].z, 2e-5) << col;
        EXPECT_EQ(design().Net[col][3].y, before.Net[col][3].y);
      }
    }
  }
  EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(Smooth, AKinkIsTakenOutAndTheEndsStay) {
  SetRow(Parabola);
  design().Net[4][3].z += 5.0f;
  const HullDesign before = design();
  ASSERT_EQ(Run(0, 8).status, ToolStatus::kDone);
  double errorBefore = 0.0, errorAfter = 0.0;
  for (int c = 0; c <= 8; ++c) {
    const Vertex& now = design().Net[c][3];
    const double truth = Parabola(now.y);
    errorBefore += std::pow(before.Net[c][3].z - truth, 2);
    errorAfter += std::pow(now.z - truth, 2);
    EXPECT_EQ(now.x, before.Net[c][3].x);
    EXPECT_EQ(now.y, before.Net[c][3].y);
  }
  EXPECT_LT(std::fabs(design().Net[4][3].z - Parabola(design().Net[4][3].y)), 2.5);
  EXPECT_LT(errorAfter, errorBefore / 4.0);
  EXPECT_EQ(design().Net[0][3].z, before.Net[0][3].z);
  EXPECT_EQ(design().Net[8][3].z, before.Net[8][3].z);
  EXPECT_EQ(design().UndoCount, 1);
}

TEST_F(Smooth, AlongAColumnTheLongerSpanOfTheEndsIsTheAlongCoordinate) {
  // Column 4 in the body view: z rises 40 from keel to sheer while x changes
  // less, so x becomes the polynomial of z. Put x on a parabola of z.
  for (int r = 0; r <= 6; ++r) {
    Vertex& v = design().Net[4][r];
    v.x = static_cast<float>(0.01 * v.z * v.z + 0.2 * v.z + 15.0);
  }
  design().Net[4][3].x += 2.0f;
  const HullDesign before = design();
  RowColumnTool tool;
  SmoothPick(tool, design(), surface(), history(), prompter, kBodyView, 4, 0);
  ASSERT_EQ(SmoothPick(tool, design(), surface(), history(), prompter, kBodyView, 4, 6).status,
            ToolStatus::kDone);
  for (int r = 0; r <= 6; ++r) EXPECT_EQ(design().Net[4][r].z, before.Net[4][r].z);
  const Vertex& kinked = design().Net[4][3];
  EXPECT_LT(std::fabs(kinked.x - (0.01 * kinked.z * kinked.z + 0.2 * kinked.z + 15.0)), 1.0);
}

TEST_F(Smooth, EndsOnOnePointOfTheViewAreRefused) {
  design().Net[1][3] = design().Net[5][3];
  const std::string before = State();
  EXPECT_EQ(Run(1, 5).status, ToolStatus::kFailed);
  EXPECT_EQ(prompter.errors.size(), 1u);
  EXPECT_EQ(State(), before);
}

}  // namespace
}  // namespace skelmora
