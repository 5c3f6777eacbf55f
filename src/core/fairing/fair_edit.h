// What the fairing dialogs' buttons do to the net and to their fields: the
// arrow nudges by view, the weight steps, the step-field rules, stepping
// through vertex numbers, and the surface update after a change.
#pragma once

#include <optional>

#include "fairing/fair_curve.h"
#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

enum class Nudge { kUp, kDown, kRight, kLeft };

// Adds or subtracts step to the coordinate the arrow moves in the view:
// body up/down z, right/left x; plan x and y; profile z and y.
void NudgeVertex(Vertex& vertex, ViewId view, Nudge direction, double step);

constexpr double kWeightStep = 0.1;
// Adds delta to the weight, never below 0 (and never -0).
void ChangeWeight(Vertex& vertex, double delta);

// The step field of the column and row dialogs: an empty, unreadable or
// not positive step becomes 0.1, shown as kDefaultStepText.
constexpr double kDefaultStep = 0.1;
constexpr const char* kDefaultStepText = "0.1";
struct StepField {
  double step = kDefaultStep;
  bool replaced = false;  // the field must show kDefaultStepText
};
StepField ReadStepField(const std::optional<double>& typed);

// The column dialog starts at 0.5 in inches, 15 in millimetres; the others
// at 0.5.
double InitialColumnStep(int32_t units);
constexpr double kInitialStep = 0.5;

// A vertex number moved by delta, kept within 0..last.
int StepVertexNumber(int current, int delta, int last);

// The view the column dialog turns to for a column: the stem's in profile,
// the transom's in plan, the others in the body view.
ViewId ColumnView(int column, int lastColumn);

// After a nudge or a weight step: the working net and the grid at the
// design's divisions (the counts and knots do not change), and the extents
// are stale.
void RefreshAfterNudge(HullDesign& design, Surface& surface);

}  // namespace skelmora
