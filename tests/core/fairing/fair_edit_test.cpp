// The fairing dialogs' edits: nudges by view, weight steps, step fields,
// vertex numbers and the view the column dialog turns to.
#include <gtest/gtest.h>

#include <cmath>

#include "fairing/fair_edit.h"

namespace skelmora {
namespace {

TEST(FairEdit, ArrowsMoveTheViewsCoordinates) {
  struct Case {
    ViewId view;
    Nudge nudge;
    Vertex expected;
  };
  const Case cases[] = {
      {kBodyView, Nudge::kUp, {1, 2, 3.5f, 1}},    {kBodyView, Nudge::kDown, {1, 2, 2.5f, 1}},
      {kBodyView, Nudge::kRight, {1.5f, 2, 3, 1}}, {kBodyView, Nudge::kLeft, {0.5f, 2, 3, 1}},
      {kPlanView, Nudge::kUp, {1.5f, 2, 3, 1}},    {kPlanView, Nudge::kDown, {0.5f, 2, 3, 1}},
      {kPlanView, Nudge::kRight, {1, 2.5f, 3, 1}}, {kPlanView, Nudge::kLeft, {1, 1.5f, 3, 1}},
      {kProfileView, Nudge::kUp, {1, 2, 3.5f, 1}}, {kProfileView, Nudge::kDown, {1, 2, 2.5f, 1}},
      {kProfileView, Nudge::kRight, {1, 2.5f, 3, 1}},
      {kProfileView, Nudge::kLeft, {1, 1.5f, 3, 1}},
  };
  for (const Case& c : cases) {
    Vertex v{1, 2, 3, 1};
    NudgeVertex(v, c.view, c.nudge, 0.5);
    EXPECT_EQ(v.x, c.expected.x);
    EXPECT_EQ(v.y, c.expected.y);
    EXPECT_EQ(v.z, c.expected.z);
    EXPECT_EQ(v.w, 1.0f);
  }
}

TEST(FairEdit, WeightNeverGoesBelowZero) {
  Vertex v{0, 0, 0, 0.05f};
  ChangeWeight(v, -kWeightStep);
  EXPECT_EQ(v.w, 0.0f);
  EXPECT_FALSE(std::signbit(v.w));
  ChangeWeight(v, -kWeightStep);
  EXPECT_EQ(v.w, 0.0f);
  // Stepping up and down again lands on 0, not on a rounding error.
  ChangeWeight(v, kWeightStep);
  EXPECT_NEAR(v.w, 0.1f, 1e-7);
  ChangeWeight(v, -kWeightStep);
  EXPECT_EQ(v.w, 0.0f);
  Vertex w{0, 0, 0, 1.0f};
  ChangeWeight(w, kWeightStep);
  EXPECT_NEAR(w.w, 1.1f, 1e-6);
}

TEST(FairEdit, StepFieldRules) {
  struct Case {
    std::optional<double> typed;
    double step;
    bool replaced;
  };
  const Case cases[] = {{std::nullopt, 0.1, true}, {-2.0, 0.1, true}, {0.0, 0.1, true},
                        {NAN, 0.1, true},          {0.25, 0.25, false}, {15.0, 15.0, false}};
  for (const Case& c : cases) {
    const StepField field = ReadStepField(c.typed);
    EXPECT_EQ(field.step, c.step);
    EXPECT_EQ(field.replaced, c.replaced);
  }
  EXPECT_EQ(std::string(kDefaultStepText), "0.1");
  EXPECT_EQ(InitialColumnStep(kInches), 0.5);
  EXPECT_EQ(InitialColumnStep(kMillimetres), 15.0);
}

TEST(FairEdit, VertexNumberStopsAtBothEnds) {
  EXPECT_EQ(StepVertexNumber(0, -1, 12), 0);
  EXPECT_EQ(StepVertexNumber(1, -1, 12), 0);
  EXPECT_EQ(StepVertexNumber(11, 1, 12), 12);
  EXPECT_EQ(StepVertexNumber(12, 1, 12), 12);
  EXPECT_EQ(StepVertexNumber(5, 1, 12), 6);
}

TEST(FairEdit, ColumnDialogTurnsToTheColumnsView) {
  EXPECT_EQ(ColumnView(0, 8), kProfileView);
  EXPECT_EQ(ColumnView(8, 8), kPlanView);
  EXPECT_EQ(ColumnView(1, 8), kBodyView);
  EXPECT_EQ(ColumnView(7, 8), kBodyView);
}

}  // namespace
}  // namespace skelmora
