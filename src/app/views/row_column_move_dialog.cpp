#include "views/row_column_move_dialog.h"

#include "ui_row_column_move_dialog.h"

namespace skelmora::app {

Tchooserowcoldlg::Tchooserowcoldlg(RowColumnMoveSettings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::Tchooserowcoldlg>()), settings_(settings) {
  ui_->setupUi(this);
}

Tchooserowcoldlg::~Tchooserowcoldlg() = default;

void Tchooserowcoldlg::showEvent(QShowEvent* event) {
  (settings_.moveRow ? ui_->MoveRowRadio : ui_->MoveColumnRadio)->setChecked(true);
  if (settings_.horizontal && settings_.vertical) {
    ui_->XAndYRadio->setChecked(true);
  } else if (settings_.vertical) {
    ui_->YOnlyRadio->setChecked(true);
  } else {
    ui_->XOnlyRadio->setChecked(true);
  }
  QDialog::showEvent(event);
}

void Tchooserowcoldlg::accept() {
  settings_.moveRow = ui_->MoveRowRadio->isChecked();
  settings_.horizontal = !ui_->YOnlyRadio->isChecked();
  settings_.vertical = !ui_->XOnlyRadio->isChecked();
  QDialog::accept();
}

}  // namespace skelmora::app
