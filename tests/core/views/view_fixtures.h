// Hulls, mappings and list queries shared by the view tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/surface/test_nets.h"
#include "views/display_list.h"
#include "views/draw_design.h"
#include "views/view_mapping.h"

namespace skelmora::viewtest {

using nets::Hull;

// The boat of the surface tests (100 long, half-beam 10, z -5..5), open in
// every view with nothing shown yet.
inline Hull Boat() {
  Hull hull = nets::MakeHull(8, 4, 3, 3, nets::BoatVertex);
  HullDesign& d = hull.d();
  d.BodyViewOpen = d.PlanViewOpen = d.ProfileViewOpen = d.PerspectiveViewOpen = true;
  return hull;
}

// A plain mapping: logical = 10 * model, the drawing area 1000 wide
// (vertex squares of half-size 7).
inline ViewMapping TenTimes() {
  ViewMapping m;
  m.scale = 10.0;
  m.originX = 500.0;
  m.originY = 500.0;
  m.clientWidth = 1000;
  m.clientHeight = 1000;
  return m;
}

inline std::vector<const Polyline*> Runs(const DisplayList& list, Element element,
                                         int index = -1) {
  std::vector<const Polyline*> runs;
  for (const Polyline& line : list.polylines()) {
    if (line.element == element && (index < 0 || line.index == index)) runs.push_back(&line);
  }
  return runs;
}

inline int CountSquares(const DisplayList& list, Element element) {
  int n = 0;
  for (const Square& s : list.squares()) n += s.element == element;
  return n;
}

// Builds one view of the design with default switches into list.
struct Builder {
  ViewOptions options;
  AttachedDrawings attached;
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  DisplayList list;

  void Draw(Hull& hull, ViewId view, const ViewMapping& mapping, Prompter* prompter = nullptr) {
    list.Clear();
    DrawInputs inputs;
    inputs.options = &options;
    inputs.attached = &attached;
    inputs.prompter = prompter;
    PrepareDrawing(hull.d(), hull.s(), inputs, *scratch);
    DrawDesign(hull.d(), hull.s(), view, mapping, inputs, *scratch, list);
  }
};

}  // namespace skelmora::viewtest
