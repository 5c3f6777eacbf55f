#include "files/new_type_dialog.h"

#include "ui_new_type_dialog.h"

namespace skelmora::app {

TNewTypeDlg::TNewTypeDlg(QWidget* parent) : QDialog(parent), ui_(new Ui::TNewTypeDlg) {
  ui_->setupUi(this);
  preselect();
}

TNewTypeDlg::~TNewTypeDlg() = default;

QRadioButton* TNewTypeDlg::button(NewDesignKind kind) const {
  switch (kind) {
    case NewDesignKind::kParametricHull: return ui_->ParametricHull;
    case NewDesignKind::kParametricShape: return ui_->ParametricShape;
    case NewDesignKind::kOffsetTable: return ui_->OffsetTable;
    case NewDesignKind::kDeck: return ui_->DeckForHull;
    case NewDesignKind::kVerticesToMarkers: return ui_->VerticesToMarkers;
  }
  return ui_->ParametricHull;
}

void TNewTypeDlg::setUnavailable(NewDesignKind kind, const QString& why) {
  QRadioButton* radio = button(kind);
  radio->setEnabled(false);
  radio->setToolTip(why);
  radio->setStatusTip(why);
  if (radio->isChecked()) preselect();
}

void TNewTypeDlg::preselect() {
  for (int k = 1; k <= 5; ++k) {
    QRadioButton* radio = button(static_cast<NewDesignKind>(k));
    if (radio->isEnabled()) {
      radio->setChecked(true);
      return;
    }
  }
}

NewDesignKind TNewTypeDlg::choice() const {
  for (int k = 1; k <= 5; ++k) {
    if (button(static_cast<NewDesignKind>(k))->isChecked()) return static_cast<NewDesignKind>(k);
  }
  return NewDesignKind::kParametricHull;
}

}  // namespace skelmora::app
