// The command handlers of the main window.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "files/design_dir_dialog.h"
#include "model/spline_tension_dialog.h"
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

void TMainForm::FilePrint() {
  if (!state_.design.DesignOpen) {
    Status(QStringLiteral("No design is open; there is nothing to print."));
    return;
  }
  QPrinter& printer = *printer_;
  bool go = false;
  if (services_.printDialog) {
    go = services_.printDialog(printer, this);
  } else {
    QPrintDialog dialog(&printer, this);
    go = dialog.exec() == QDialog::Accepted;
  }
  if (!go) return;
  Status(PrintActiveView(printer) ? QStringLiteral("Printed.")
                                  : QStringLiteral("The printer could not be started."));
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
  Status(QStringLiteral("Drag a rectangle in a view to zoom into it."));
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
  if (design.DesignOpen) {
    state_.RefreshExtents();
  } else {
    state_.InvalidateExtents();
  }
  RefitViews();
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
  Status(QStringLiteral("Drag a vertex of the %1 to move it.")
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
  Status(QStringLiteral("Click a vertex of the column to highlight."));
}

void TMainForm::Highlightrowcolumn1Click() {
  ArmHighlight(state_.design, state_.interaction, true);
  UpdateViewCursors();
  SyncSwitches();
  Status(QStringLiteral("Click a vertex of the row to highlight."));
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

void TMainForm::WindowCascade() { ui_->ClientArea->cascadeSubWindows(); }

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
