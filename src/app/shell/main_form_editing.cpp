// The net-editing commands of the Edit, Spline and Tools menus. The work
// itself is EditCommands'; these arm it, and every change ends in NetEdited.
#include <QStatusBar>

#include "editing/edit_commands.h"
#include "shell/main_form.h"
#include "ui_main_form.h"
#include "views/view_window.h"

namespace skelmora::app {

void TMainForm::SetUpEditing() {
  edit_ = new EditCommands(state_, *prompter_, this);
  connect(edit_, &EditCommands::edited, this, &TMainForm::NetEdited);
  connect(edit_, &EditCommands::modeChanged, this, [this] {
    UpdateViewCursors();
    ClearEndedPrompt();
  });
  connect(edit_, &EditCommands::marksChanged, this, &TMainForm::RepaintOpenViews);
  connect(edit_, &EditCommands::heelChanged, this, &TMainForm::RepaintOpenViews);
  connect(edit_, &EditCommands::status, this, &TMainForm::Prompt);
}

void TMainForm::NetEdited() {
  state_.Regenerate(Change::kViews);
  UpdateUndoState();
  UpdateTensionLabels();
  SyncSwitches();
  UpdateViewCursors();
}

void TMainForm::AddColWMouseClick() { edit_->ArmWithMouse(ArmedMode::kAddColumn); }
void TMainForm::AddRowWMouseClick() { edit_->ArmWithMouse(ArmedMode::kAddRow); }
void TMainForm::DelColWMouseClick() { edit_->ArmWithMouse(ArmedMode::kDeleteColumn); }
void TMainForm::DelRowWMouseClick() { edit_->ArmWithMouse(ArmedMode::kDeleteRow); }

void TMainForm::AddColByIndexClick() {
  edit_->ShowByIndex(TRowColDlg::Operation::kInsertColumnAfter);
}
void TMainForm::AddRoWByIndexClick() { edit_->ShowByIndex(TRowColDlg::Operation::kInsertRowAbove); }
void TMainForm::delcolBYRCClick() { edit_->ShowByIndex(TRowColDlg::Operation::kDeleteColumn); }
void TMainForm::delRowBYRCClick() { edit_->ShowByIndex(TRowColDlg::Operation::kDeleteRow); }

void TMainForm::Vertica1Click() { edit_->ArmWithMouse(ArmedMode::kChineColumn); }
void TMainForm::Horizontal1Click() { edit_->ArmWithMouse(ArmedMode::kChineRow); }
void TMainForm::delverticalClick() { edit_->ArmWithMouse(ArmedMode::kRemoveColumnChine); }
void TMainForm::delhorizontalClick() { edit_->ArmWithMouse(ArmedMode::kRemoveRowChine); }

void TMainForm::Stretchshrinkhull1Click() { edit_->StretchCommand(); }
void TMainForm::Shifthull1Click() { edit_->ShiftCommand(); }
void TMainForm::TrimHeelhull1Click() { edit_->TrimHeelCommand(); }

namespace {
// The view the picks will come from; a tool refuses the perspective view.
ViewId ActiveViewId(const ViewWindow* view) { return view ? view->viewId() : kBodyView; }
}  // namespace

void TMainForm::Straightenrowcoloumn1Click() {
  edit_->ArmTool(ArmedMode::kStraighten, ActiveViewId(activeView()));
}
void TMainForm::Smoothrowcolumn1Click() {
  edit_->ArmTool(ArmedMode::kSmooth, ActiveViewId(activeView()));
}
void TMainForm::Offsetvertices1Click() {
  edit_->ArmTool(ArmedMode::kOffset, ActiveViewId(activeView()));
}

void TMainForm::Changeaccuracyofoffsets1Click() { edit_->AccuracyCommand(); }
void TMainForm::CurveSettingsClick() { edit_->CurveSettingsCommand(); }
void TMainForm::SpecialStationsWlsButts1Click() { edit_->SpecialSectionsCommand(); }

void TMainForm::Changeunitsinmm1Click() { edit_->ChangeUnitsCommand(); }
void TMainForm::ExchangeBeamandLength1Click() { edit_->ExchangeCommand(AxisPair::kBeamLength); }
void TMainForm::ExchangeBeamandHeightCoordinates1Click() {
  edit_->ExchangeCommand(AxisPair::kBeamHeight);
}
void TMainForm::ExchangeLengthandHeightCoordinates1Click() {
  edit_->ExchangeCommand(AxisPair::kLengthHeight);
}

}  // namespace skelmora::app
