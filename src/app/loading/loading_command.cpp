#include "loading/loading_command.h"

#include "hydro/hydrostatics.h"
#include "loading/loading_window.h"
#include "model/app_state.h"

namespace skelmora::app {

bool RunLoadingCommand(AppState& state, QWidget* parent, ReportPrinter& printer,
                       FileChooser& files) {
  if (!HullGuard(state.design, *state.surface, *state.prompter)) return false;
  TLoadingWindow window(state, printer, files, parent);
  window.exec();
  return true;
}

}  // namespace skelmora::app
