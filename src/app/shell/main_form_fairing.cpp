// Edit › the four Fair commands and "Visual vertex spreadsheet". The work is
// in src/app/fairing; afterwards the views, Undo and labels follow the net.
#include "fairing/fairing_commands.h"
#include "shell/main_form.h"

namespace skelmora::app {

void TMainForm::Fairvertexcolumns1Click() {
  RunFairingCommand(state_, FairingKind::kColumns, this);
  NetEdited();
}

void TMainForm::FairSheerBowFairbodyStern1Click() {
  RunFairingCommand(state_, FairingKind::kSheer, this);
  NetEdited();
}

void TMainForm::FairVertexRows1Click() {
  RunFairingCommand(state_, FairingKind::kRows, this);
  NetEdited();
}

void TMainForm::FairChines1Click() {
  RunFairingCommand(state_, FairingKind::kChines, this);
  NetEdited();
}

void TMainForm::Vertexspreadsheet1Click() {
  RunSpreadsheetCommand(state_, [this] { return files_->SaveConfirmed(); }, this);
  NetEdited();
}

}  // namespace skelmora::app
