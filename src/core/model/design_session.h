// The one design being edited and everything derived from it: the design
// record, its surface (working net, knots, grid, extents), the cut buffers,
// the latest calculation results and the undo history. The program holds
// one (its AppState is a session plus view state); the CLI, the tests and
// the benchmarks make their own.
#pragma once

#include <memory>

#include "hydro/calculation_records.h"
#include "model/hull_design.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

class DesignSession {
 public:
  DesignSession() = default;
  explicit DesignSession(UndoHistory history) : history(std::move(history)) {}
  DesignSession(const DesignSession&) = delete;
  DesignSession& operator=(const DesignSession&) = delete;

  HullDesign design;
  // The large records live on the heap (the grid alone is about 1.7 MB).
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
  std::unique_ptr<CutBuffers> cuts = std::make_unique<CutBuffers>();
  std::unique_ptr<CalculationRecords> hydro = std::make_unique<CalculationRecords>();
  UndoHistory history;
  // What the views do after a change; null without views.
  ViewHooks* hooks = nullptr;

  // After an edit of the net, the tensions or the chines: working counts,
  // knots, grid, fresh extents, then the views refit and repaint.
  void ShapeChanged() { skelmora::ShapeChanged(design, *surface, hooks); }
  // What readers and undo run: working counts, knots and grid, with the
  // extents recomputed from the new grid.
  void Rebuild();
  // The extents and fit boxes taken afresh from the current grid (the hull
  // guard, a view that stops being zoomed).
  void RefreshExtents() { RecomputeExtents(design, *surface); }
  // The extents are taken afresh when a view is next built (a view opened,
  // closed or turned).
  void InvalidateExtents() { skelmora::InvalidateExtents(design); }

  void TakeSnapshot() { history.Take(design); }
  bool Undo();
};

}  // namespace skelmora
