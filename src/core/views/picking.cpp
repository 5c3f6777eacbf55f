#include "views/picking.h"

#include <algorithm>
#include <cstdlib>

#include "views/projection.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

void SetViewCoordinates(Vertex& v, ViewId view, bool setH, double h, bool setV, double vert) {
  switch (view) {
    case kPlanView:
      if (setH) v.y = static_cast<float>(h);
      if (setV) v.x = static_cast<float>(vert);
      return;
    case kProfileView:
      if (setH) v.y = static_cast<float>(h);
      if (setV) v.z = static_cast<float>(vert);
      return;
    case kBodyView:
    case kPerspectiveView:
      break;
  }
  if (setH) v.x = static_cast<float>(h);
  if (setV) v.z = static_cast<float>(vert);
}

bool HighlightArmed(const HullDesign& design, const InteractionState& state) {
  return design.HighlightPending || state.armed == ArmedMode::kHighlight;
}

}  // namespace


VertexIndex SelectedVertex(const HullDesign& design) {
  if (!InNet(design, design.PickedColumn, design.PickedRow)) return {};
  return {design.PickedColumn, design.PickedRow};
}

LogicalPoint VertexLogical(const HullDesign& design, const Surface& surface, ViewId view,
                           const ViewMapping& mapping, int column, int row) {
  if (!InNet(design, column, row)) return {};
  const Vertex& v = design.Net[column][row];
  return ViewProjector(design, surface, view, mapping.scale).Project(v.x, v.y, v.z);
}

VertexIndex PickVertex(const HullDesign& design, const Surface& surface, ViewId view,
                       const ViewMapping& mapping, const ViewOptions& options, LogicalPoint mouse) {
  if (view == kPerspectiveView) return {};
  const ViewProjector projector(design, surface, view, mapping.scale);
  const int64_t m = VertexSquareHalfSize(view, mapping);
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      if (!OnSingleLine(options.singleLine, design, c, r)) continue;
      const Vertex& v = design.Net[c][r];
      const LogicalPoint p = projector.Project(v.x, v.y, v.z);
      if (p.x >= mouse.x - m && p.x < mouse.x + m && p.y >= mouse.y - m && p.y < mouse.y + m) {
        return {c, r};
      }
    }
  }
  return {};
}

VertexIndex InsertionPoint(const HullDesign& design, const Surface& surface, ViewId view,
                           const ViewMapping& mapping, LogicalPoint click) {
  if (view == kPerspectiveView) return {};
  const ViewProjector projector(design, surface, view, mapping.scale);
  const int clickSide = click.x >= 0 ? 1 : -1;
  double best = 1e6;
  VertexIndex nearest;
  LogicalPoint at;
  for (int c = 0; c <= ClampIndex(design.LastColumn); ++c) {
    for (int r = 0; r <= ClampIndex(design.LastRow); ++r) {
      const Vertex& v = design.Net[c][r];
      const LogicalPoint p = projector.Project(v.x, v.y, v.z);
      double distance = std::abs(static_cast<double>(p.x) - click.x) +
                        std::abs(static_cast<double>(p.y) - click.y);
      if (view == kBodyView && projector.BodySide(v.y) != clickSide) distance = 1e7;
      if (distance < best) {
        best = distance;
        nearest = {c, r};
        at = p;
      }
    }
  }
  if (!nearest.valid()) return {};
  // "Before the vertex" horizontally. In the body view that is nearer the
  // centreline on the +x side and farther from it on the -x side, which in
  // drawn coordinates is the same test.
  if (click.x < at.x) nearest.column = std::max(0, nearest.column - 1);
  if (click.y < at.y) nearest.row = std::max(0, nearest.row - 1);
  return nearest;
}

void PlaceVertex(HullDesign& design, ViewId view, const ViewMapping& mapping, int column, int row,
                 int bodySide, LogicalPoint mouse) {
  if (view == kPerspectiveView || !InNet(design, column, row)) return;
  double h = mapping.ToModel(mouse.x);
  const double v = mapping.ToModel(mouse.y);
  if (view == kBodyView) h *= bodySide < 0 ? -1.0 : 1.0;
  SetViewCoordinates(design.Net[column][row], view, true, h, true, v);
}

void MoveLine(HullDesign& design, ViewId view, const ViewMapping& mapping,
              const InteractionState& state, LogicalPoint mouse) {
  const VertexIndex held = SelectedVertex(design);
  if (view == kPerspectiveView || !held.valid()) return;
  const RowColumnMoveSettings& how = state.moveSettings;
  double mh = mapping.ToModel(mouse.x);
  const double mv = mapping.ToModel(mouse.y);
  if (view == kBodyView && state.bodySide < 0) mh = -mh;

  const int last = ClampIndex(how.moveRow ? design.LastColumn : design.LastRow);
  const int p = how.moveRow ? held.column : held.row;
  const double hs = state.startH[p];
  const double vs = state.startV[p];
  // Proportional: an axis whose held coordinate is 0 cannot scale.
  const bool moveH = how.horizontal && (how.translate || hs != 0.0);
  const bool moveV = how.vertical && (how.translate || vs != 0.0);
  for (int k = 0; k <= last; ++k) {
    Vertex& v = how.moveRow ? design.Net[k][held.row] : design.Net[held.column][k];
    const double h0 = state.startH[k];
    const double v0 = state.startV[k];
    const double h = how.translate ? mh - hs + h0 : (mh - hs) * h0 / (moveH ? hs : 1.0) + h0;
    const double vert = how.translate ? mv - vs + v0 : (mv - vs) * v0 / (moveV ? vs : 1.0) + v0;
    SetViewCoordinates(v, view, moveH, h, moveV, vert);
  }
}

bool KeyMove(HullDesign& design, Surface& surface, ViewId view, const InteractionState& state,
             ArrowKey key, std::string* hText, std::string* vText) {
  const VertexIndex selected = SelectedVertex(design);
  if (view == kPerspectiveView || !selected.valid()) return false;
  Vertex& v = design.Net[selected.column][selected.row];
  const ViewProjector projector(design, surface, view, 1.0);
  // The aft half is drawn mirrored, so left and right swap there.
  const int side = view == kBodyView ? projector.BodySide(v.y) : 1;
  const double d = state.keyStep;
  double h, vert;
  ViewCoordinatesOf(v, view, h, vert);
  switch (key) {
    case ArrowKey::kLeft:
      h -= side * d;
      break;
    case ArrowKey::kRight:
      h += side * d;
      break;
    case ArrowKey::kUp:
      vert += d;
      break;
    case ArrowKey::kDown:
      vert -= d;
      break;
  }
  SetViewCoordinates(v, view, true, h, true, vert);
  EvaluateSurfaceGrid(design, surface);
  double shownH, shownV;
  projector.ViewCoordinates(v.x, v.y, v.z, 1, shownH, shownV);
  if (hText) *hText = ReadoutText("x=", shownH);
  if (vText) *vText = ReadoutText("y=", shownV);
  return true;
}

PressAction MousePress(HullDesign& design, const Surface& surface, ViewId view,
                       const ViewMapping& mapping, const ViewOptions& options,
                       InteractionState& state, MouseButton button, LogicalPoint mouse) {
  using Kind = PressAction::Kind;
  CancelPress(state);
  state.pressView = view;
  state.pressX = state.lastX = mouse.x;
  state.pressY = state.lastY = mouse.y;

  if (state.armed == ArmedMode::kZoomWindow) {
    state.zoomPressed = true;
    return {Kind::kZoomStarted};
  }
  if (view == kPerspectiveView || !design.ShowVertexNet) return {};

  if (state.armed == ArmedMode::kAddRow || state.armed == ArmedMode::kAddColumn) {
    const bool row = state.armed == ArmedMode::kAddRow;
    state.armed = ArmedMode::kNone;
    const VertexIndex at = InsertionPoint(design, surface, view, mapping, mouse);
    if (!at.valid()) return {};
    return {row ? Kind::kInsertRowAbove : Kind::kInsertColumnAfter, at.column, at.row};
  }

  const VertexIndex hit = PickVertex(design, surface, view, mapping, options, mouse);
  design.PickedColumn = hit.column;
  design.PickedRow = hit.row;
  if (!hit.valid()) return {};
  const PressAction onHit{Kind::kNone, hit.column, hit.row};
  auto with = [&](Kind kind) {
    PressAction action = onHit;
    action.kind = kind;
    return action;
  };

  if (button == MouseButton::kRight) return with(Kind::kEditVertex);
  if (HighlightArmed(design, state)) return {};  // taken at the release

  // A chine click counts only below both last indices: a vertex on the
  // stern column or on the sheer row chines nothing, whichever the kind.
  const bool onLastLine =
      hit.column >= ClampIndex(design.LastColumn) || hit.row >= ClampIndex(design.LastRow);
  auto disarmWith = [&](Kind kind) {
    state.armed = ArmedMode::kNone;
    return with(kind);
  };
  switch (state.armed) {
    case ArmedMode::kStraighten:
    case ArmedMode::kSmooth:
    case ArmedMode::kOffset:
      return with(Kind::kToolPick);
    case ArmedMode::kChineColumn:
      return onLastLine ? PressAction{} : disarmWith(Kind::kChineColumn);
    case ArmedMode::kChineRow:
      return onLastLine ? PressAction{} : disarmWith(Kind::kChineRow);
    case ArmedMode::kRemoveColumnChine:
      return onLastLine ? PressAction{} : disarmWith(Kind::kRemoveColumnChine);
    case ArmedMode::kRemoveRowChine:
      return onLastLine ? PressAction{} : disarmWith(Kind::kRemoveRowChine);
    case ArmedMode::kDeleteRow:
      return disarmWith(Kind::kDeleteRow);
    case ArmedMode::kDeleteColumn:
      return disarmWith(Kind::kDeleteColumn);
    case ArmedMode::kRowColumnMove:
    case ArmedMode::kNone:
      break;
    case ArmedMode::kZoomWindow:
    case ArmedMode::kAddRow:
    case ArmedMode::kAddColumn:
    case ArmedMode::kHighlight:
      return {};
  }

  // A drag of the vertex, or of its whole row or column.
  const ViewProjector projector(design, surface, view, mapping.scale);
  const Vertex& held = design.Net[hit.column][hit.row];
  state.bodySide = view == kBodyView ? projector.BodySide(held.y) : 1;
  const LogicalPoint at = projector.Project(held.x, held.y, held.z);
  state.pressX = state.lastX = at.x;
  state.pressY = state.lastY = at.y;
  state.dragging = true;
  state.moved = false;
  if (state.armed == ArmedMode::kRowColumnMove) {
    state.movingLine = true;
    const bool row = state.moveSettings.moveRow;
    const int last = ClampIndex(row ? design.LastColumn : design.LastRow);
    for (int k = 0; k <= last; ++k) {
      const Vertex& v = row ? design.Net[k][hit.row] : design.Net[hit.column][k];
      ViewCoordinatesOf(v, view, state.startH[k], state.startV[k]);
    }
    return with(Kind::kStartLineMove);
  }
  return with(Kind::kStartDrag);
}

MoveAction MouseMove(HullDesign& design, Surface& surface, ViewId view, const ViewMapping& mapping,
                     InteractionState& state, LogicalPoint mouse) {
  MoveAction action;
  action.hText = ReadoutText("x=", mapping.ToModel(mouse.x));
  action.vText = ReadoutText("y=", mapping.ToModel(mouse.y));
  if (view != state.pressView) return action;
  if (state.zoomPressed) {
    state.lastX = mouse.x;
    state.lastY = mouse.y;
    return action;
  }
  if (!state.dragging || (mouse.x == state.lastX && mouse.y == state.lastY)) return action;
  const VertexIndex held = SelectedVertex(design);
  if (!held.valid()) return action;
  state.lastX = mouse.x;
  state.lastY = mouse.y;
  state.moved = true;
  if (state.movingLine) {
    MoveLine(design, view, mapping, state, mouse);
    action.lineMoved = true;
    return action;
  }
  PlaceVertex(design, view, mapping, held.column, held.row, state.bodySide, mouse);
  action.vertexMoved = true;
  if (state.realTimeHull) {
    EvaluateSurfaceGrid(design, surface);
    action.gridUpdated = true;
  }
  return action;
}

ReleaseAction MouseRelease(HullDesign& design, Surface& surface, ViewState& view,
                           InteractionState& state, LogicalPoint mouse) {
  using Kind = ReleaseAction::Kind;
  ReleaseAction action;
  if (HighlightArmed(design, state)) {
    const VertexIndex picked = SelectedVertex(design);
    if (picked.valid()) {
      design.HighlightIndex = design.HighlightRows ? picked.row : picked.column;
    } else {
      design.HighlightRows = design.HighlightColumns = false;
    }
    design.HighlightPending = false;
    if (state.armed == ArmedMode::kHighlight) state.armed = ArmedMode::kNone;
    action.kind = Kind::kHighlightChanged;
  } else if (state.zoomPressed) {
    state.armed = ArmedMode::kNone;
    ApplyZoomRectangle(design, surface, view, {state.pressX, state.pressY}, mouse);
    action.kind = Kind::kZoomChanged;
  } else if (state.dragging && view.view == state.pressView) {
    const VertexIndex held = SelectedVertex(design);
    if (state.movingLine) {
      if (state.moved && held.valid()) MoveLine(design, view.view, view.mapping, state, mouse);
      state.armed = ArmedMode::kNone;
      EvaluateSurfaceGrid(design, surface);
      action.kind = Kind::kLineMoveEnded;
    } else if (state.moved && held.valid()) {
      PlaceVertex(design, view.view, view.mapping, held.column, held.row, state.bodySide, mouse);
      EvaluateSurfaceGrid(design, surface);
      action.kind = Kind::kDragEnded;
    }
  }
  CancelPress(state);
  return action;
}

void CancelPress(InteractionState& state) {
  state.zoomPressed = false;
  state.dragging = false;
  state.movingLine = false;
  state.moved = false;
}

void ArmHighlight(HullDesign& design, InteractionState& state, bool rows) {
  design.HighlightPending = true;
  design.HighlightRows = rows;
  design.HighlightColumns = !rows;
  state.armed = ArmedMode::kHighlight;
}

void RemoveHighlight(HullDesign& design, InteractionState& state) {
  design.HighlightPending = false;
  design.HighlightRows = false;
  design.HighlightColumns = false;
  if (state.armed == ArmedMode::kHighlight) state.armed = ArmedMode::kNone;
}

}  // namespace skelmora
