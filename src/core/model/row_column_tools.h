// The pick-driven tools of the Tools menu that act on a run of vertices
// along one row or column: "Straighten A &Row or Column", "S&mooth A Row or
// Column" and "&Offset Vertices From A Master Row / Column".
//
// The command shows its prompt and arms its mode; the views hold one
// RowColumnTool, reset it when the mode is armed, and hand every
// PressAction::kToolPick (column, row, and the view it happened in) to the
// armed tool's pick function. The result says what to do next.
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

inline constexpr const char* kStartEndPrompt = "Click on START and then END vertices";
inline constexpr const char* kOffsetPrompt =
    "Click on Start and then End vertices of a Row or Column\r"
    "to be OFFSET from a MASTER Row or Column";

// The picks a tool has taken so far. The tool works in the two coordinates of
// the view of the first pick: body (x, z), plan (y, x), profile (y, z).
struct RowColumnTool {
  int picks = 0;
  ViewId view = kBodyView;
  int startColumn = -1, startRow = -1;
  int endColumn = -1, endRow = -1;
  int masterColumn = -1, masterRow = -1;
};

void ResetTool(RowColumnTool& tool);

enum class ToolStatus {
  kWaiting,     // more picks wanted (draw `mark`, when set, at the picked vertex)
  kAskOffsets,  // offset tool: show "Vertex Offsets", then ApplyMasterOffsets or ResetTool
  kDone,        // the net changed (undo step taken, grid evaluated): disarm and repaint
  kFailed,      // refused with a message, nothing changed: disarm
};

struct ToolResult {
  ToolStatus status = ToolStatus::kWaiting;
  const char* mark = nullptr;  // "X" (straighten, smooth), "1" or "2" (offset)
};

// Straighten: the vertices strictly between START and END move onto the line
// through the two, in the view's coordinates: along a row each drops
// vertically onto it, along a column each moves sideways onto it. The third
// coordinate and the weights never change.
ToolResult StraightenPick(RowColumnTool& tool, HullDesign& design, Surface& surface,
                          const UndoHistory& history, Prompter& prompter,
                          ViewId view, int column, int row);

// Smooth: the vertices strictly between START and END move onto a least-
// squares polynomial through the run, in the view's coordinates. The along-
// run coordinate is the one of the two in which START and END lie farther
// apart; it stays, and the other becomes the polynomial of it, which passes
// through START and END. Degree 3, lowered to the number of inner vertices
// for short runs, so a run already on a line or a parabola does not move.
ToolResult SmoothPick(RowColumnTool& tool, HullDesign& design, Surface& surface,
                      const UndoHistory& history, Prompter& prompter, ViewId view,
                      int column, int row);

// Offset: START, END, then one vertex on the master row (START and END on one
// row) or master column. Returns kAskOffsets after the third pick.
ToolResult OffsetPick(RowColumnTool& tool, HullDesign& design, Prompter& prompter, ViewId view,
                      int column, int row);

// "Vertex Offsets": beam (added to x), aft-bow (y) and height (z).
struct VertexOffsets {
  double beam = 0.0;
  double aftBow = 0.0;
  double height = 0.0;
};

// "Enter Offset Values in INCHES" or "Enter Offset Values in Millimeters".
const char* VertexOffsetsLabel(const HullDesign& design);

// The dialog's OK: an undo step, then every vertex from START to END
// (inclusive) becomes its counterpart on the master line plus the offsets
// (weights unchanged), and the grid is evaluated. Resets the tool; false
// when the tool was not waiting for the offsets, or (nothing changed) when
// a moved coordinate would not fit the net (kNetOverflowMessage is the
// caller's to show).
bool ApplyMasterOffsets(RowColumnTool& tool, HullDesign& design, Surface& surface,
                        const UndoHistory& history, Prompter& prompter,
                        const VertexOffsets& offsets);

}  // namespace skelmora
