#include "views/row_column_move_dialog.h"

#include <QRadioButton>

#include "ui_row_column_move_dialog.h"

namespace skelmora::app {

Tchooserowcoldlg::Tchooserowcoldlg(RowColumnMoveSettings& settings, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::Tchooserowcoldlg>()), settings_(settings) {
  ui_->setupUi(this);
  // Each click sets its mode at once; OK only lets the caller arm the move.
  connect(ui_->MoveRowRadio, &QRadioButton::toggled, this, [this](bool on) {
    if (on) settings_.moveRow = true;
  });
  connect(ui_->MoveColumnRadio, &QRadioButton::toggled, this, [this](bool on) {
    if (on) settings_.moveRow = false;
  });
  const auto axes = [this](bool horizontal, bool vertical) {
    return [this, horizontal, vertical](bool on) {
      if (!on) return;
      settings_.horizontal = horizontal;
      settings_.vertical = vertical;
    };
  };
  connect(ui_->XOnlyRadio, &QRadioButton::toggled, this, axes(true, false));
  connect(ui_->YOnlyRadio, &QRadioButton::toggled, this, axes(false, true));
  connect(ui_->XAndYRadio, &QRadioButton::toggled, this, axes(true, true));
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

}  // namespace skelmora::app
