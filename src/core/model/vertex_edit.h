// "Edit Vertex Data" (the right click on a vertex): one vertex's x, y, z and
// weight typed in, stepping through the net with a column and a row up-down.
// The dialog holds a VertexEditSession from show to close and passes its four
// fields, parsed, to these functions.
#pragma once


#include "model/hull_design.h"
#include "model/undo_history.h"
#include "model/prompter.h"
#include "surface/surface.h"

namespace skelmora {

inline constexpr const char* kWeightAtLeastOne = "Weight Must be 1 or more";
inline constexpr const char* kWeightPositive = "Weight Must be >0";

// The four fields: "Half Beam", "Aft '0' (Bow)", "Height +/- LWL", "Vertex
// Weight". The dialog shows them fixed-point with 4 decimals; a field whose
// value is the vertex's value as shown counts as untouched and keeps the
// vertex's own value, so stepping through the net does not round it.
struct VertexEditFields {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double w = 1.0;
};

struct VertexEditSession {
  int column = 0;
  int row = 0;
  bool snapshotTaken = false;  // one undo step covers the whole session
  bool changed = false;        // some vertex changed: recompute and repaint at close
};

// On show: the selected vertex (PickedColumn / PickedRow, limited to the net).
VertexEditSession BeginVertexEdit(const HullDesign& design);

// The values of the session's vertex, for the "as it was" labels and the fields.
VertexEditFields VertexEditValues(const HullDesign& design, const VertexEditSession& session);

// An up-down about to move to (column, row). Refused (false, nothing stored)
// outside 0..LastColumn / 0..LastRow. Otherwise the fields are stored into the
// current vertex (a weight below 1 shows "Weight Must be 1 or more" and is
// stored as 1), the session and the selected vertex move, and `fields` is
// refilled from the new vertex. The first change of a session takes its undo
// step.
bool StepVertexEdit(HullDesign& design, const UndoHistory& history,
                    Prompter& prompter, VertexEditSession& session, VertexEditFields& fields,
                    int column, int row);

// On close: a weight not above 0 shows "Weight Must be >0", stores nothing and
// returns false (the dialog stays open). Otherwise the fields are stored and,
// if anything changed in the session, the grid is evaluated; the caller then
// repaints all views and the selection mark.
bool FinishVertexEdit(HullDesign& design, Surface& surface,
                      const UndoHistory& history, Prompter& prompter,
                      VertexEditSession& session, const VertexEditFields& fields);

}  // namespace skelmora
