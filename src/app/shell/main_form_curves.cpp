// Calc › "Hydrostatic Curves" and "Cross Curves (KN)". The work is in
// src/app/curves.
#include "curves/curves_commands.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::HydrostaticCurves1Click() { RunHydroCurvesCommand(state_, this, *reportPrinter_); }

void TMainForm::CrossCurves1Click() { RunCrossCurvesCommand(state_, this, *reportPrinter_); }

}  // namespace skelmora::app
