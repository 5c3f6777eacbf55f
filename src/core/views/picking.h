// What the mouse and the arrow keys do in the body, plan and profile views
// (the perspective view only zooms). The program forwards its events here
// with the mouse point converted to logical units (ViewMapping::ToLogical)
// and carries out what the returned action asks for: dialogs, the net
// editing commands, undo snapshots and repaints. The model side (picking,
// placing the vertex, moving a line, the grid update of a drag) is done
// here.
//
// Undo: when MousePress returns kStartDrag or kStartLineMove, the program
// takes an undo snapshot (DesignSession::TakeSnapshot) before it
// forwards the next event; the press itself has changed nothing yet. The
// editing commands a press asks for (insert, delete, chine, ...) take their
// own snapshots. Arrow-key moves take none.
#pragma once

#include <string>

#include "model/hull_design.h"
#include "surface/surface.h"
#include "views/display_list.h"
#include "views/view_mapping.h"
#include "views/view_options.h"

namespace skelmora {

// --- the rules themselves ------------------------------------------------

struct VertexIndex {
  int column = -1;
  int row = -1;
  bool valid() const { return column >= 0 && row >= 0; }
};

// The selected vertex (PickedColumn, PickedRow) when it lies in the net.
VertexIndex SelectedVertex(const HullDesign& design);

// Where a vertex is drawn (body view: on its side by the side rule).
LogicalPoint VertexLogical(const HullDesign& design, const Surface& surface, ViewId view,
                           const ViewMapping& mapping, int column, int row);

// The pick rule: walking column by column (rows inner), the first vertex
// whose drawn position lies in the half-open square [x - m, x + m) x
// [y - m, y + m) around the mouse, m = VertexSquareHalfSize. With a
// single-line restriction only the vertices of that line are candidates
// (only they are drawn). Planar views only; invalid when nothing is hit.
VertexIndex PickVertex(const HullDesign& design, const Surface& surface, ViewId view,
                       const ViewMapping& mapping, const ViewOptions& options, LogicalPoint mouse);

// Add row / add column with the mouse: the vertex nearest the click by the
// sum of horizontal and vertical logical distances (body view: a vertex on
// the other side of the centreline from the click does not count), its
// column lowered by one (not below 0) when the click lies before it
// horizontally (body view: nearer the centreline on the +x side, farther
// from it on the -x side) and its row lowered by one when the click lies
// below it. The result is the row to insert above (InsertRowAbove) or the
// column to insert after (InsertColumnAfter). Invalid when no vertex counts
// (body view: none drawn on the click's side) and in the perspective view.
VertexIndex InsertionPoint(const HullDesign& design, const Surface& surface, ViewId view,
                           const ViewMapping& mapping, LogicalPoint click);

// The plain drag: the held vertex takes the mouse position. Body view:
// x = horizontal / s times bodySide (-1 for a vertex drawn mirrored),
// z = vertical / s; plan: y = horizontal / s, x = vertical / s; profile:
// y = horizontal / s, z = vertical / s.
void PlaceVertex(HullDesign& design, ViewId view, const ViewMapping& mapping, int column, int row,
                 int bodySide, LogicalPoint mouse);

// The row / column move of a held vertex, from the start coordinates in
// state (startH, startV, taken by MousePress) and state.moveSettings:
// translate: c[k] = mouse / s - c0[p] + c0[k]; proportional:
// c[k] = (mouse / s - c0[p]) * c0[k] / c0[p] + c0[k], skipped on an axis
// where c0[p] is 0. Body view: the horizontal mouse coordinate is negated
// for a held vertex drawn mirrored.
void MoveLine(HullDesign& design, ViewId view, const ViewMapping& mapping,
              const InteractionState& state, LogicalPoint mouse);

enum class ArrowKey { kLeft, kRight, kUp, kDown };

// The key move table, step d = state.keyStep:
//            body                      plan    profile
//   Left     x - d (aft half: x + d)   y - d   y - d
//   Right    x + d (aft half: x - d)   y + d   y + d
//   Up       z + d                     x + d   z + d
//   Down     z - d                     x - d   z - d
// Returns false (nothing changed) without a selected vertex or in the
// perspective view. On a move the grid is evaluated again, and hText /
// vText (when given) receive the "x=" and "y=" readouts of the vertex's
// drawn view coordinates; the caller repaints and draws the selection mark.
bool KeyMove(HullDesign& design, Surface& surface, ViewId view, const InteractionState& state,
             ArrowKey key, std::string* hText = nullptr, std::string* vText = nullptr);

// --- event forwarding ----------------------------------------------------

enum class MouseButton { kLeft, kRight };

struct PressAction {
  enum class Kind {
    kNone,               // nothing more to do (no hit, or nothing armed that uses it)
    kZoomStarted,        // rubber band anchored at the press; draw it while moving
    kInsertRowAbove,     // run InsertRowAbove(row); mode disarmed; recompute, repaint all
    kInsertColumnAfter,  // run InsertColumnAfter(column); likewise
    kEditVertex,         // right button on a vertex: the vertex edit dialog
    kToolPick,           // straighten / smooth / offset: hand (column, row) to the armed tool,
                         // which disarms itself when done or failed
    kChineColumn,        // run the chine commands with column / row; mode disarmed (a pick on
                         // the last column or the last row stays armed and does nothing)
    kChineRow,
    kRemoveColumnChine,
    kRemoveRowChine,
    kDeleteRow,          // delete row / column; mode disarmed
    kDeleteColumn,
    kStartLineMove,      // TakeSnapshot now; moves drag the whole row or column
    kStartDrag,          // TakeSnapshot now; moves drag the vertex
  };
  Kind kind = Kind::kNone;
  int column = -1;
  int row = -1;
};

// Mouse down. Precedence: zoom window armed; add row / column armed (the
// insertion point); otherwise the pick (PickedColumn / PickedRow set, or
// cleared to -1 on a miss), then right button on a hit, the tools, chine
// and chine removal (not for a vertex on the last column or row), delete,
// row / column move, plain drag. A chine or chine-removal click counts
// only when the picked column is below LastColumn and the picked row below
// LastRow. A highlight pick waits for the release.
// Needs the vertex net shown for anything but the zoom window.
PressAction MousePress(HullDesign& design, const Surface& surface, ViewId view,
                       const ViewMapping& mapping, const ViewOptions& options,
                       InteractionState& state, MouseButton button, LogicalPoint mouse);

struct MoveAction {
  // The readout of the mouse position, "x=..." and "y=..." (horizontal and
  // vertical view axes, two decimals), for the two status labels.
  std::string hText;
  std::string vText;
  // The held vertex was placed at the mouse. With realTimeHull the grid has
  // been evaluated again: repaint this view. Otherwise the program redraws
  // the net segments in XOR (AddNetDragSegments, called before forwarding
  // the move to erase and after it to draw).
  bool vertexMoved = false;
  bool gridUpdated = false;
  // The held row or column moved: redraw it in XOR (AddMovedLine before and
  // after forwarding the move).
  bool lineMoved = false;
};

MoveAction MouseMove(HullDesign& design, Surface& surface, ViewId view, const ViewMapping& mapping,
                     InteractionState& state, LogicalPoint mouse);

struct ReleaseAction {
  enum class Kind {
    kNone,
    kHighlightChanged,  // the highlight took the picked line (or none): repaint the net
    kZoomChanged,       // zoomed or unzoomed: repaint this view
    kDragEnded,         // vertex placed and grid evaluated: repaint the other open views
                        // (and this one when realTimeHull is off), then the selection mark
    kLineMoveEnded,     // line placed and grid evaluated: repaint
  };
  Kind kind = Kind::kNone;
};

// Mouse up: highlight pick, zoom rectangle, end of a drag that moved (the
// vertex takes the release position), end of a row / column move. Ends the
// press.
ReleaseAction MouseRelease(HullDesign& design, Surface& surface, ViewState& view,
                           InteractionState& state, LogicalPoint mouse);

// Activating another window cancels a drag or zoom press in progress.
void CancelPress(InteractionState& state);

// Highlight Row / Highlight Column: armed until the next release.
void ArmHighlight(HullDesign& design, InteractionState& state, bool rows);
// "R&emove Highlight".
void RemoveHighlight(HullDesign& design, InteractionState& state);

}  // namespace skelmora
