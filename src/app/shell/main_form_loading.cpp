// Calc › "Loading Conditions". The work is in src/app/loading.
#include "loading/loading_command.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::LoadingConditions1Click() {
  RunLoadingCommand(state_, this, *reportPrinter_, *fileChooser_);
}

}  // namespace skelmora::app
