// Everything the program holds for the one open design: the core's design
// session (design, surface, cut buffers, calculation records, undo history)
// plus the run-time view switches and the interaction state.
#pragma once

#include "model/design_session.h"
#include "model/prompter.h"
#include "views/draw_design.h"
#include "views/view_options.h"

namespace skelmora::app {

struct AppState : DesignSession {
  ViewOptions viewOptions;
  InteractionState interaction;
  // The reference hull and keel / rudder parts; not part of the design file.
  AttachedDrawings attached;
  // How messages reach the user (message boxes in the program, a recording
  // fake in tests). Set by the main window; the marker reader of a repaint
  // reports through it.
  Prompter* prompter = nullptr;
};

}  // namespace skelmora::app
