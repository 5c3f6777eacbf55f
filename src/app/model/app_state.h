// Everything the program holds for the one open design: the design record,
// its derived surface and cut buffers, and the run-time view switches.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/hull_design.h"
#include "hydro/hydro_records.h"
#include "model/prompter.h"
#include "surface/sections.h"
#include "surface/surface.h"
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

struct AppState {
  HullDesign design;
  std::unique_ptr<Surface> surface = std::make_unique<Surface>();
  std::unique_ptr<CutBuffers> cuts = std::make_unique<CutBuffers>();
  ViewOptions viewOptions;
  InteractionState interaction;
  // The reference hull and keel / rudder parts; not part of the design file.
  AttachedDrawings attached;
  // Per-user directory of the undo history and work files; locked by this
  // running copy (see WorkDirectory).
  std::filesystem::path workDirectory;
  // How messages reach the user (message boxes in the program, a recording
  // fake in tests). Set by the main window; the marker reader of a repaint
  // reports through it.
  Prompter* prompter = nullptr;
  // The marks of the tool armed now; drawn only while one is armed.
  std::vector<ToolMark> toolMarks;
  // The latest calculation results, overwritten by every run.
  std::unique_ptr<HydroRecords> hydro = std::make_unique<HydroRecords>();
};

}  // namespace skelmora::app
