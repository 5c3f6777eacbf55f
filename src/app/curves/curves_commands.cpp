#include "curves/curves_commands.h"

#include "curves/cross_curves_window.h"
#include "curves/hydro_curves_window.h"
#include "hydro/draft_search.h"
#include "model/app_state.h"

namespace skelmora::app {

bool RunHydroCurvesCommand(AppState& state, QWidget* parent, ReportPrinter& printer) {
  if (!HullGuard(state.design, *state.surface, *state.prompter)) return false;
  THydroCurvesWindow window(state, printer, parent);
  // A refusal of the first range is shown; the window opens to change it.
  window.Compute();
  window.exec();
  return true;
}

bool RunCrossCurvesCommand(AppState& state, QWidget* parent, ReportPrinter& printer) {
  if (!HullGuard(state.design, *state.surface, *state.prompter)) return false;
  // The seed displacements from the station volume, which leaves the
  // design's slots alone.
  const double design = DisplacementWeight(
      StationVolume(state.design, *state.surface, *state.cuts), state.design.Units);
  TCrossCurvesWindow window(state, printer, design, parent);
  window.Compute();
  window.exec();
  return true;
}

}  // namespace skelmora::app
