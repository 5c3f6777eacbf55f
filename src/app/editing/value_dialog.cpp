#include "editing/value_dialog.h"

#include "ui_value_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

Tdataeditdlg::Tdataeditdlg(QWidget* parent) : QDialog(parent), ui_(new Ui::Tdataeditdlg) {
  ui_->setupUi(this);
}

Tdataeditdlg::~Tdataeditdlg() = default;

QLineEdit* Tdataeditdlg::valueEdit() const { return ui_->dataedit; }

void Tdataeditdlg::prepare(const QString& label, const QString& text) {
  ui_->datalabel->setText(label);
  ui_->dataedit->setText(text);
  ui_->dataedit->selectAll();
}

double Tdataeditdlg::value() const { return ui_->dataedit->valueOrZero(); }

void Tdataeditdlg::accept() {
  if (ui_->dataedit->text().isEmpty()) return;
  QDialog::accept();
}

}  // namespace skelmora::app
