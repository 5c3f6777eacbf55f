// The command handlers of the main window.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "files/design_dir_dialog.h"
#include "hydro/text_printing.h"
#include "editing/spline_tension_dialog.h"
#include "model/shown_calculations.h"
#include "model/undo.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/main_form.h"
#include "ui_main_form.h"
#include "views/animate_delay_dialog.h"
#include "views/display_mode_dialog.h"
#include "views/line_colors_dialog.h"
#include "views/paint_list.h"
#include "views/picking.h"
#include "views/row_column_move_dialog.h"
#include "views/single_line_dialog.h"
#include "views/view_window.h"

namespace skelmora::app {

// --- File -------------------------------------------------------------------

void TMainForm::FileNew() { files_->New(); }

void TMainForm::FileOpen() { files_->Open(); }

void TMainForm::FileSave() {
  if (files_->Save()) {
    Status(QStringLiteral("Saved %1").arg(QString::fromStdString(state_.design.DesignFileName)));
  }
}

void TMainForm::FileSaveAs() {
  if (files_->SaveAs()) {
    Status(QStringLiteral("Saved %1").arg(QString::fromStdString(state_.design.DesignFileName)));
  }
}

void TMainForm::ReadMeasureMarkerFile1Click() { files_->ReadMarkerFile(); }

void TMainForm::ImportIGESNURBFile1Click() { files_->ImportIges(); }

void TMainForm::ImportGHSFile1Click() { files_->ImportGhs(); }

void TMainForm::CloseRefhullClick() { files_->CloseReferenceHull(); }

void TMainForm::CloseMarkerFile1Click() { files_->CloseMarkerFile(); }

void TMainForm::CloseKeelRudderFiles1Click() { files_->CloseKeelRudder(); }

bool TMainForm::PrintActiveView(QPrinter& printer) {
  if (!state_.design.DesignOpen) return false;
  ViewWindow* view = activeView();
  if (!view) view = views_->body();
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  // A title line names the design and the view; the drawing fills the rest.
  QFont font = painter.font();
  font.setPointSize(10);
  painter.setFont(font);
  const int titleHeight = painter.fontMetrics().height() * 2;
  painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
                   Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1 - %2").arg(ViewWindow::captionFor(view->viewId()),
                                                QString::fromStdString(
                                                    state_.design.DesignFileName)));
  view->renderForPrint(painter, page.adjusted(0, titleHeight, 0, 0));
  return painter.end();
}

bool TMainForm::RunPrintDialog(QPrinter& printer) {
  if (services_.printDialog) return services_.printDialog(printer, this);
  QPrintDialog dialog(&printer, this);
  return dialog.exec() == QDialog::Accepted;
}

void TMainForm::FilePrint() {
  if (!state_.design.DesignOpen) {
    Status(QStringLiteral("No design is open; there is nothing to print."));
    return;
  }
  ViewWindow* shown = activeView();
  ChoosePdfWhenNoPrinter(*printer_, PrintFileFor(ReportName(ViewWindow::captionFor(
                                        shown ? shown->viewId() : kBodyView))));
  if (!RunPrintDialog(*printer_)) return;
  // The job runs on a copy: a printer that cannot start stays behind with
  // the job, and the next print starts afresh.
  QPrinter job(QPrinter::HighResolution);
  CopyPrinterSettings(*printer_, job);
  if (PrintActiveView(job)) {
    Status(QStringLiteral("Printed."));
    return;
  }
  Status(QString::fromUtf8(kPrinterNotStartedMessage));
  prompter_->ShowError(kPrinterNotStartedMessage);
}

void TMainForm::FilePrintSetup() {
  QPrinter& printer = *printer_;
  if (services_.printSetupDialog) {
    services_.printSetupDialog(printer, this);
    return;
  }
  QPageSetupDialog dialog(&printer, this);
  dialog.exec();
}

void TMainForm::FileExit() { close(); }

// --- Edit -------------------------------------------------------------------

void TMainForm::EditUndo() {
  HullDesign& design = state_.design;
  if (design.UndoCount <= 0) return;
  if (!state_.Undo()) {
    Status(QStringLiteral("The undo history could not be read; there is nothing more to undo."));
  }
  UpdateUndoState();
  UpdateTensionLabels();
  SyncSwitches();
  RefitViews();
  RepaintAllViews();
}

// --- View -------------------------------------------------------------------

void TMainForm::ShowView(ViewId view) {
  ViewWindow* window = views_->window(view);
  window->openView();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
    ui_->ClientArea->setActiveSubWindow(sub);
  }
  window->update();
}

void TMainForm::Body1Click() { ShowView(kBodyView); }
void TMainForm::Profile1Click() { ShowView(kProfileView); }
void TMainForm::Plan1Click() { ShowView(kPlanView); }
void TMainForm::Perspective1Click() { ShowView(kPerspectiveView); }

void TMainForm::Animate1Click() {
  views_->perspective()->prepareAnimation();
  ShowView(kPerspectiveView);
  animateDelay_->show();
  animateDelay_->raise();
}

void TMainForm::Zoomwindow1Click() {
  state_.interaction.armed = ArmedMode::kZoomWindow;
  UpdateViewCursors();
  Prompt(QStringLiteral("Drag a rectangle in a view to zoom into it."));
}

void TMainForm::Fithulltowindows1Click() { views_->fitAll(); }

void TMainForm::zoomoutClick() {
  if (ViewWindow* view = activeView(); view && view->isZoomed()) view->zoomOff();
}

void TMainForm::Changehulldrawingmode1Click() {
  displayMode_->exec();
  // Showing the dialog may already have changed the switches.
  SyncSwitches();
  RepaintOpenViews();
}

void TMainForm::drawkeelClick() {
  HullDesign& design = state_.design;
  design.KeelRudderShown = ui_->drawkeel->isChecked() && design.KeelRudderCount > 0;
  state_.Regenerate(design.DesignOpen ? Change::kExtents : Change::kViews);
  RepaintOpenViews();
}

void TMainForm::DrawRefHullClick() {
  HullDesign& design = state_.design;
  design.RefHullShown = ui_->DrawRefHull->isChecked() && design.RefHullLoaded;
  SyncSwitches();
  RepaintOpenViews();
}

void TMainForm::DrawMarkersClick() {
  files_->SetMarkersDrawn(ui_->DrawMarkers->isChecked());
  SyncSwitches();
}

// --- Spline -----------------------------------------------------------------

void TMainForm::Changestationsplinetension1Click() {
  splineTension_->prepare();
  if (splineTension_->exec() != QDialog::Accepted) return;
  UpdateTensionLabels();
  UpdateUndoState();
  RepaintOpenViews();
}

void TMainForm::RowColumnMove(bool translate) {
  InteractionState& interaction = state_.interaction;
  Tchooserowcoldlg dialog(interaction.moveSettings, this);
  if (dialog.exec() != QDialog::Accepted) return;
  interaction.moveSettings.translate = translate;
  interaction.armed = ArmedMode::kRowColumnMove;
  UpdateViewCursors();
  Prompt(QStringLiteral("Drag a vertex of the %1 to move it.")
             .arg(interaction.moveSettings.moveRow ? QStringLiteral("row")
                                                   : QStringLiteral("column")));
}

void TMainForm::Proportionalmove1Click() { RowColumnMove(false); }
void TMainForm::Translatemove1Click() { RowColumnMove(true); }

// --- Tools ------------------------------------------------------------------

void TMainForm::HighlightColumn1Click() {
  ArmHighlight(state_.design, state_.interaction, false);
  UpdateViewCursors();
  SyncSwitches();
  Prompt(QStringLiteral("Click a vertex of the column to highlight."));
}

void TMainForm::Highlightrowcolumn1Click() {
  ArmHighlight(state_.design, state_.interaction, true);
  UpdateViewCursors();
  SyncSwitches();
  Prompt(QStringLiteral("Click a vertex of the row to highlight."));
}

void TMainForm::RemoveHighlight1Click() {
  const HullDesign& design = state_.design;
  if (!design.HighlightPending && !design.HighlightRows && !design.HighlightColumns) return;
  RemoveHighlight(state_.design, state_.interaction);
  SyncSwitches();
  UpdateViewCursors();
  RefitViews();
  RepaintOpenViews();
}

void TMainForm::Changelinecolors1Click() {
  Tlines_color_frm dialog(state_, this);
  const bool drawn = dialog.exec() == QDialog::Accepted;
  // The dialog took an undo step, and gave it back when cancelled.
  UpdateUndoState();
  if (drawn) RepaintAllViews();
}

// --- Options ----------------------------------------------------------------

void TMainForm::netwaterlines1Click() {
  state_.viewOptions.netRowLines = ui_->netwaterlines1->isChecked();
  RepaintOpenViews();
}

void TMainForm::drawnetcolumns1Click() {
  state_.viewOptions.netColumnLines = ui_->drawnetcolumns1->isChecked();
  RepaintOpenViews();
}

void TMainForm::UpdateHullClick() {
  ui_->UpdateVertex->setChecked(!ui_->UpdateHull->isChecked());
  state_.interaction.realTimeHull = ui_->UpdateHull->isChecked();
}

void TMainForm::UpdateVertexClick() {
  ui_->UpdateHull->setChecked(!ui_->UpdateVertex->isChecked());
  state_.interaction.realTimeHull = ui_->UpdateHull->isChecked();
}

void TMainForm::DrawSingleNetLine1Click() {
  singleLine_->show();
  singleLine_->raise();
}

void TMainForm::LabelVertexRowsandColumns1Click() {
  state_.viewOptions.vertexLabels = ui_->LabelVertexRowsandColumns1->isChecked();
  RepaintOpenViews();
}

void TMainForm::ShowCentres1Click() {
  state_.viewOptions.showCentres = ui_->ShowCentres1->isChecked();
  // Switched on with nothing to draw: say where the centres come from.
  if (state_.viewOptions.showCentres && !ShownCalculations(state_)->centres) {
    Status(QString::fromLatin1(kNoCentresStatus));
  }
  RepaintOpenViews();
}

void TMainForm::SetDesignDirectory1Click() {
  if (setting_.Read() == QLatin1String("false")) {
    setting_.Write(QString::fromStdString(state_.design.ProgramDirectory));
  }
  designDirectory_->start();
  designDirectory_->exec();
  // Every selection was taken at once, so a Cancel keeps the last one too.
  setting_.Write(QString::fromStdString(state_.design.DesignDirectory));
}

void TMainForm::net_onoffClick() {
  HullDesign& design = state_.design;
  design.ShowVertexNet = !design.ShowVertexNet;
  SyncSwitches();
  UpdateViewCursors();
  RepaintAllViews();
}

// --- Window -----------------------------------------------------------------

void TMainForm::WindowTile() { ui_->ClientArea->tileSubWindows(); }

void TMainForm::WindowCascade() {
  // QMdiArea's own cascade shrinks the windows to their minimum size. Here
  // each steps one title bar down and right of the last and keeps what room
  // the steps leave, never less than half the area.
  QMdiArea* area = ui_->ClientArea;
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::StackingOrder)) {
    if (sub->isVisible() && !sub->isMinimized()) windows << sub;
  }
  if (windows.isEmpty()) return;
  const QSize room = area->viewport()->size();
  const int step =
      std::max(20, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows[0]));
  const int steps = static_cast<int>(windows.size()) - 1;
  const QSize size(std::max(room.width() / 2, room.width() - steps * step),
                   std::max(room.height() / 2, room.height() - steps * step));
  // The steps shrink to fit when half the area leaves too little room.
  const int dx = steps > 0 ? std::min(step, (room.width() - size.width()) / steps) : 0;
  const int dy = steps > 0 ? std::min(step, (room.height() - size.height()) / steps) : 0;
  for (int i = 0; i < windows.size(); ++i) {
    QMdiSubWindow* sub = windows[i];
    if (sub->isMaximized()) sub->showNormal();
    sub->setGeometry(QRect(QPoint(i * dx, i * dy), size));
    sub->raise();
  }
  area->setActiveSubWindow(windows.last());
}

void TMainForm::WindowArrange() {
  // Line the minimised windows up along the bottom of the area.
  QMdiArea* area = ui_->ClientArea;
  int x = 0;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isVisible() || !sub->isMinimized()) continue;
    const QSize size = sub->size();
    sub->move(x, area->viewport()->height() - size.height());
    x += size.width();
  }
}

// --- Help -------------------------------------------------------------------

HelpWindow* TMainForm::helpWindow() {
  if (!help_) help_ = new HelpWindow(this);
  return help_;
}

void TMainForm::HelpContents() { helpWindow()->showContents(); }

void TMainForm::HelpSearch() { helpWindow()->showSearch(); }

void TMainForm::HelpHowToUse() { helpWindow()->showHowToUse(); }

void TMainForm::HelpAbout() {
  TAboutBox box(this);
  box.exec();
}

}  // namespace skelmora::app
