#include "model/vertex_edit.h"

#include <cmath>
#include <optional>

#include "files/text_io.h"
#include "model/net_edit.h"
#include "model/net_lines.h"
#include "model/undo_history.h"
#include "surface/surface_build.h"

namespace skelmora {

namespace {

float Stored(float current, double field) {
  const std::optional<double> shown = TryParseReal(FormatFixed(current, 5, 4));
  if (shown && *shown == field) return current;
  // A value beyond single precision would put infinity into the net (and
  // converting it is undefined).
  return FitsNet(field) ? static_cast<float>(field) : current;
}

void Store(HullDesign& design, const UndoHistory& history,
           VertexEditSession& session, const VertexEditFields& fields) {
  Vertex& vertex = design.Net[session.column][session.row];
  const Vertex updated{Stored(vertex.x, fields.x), Stored(vertex.y, fields.y),
                       Stored(vertex.z, fields.z), Stored(vertex.w, fields.w)};
  if (updated.x == vertex.x && updated.y == vertex.y && updated.z == vertex.z &&
      updated.w == vertex.w) {
    return;
  }
  if (!session.snapshotTaken) {
    history.Take(design);
    session.snapshotTaken = true;
  }
  vertex = updated;
  session.changed = true;
}

}  // namespace

VertexEditSession BeginVertexEdit(const HullDesign& design) {
  VertexEditSession session;
  session.column = std::clamp(design.PickedColumn, 0, ClampIndex(design.LastColumn));
  session.row = std::clamp(design.PickedRow, 0, ClampIndex(design.LastRow));
  return session;
}

VertexEditFields VertexEditValues(const HullDesign& design, const VertexEditSession& session) {
  const Vertex& v = design.Net[session.column][session.row];
  return {v.x, v.y, v.z, v.w};
}

bool StepVertexEdit(HullDesign& design, const UndoHistory& history,
                    Prompter& prompter, VertexEditSession& session, VertexEditFields& fields,
                    int column, int row) {
  if (!InNet(design, column, row) || !InNet(design, session.column, session.row)) return false;
  if (!(fields.w >= 1.0)) {
    prompter.ShowInformation(kWeightAtLeastOne);
    fields.w = 1.0;
  }
  Store(design, history, session, fields);
  session.column = column;
  session.row = row;
  design.PickedColumn = column;
  design.PickedRow = row;
  fields = VertexEditValues(design, session);
  return true;
}

bool FinishVertexEdit(HullDesign& design, Surface& surface,
                      const UndoHistory& history, Prompter& prompter,
                      VertexEditSession& session, const VertexEditFields& fields) {
  if (!(fields.w > 0.0) || !std::isfinite(fields.w)) {
    prompter.ShowInformation(kWeightPositive);
    return false;
  }
  if (InNet(design, session.column, session.row)) {
    Store(design, history, session, fields);
  }
  if (session.changed) EvaluateSurfaceGrid(design, surface);
  return true;
}

}  // namespace skelmora
