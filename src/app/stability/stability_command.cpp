#include "stability/stability_command.h"

#include "hydro/hydrostatics.h"
#include "model/app_state.h"
#include "stability/stability_dialog.h"

namespace skelmora::app {

bool RunStabilityCommand(AppState& state, QWidget* parent, ReportPrinter& printer, FileChooser& files) {
  if (!HullGuard(state.design, *state.surface, *state.prompter)) return false;
  Tdraw_stability_Dlg dialog(state, printer, files, parent);
  dialog.exec();
  return true;
}

}  // namespace skelmora::app
