// The run-time switches of the views and the mouse state shared by the three
// editing windows. Nothing here is saved with a design; the program holds
// one ViewOptions and one InteractionState for the whole run.
#pragma once

#include <array>
#include <cstdint>

#include "model/hull_design.h"

namespace skelmora {

// "Single Vertex Line Selector": the net is drawn, and picked, only along
// one column or one row.
struct SingleLine {
  enum class Kind : uint8_t { kNone, kColumn, kRow };
  Kind kind = Kind::kNone;
  int index = 0;  // the column or row; limited to the last index when set
};

// Whether the vertex (column, row) is on the selected line (always, with no
// line selected).
inline bool OnSingleLine(const SingleLine& single, const HullDesign& design, int column, int row) {
  switch (single.kind) {
    case SingleLine::Kind::kNone:
      return true;
    case SingleLine::Kind::kColumn:
      return column == std::clamp(single.index, 0, ClampIndex(design.LastColumn));
    case SingleLine::Kind::kRow:
      break;
  }
  return row == std::clamp(single.index, 0, ClampIndex(design.LastRow));
}

// Display switches that are not part of the design.
struct ViewOptions {
  bool netColumnLines = true;  // "Vertex Net &Column Lines Drawn"
  bool netRowLines = true;     // "Vertex Net &Row Lines Drawn"
  bool vertexLabels = false;   // "&Label Vertex Rows and Columns"
  SingleLine singleLine;
  bool showCentres = false;    // "Show Centres"
  // The body view shows the hull heeled to this step of the last stability
  // run (CalculationRecords::heelSteps); -1 for the upright drawing.
  int heelStep = -1;
};

// One-shot modes armed by a menu command and carried out by the next click.
enum class ArmedMode : uint8_t {
  kNone,
  kZoomWindow,
  kAddRow,             // "Add a new row ABOVE this row"
  kAddColumn,          // "Add a new column AFTER this column"
  kDeleteRow,
  kDeleteColumn,
  kChineColumn,        // "Vertical"
  kChineRow,           // "Horizontal"
  kRemoveColumnChine,
  kRemoveRowChine,
  kStraighten,
  kSmooth,
  kOffset,
  kRowColumnMove,
  kHighlight,          // ArmHighlight; HullDesign::HighlightPending counts as armed too
};

// "Choose Row or Column & Constraints". X and Y are the window's horizontal
// and vertical axes.
struct RowColumnMoveSettings {
  bool moveRow = false;     // "Move A Row"; false = "Move A Column"
  bool translate = true;    // Spline › Translate move; false = Proportional move
  bool horizontal = true;   // "X Only" (the default) or "X AND Y"
  bool vertical = false;    // "Y Only" or "X AND Y"
};

struct InteractionState {
  ArmedMode armed = ArmedMode::kNone;
  RowColumnMoveSettings moveSettings;

  // "Update &Hull Shape in Real Time" (true, the default) or
  // "Update &Vertex Net in Real Time" (false): exactly one is on.
  bool realTimeHull = true;
  // Arrow-key step in the design unit; may be negative, never 0.
  double keyStep = 1.0;

  // --- the press in progress (filled by the mouse functions) ---------------
  bool zoomPressed = false;     // a zoom-window press waits for its release
  bool dragging = false;        // a vertex (or row / column) is held
  bool movingLine = false;      // the held vertex moves its whole row or column
  bool moved = false;           // the position changed since the press
  ViewId pressView = kBodyView;
  int32_t pressX = 0, pressY = 0;  // logical, at the press
  int32_t lastX = 0, lastY = 0;    // logical, at the last move
  // Body view: -1 when the held vertex is drawn mirrored (aft half), else +1.
  int bodySide = 1;
  // Row / column move: the view coordinates of every vertex of the moved
  // line at the press, indexed by the position along the line.
  std::array<double, kNetSize> startH{};
  std::array<double, kNetSize> startV{};
};

}  // namespace skelmora
