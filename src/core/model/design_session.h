// The one design being edited and everything derived from it: the design
// record, its surface (working net, knots, grid, extents), the cut buffers,
// the latest calculation results and the undo history. The program holds
// one (its AppState is a session plus view state); the CLI, the tests and
// the benchmarks make their own.
#pragma once

#include <memory>

#include "hydro/calculation_records.h"
#include "model/hull_design.h"
#include "model/undo_history.h"
#include "surface/sections.h"
#include "surface/surface.h"

namespace skelmora {

// What an edit changed, from the least to the most. Regenerate runs the
// steps a level needs (each level's own and those of the levels below it)
// and then the view hooks.
enum class Change {
  // One view's framing (turned, opened, closed, refitted): the extents are
  // taken afresh when the views are next built. The window repaints itself;
  // the hooks are not run.
  kOneView,
  // Nothing of the hull (a highlight, a calculation shown or taken back):
  // the extents are taken afresh at the next build; every view refits and
  // repaints.
  kViews,
  // What the extents read changed, or they are needed now (parts shown, the
  // hull guard, printing, export): extents and fit boxes afresh from the
  // current grid; views.
  kExtents,
  // Vertices moved: the grid evaluated again, extents afresh; views.
  kVertices,
  // Counts, tensions or chines changed, or a whole design came in: working
  // net, knot vectors, grid, extents afresh; views.
  kTopology,
};

// What the views do after a change; the program connects its view set.
class ViewHooks {
 public:
  virtual ~ViewHooks() = default;
  virtual void RefitViews() {}
  virtual void RepaintViews() {}
};

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

  // The one recompute path: the steps `what` needs, then the hooks.
  void Regenerate(Change what);

  void TakeSnapshot() { history.Take(design); }
  // The snapshot's design, regenerated (a refused snapshot changes nothing).
  bool Undo();
};

}  // namespace skelmora
