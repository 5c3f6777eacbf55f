// The Calc menu's handlers: the hydrostatics report, the drag window, the
// curves and the displacement dialog. The work is in src/app/hydro.
#include <QStatusBar>

#include "hydro/hydro_commands.h"
#include "hydro/text_printing.h"
#include "shell/main_form.h"

namespace skelmora::app {

namespace {

// Each stage shows at once, before the computation goes on.
StatusSink StageStatus(QStatusBar* bar) {
  return [bar](const QString& text) {
    bar->showMessage(text);
    bar->repaint();
  };
}

}  // namespace

// A run gives "Show Centres" new centres to draw.
void TMainForm::Hydrostatics1Click() {
  RunHydrostaticsCommand(state_, this, *reportPrinter_, true, StageStatus(statusBar()));
  RepaintOpenViews();
}

void TMainForm::calcbuttonClick() {
  RunHydrostaticsCommand(state_, this, *reportPrinter_, false, StageStatus(statusBar()));
  RepaintOpenViews();
}

void TMainForm::Wavefrictiondrag1Click() { RunDragCommand(state_, this, StageStatus(statusBar())); }

void TMainForm::Cureofareas1Click() {
  RunCurveCommand(state_, this, *reportPrinter_, CurveKind::kAreas, StageStatus(statusBar()));
}

void TMainForm::Curveofwettedlengths1Click() {
  RunCurveCommand(state_, this, *reportPrinter_, CurveKind::kLengths, StageStatus(statusBar()));
}

void TMainForm::Findwaterline1Click() {
  if (state_.design.DesignOpen) RunDraftCommand(state_, this, StageStatus(statusBar()));
  // The hull may have moved: new extents, views refitted and redrawn.
  UpdateUndoState();
  RefitViews();
  RepaintAllViews();
}

}  // namespace skelmora::app
