#include "editing/row_col_dialog.h"

#include <QPushButton>

#include "files/text_io.h"
#include "ui_row_col_dialog.h"

namespace skelmora::app {

TRowColDlg::TRowColDlg(QWidget* parent) : QDialog(parent), ui_(new Ui::TRowColDlg) {
  ui_->setupUi(this);
  setModal(false);
  for (QLineEdit* edit : {ui_->rowedit, ui_->coledit}) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { filter(edit); });
  }
  connect(ui_->Buttons, &QDialogButtonBox::accepted, this, &TRowColDlg::onOk);
  connect(ui_->Buttons, &QDialogButtonBox::rejected, this, [this] {
    hide();
    emit closedWithoutIndex();
  });
  connect(ui_->Buttons, &QDialogButtonBox::helpRequested, this, [this] {
    hide();
    emit closedWithoutIndex();
  });
}

TRowColDlg::~TRowColDlg() = default;

QLineEdit* TRowColDlg::rowEdit() const { return ui_->rowedit; }
QLineEdit* TRowColDlg::columnEdit() const { return ui_->coledit; }

QString TRowColDlg::captionFor(Operation operation) {
  switch (operation) {
    case Operation::kInsertRowAbove: return QStringLiteral("Add a new row ABOVE this row");
    case Operation::kInsertColumnAfter:
      return QStringLiteral("Add a new column AFTER this column");
    case Operation::kDeleteRow: return QStringLiteral("Delete Row by Index");
    case Operation::kDeleteColumn: return QStringLiteral("Delete Column by Index");
  }
  return {};
}

void TRowColDlg::prepare(Operation operation, int last) {
  operation_ = operation;
  last_ = last;
  setWindowTitle(captionFor(operation));
  const bool rows = operation == Operation::kInsertRowAbove || operation == Operation::kDeleteRow;
  ui_->rowedit->clear();
  ui_->coledit->clear();
  ui_->rowedit->setEnabled(rows);
  ui_->coledit->setEnabled(!rows);
}

// Anything but an index of the net goes at once, so OK only ever sees a
// usable index or nothing.
void TRowColDlg::filter(QLineEdit* edit) {
  const std::optional<int32_t> value = TryParseInt(edit->text().trimmed().toStdString());
  if (!value || *value < 0 || *value > last_) edit->clear();
}

void TRowColDlg::onOk() {
  QLineEdit* edit = ui_->rowedit->isEnabled() ? ui_->rowedit : ui_->coledit;
  const std::optional<int32_t> index = TryParseInt(edit->text().trimmed().toStdString());
  if (!index || *index < 0 || *index > last_) return;  // stays open
  hide();
  emit indexChosen(operation_, *index);
}

}  // namespace skelmora::app
