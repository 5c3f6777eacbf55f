// Calc › "Stability". The work is in src/app/stability.
#include "shell/main_form.h"
#include "stability/stability_command.h"

namespace skelmora::app {

void TMainForm::Stability1Click() {
  RunStabilityCommand(state_, this, *reportPrinter_, *fileChooser_);
  // Closing the dialog puts the hull back; the views follow whatever it did.
  RefitViews();
  RepaintAllViews();
}

}  // namespace skelmora::app
