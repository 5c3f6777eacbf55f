// Building what a view shows: the axes, then every enabled element of the
// design in drawing order, into a DisplayList. The program paints the list;
// printing and the tests read the same list.
#pragma once

#include <vector>

#include "files/markers.h"
#include "hydro/calculation_records.h"
#include "model/hull_design.h"
#include "model/prompter.h"
#include "surface/sections.h"
#include "surface/surface.h"
#include "views/display_list.h"
#include "views/view_mapping.h"
#include "views/view_options.h"

namespace skelmora {

// A point of an attached drawing; draw = false starts a new line there.
struct PenPoint {
  bool draw = false;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// Drawings that are not part of the design file: the reference hull from a
// geometry import and the keel / rudder parts. Held by the program.
struct AttachedDrawings {
  std::vector<PenPoint> referenceHull;
  std::vector<std::vector<PenPoint>> keelRudderParts;
};

struct DrawInputs {
  const ViewOptions* options = nullptr;       // the defaults when null
  const AttachedDrawings* attached = nullptr;  // none loaded when null
  // Shows the marker file's refusal ("More than 50 or less than 0 ...");
  // when null a refused file still switches the markers off, unannounced.
  Prompter* prompter = nullptr;
  // The latest calculations, for "Show Centres" and the heeled body view;
  // neither is drawn when null.
  const CalculationRecords* calculations = nullptr;
};

// Buffers a drawing reuses from one build to the next; keep one per program
// (about 60 kB, so on the heap). PrepareDrawing fills the placements and the
// markers; DrawDesign reads them and cuts into the buffers.
struct DrawScratch {
  CutBuffers cuts;
  std::vector<MarkerPoint> markers;
  SectionPlacement stations;
  SectionPlacement waterlines;
  SectionPlacement buttocks;
};

// The first half of PrepareDrawing: the placements of the shown stations,
// waterlines and buttocks into scratch, the derived halves of their count /
// spacing pairs written back to the design. What the file holds once the
// design has been drawn; the unsaved-changes check compares designs after it.
void PlaceShownSections(HullDesign& design, const Surface& surface, DrawScratch& scratch);

// What a drawing derives, taken before it is drawn: the placements of the
// shown stations, waterlines and buttocks (their derived counts and
// spacings are written back to the design, where the file and the settings
// dialogs read them) and the marker file, read afresh so edits made outside
// show at once (a refused file switches the markers off). Only what the
// current mode draws is derived. The grid and extents must be current.
void PrepareDrawing(HullDesign& design, const Surface& surface, const DrawInputs& inputs,
                    DrawScratch& scratch);

constexpr Rgb kAxisColor = 0x008000;       // (0, 128, 0), not configurable
constexpr Rgb kSelectionColor = 0x000080;  // (128, 0, 0)
inline constexpr const char* kNoReferenceHullMessage = "No Reference Hull In Memory";
inline constexpr const char* kNoKeelRudderMessage = "No Keel or Rudder is in Memory";

// The lines through logical (0, 0) from -2 to +2 times the client size in
// each direction (body, plan and profile; the perspective view has none).
void DrawAxes(ViewId view, const ViewMapping& mapping, DisplayList& out);

// Every enabled element in order: vertex net (column lines, row lines,
// squares with optional labels, highlight), then either the sections mode
// (stations, single stations, waterlines, single waterlines, buttocks,
// single buttocks, reference hull, keel / rudder, edge lines if any section
// kind is on, markers, chine lines if any section kind is on) or the
// B-spline mode (surface lines, chine lines, reference hull, keel / rudder,
// markers), then with "Show Centres" the flotation waterline and the
// centres. A heel chosen in the options replaces the body view's drawing
// with the heeled picture (DrawHeeledPicture). Appends to out. Reads only: the placements and markers come
// from PrepareDrawing.
void DrawDesign(const HullDesign& design, const Surface& surface, ViewId view, const ViewMapping& mapping,
                const DrawInputs& inputs, DrawScratch& scratch, DisplayList& out);

// A whole paint in one call: clears out, sets up the mapping (SetUpView),
// prepares the drawing, draws the axes and the design. Returns the mapping to paint with. Does
// nothing but the set-up when no design is open (the window shows only its
// paper colour). The selection mark is separate (AddSelectionMark), as the
// interaction code redraws it after the repaints it causes.
const ViewMapping& BuildView(HullDesign& design, Surface& surface, ViewState& state,
                             const DrawInputs& inputs, DrawScratch& scratch, DisplayList& out);

// The filled square around the selected vertex (PickedColumn, PickedRow);
// nothing when none is selected or in the perspective view.
void AddSelectionMark(const HullDesign& design, const Surface& surface, ViewId view,
                      const ViewMapping& mapping, DisplayList& out);

// The text a waiting row / column tool marks a picked vertex with ("X" for
// straighten and smooth, "1" and "2" for offset), at the vertex (body view:
// on its drawn side).
void AddToolMark(const HullDesign& design, const Surface& surface, ViewId view,
                 const ViewMapping& mapping, int column, int row, std::string_view text,
                 DisplayList& out);

// With "Update &Vertex Net in Real Time": the up to four net segments from
// the vertex's neighbours in its column and row to the vertex as it is now,
// in the net colour, for drawing in XOR mode (once before a move to erase,
// once after to draw).
void AddNetDragSegments(const HullDesign& design, const Surface& surface, ViewId view,
                        const ViewMapping& mapping, int column, int row, DisplayList& out);

// The row or column being moved (moveRow: row `line`, else column `line`)
// as one polyline in the net colour, for drawing in XOR mode.
void AddMovedLine(const HullDesign& design, const Surface& surface, ViewId view,
                  const ViewMapping& mapping, bool moveRow, int line, DisplayList& out);

}  // namespace skelmora
