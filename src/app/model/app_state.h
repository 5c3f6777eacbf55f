// Everything the program holds for the one open design: the core's design
// session (design, surface, cut buffers, calculation records, undo history)
// plus the run-time view switches and the interaction state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/design_session.h"
#include "model/prompter.h"
#include "views/draw_design.h"
#include "views/view_options.h"

namespace skelmora::app {

// A vertex picked by a waiting straighten, smooth or offset tool, marked in
// the view it was picked in.
struct ToolMark {
  ViewId view = kBodyView;
  int column = -1;
  int row = -1;
  std::string text;  // "X", "1" or "2"
};

struct AppState : DesignSession {
  ViewOptions viewOptions;
  InteractionState interaction;
  // The reference hull and keel / rudder parts; not part of the design file.
  AttachedDrawings attached;
  // How messages reach the user (message boxes in the program, a recording
  // fake in tests). Set by the main window; the marker reader of a repaint
  // reports through it.
  Prompter* prompter = nullptr;
  // The marks of the tool armed now; drawn only while one is armed.
  std::vector<ToolMark> toolMarks;
  // The hulls (HullKey) the centres and the heel steps in `hydro` were
  // computed on; ShownCalculations drops a set whose hull has changed.
  uint64_t centresHullKey = 0;
  uint64_t heelHullKey = 0;
};

}  // namespace skelmora::app
