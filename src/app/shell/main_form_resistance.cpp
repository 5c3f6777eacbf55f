// Calc › "Resistance and Power". The work is in src/app/resistance.
#include "resistance/resistance_window.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::ResistancePower1Click() {
  RunResistanceWindow(state_, this, *reportPrinter_, *fileChooser_);
}

}  // namespace skelmora::app
