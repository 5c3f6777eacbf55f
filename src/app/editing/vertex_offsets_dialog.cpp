#include "editing/vertex_offsets_dialog.h"

#include <QApplication>

#include "ui_vertex_offsets_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

Tvertex_offsetsDlg::Tvertex_offsetsDlg(QWidget* parent)
    : QDialog(parent), ui_(new Ui::Tvertex_offsetsDlg) {
  ui_->setupUi(this);
}

Tvertex_offsetsDlg::~Tvertex_offsetsDlg() = default;

QLineEdit* Tvertex_offsetsDlg::beamEdit() const { return ui_->beamedit; }
QLineEdit* Tvertex_offsetsDlg::aftBowEdit() const { return ui_->aftbowedit; }
QLineEdit* Tvertex_offsetsDlg::heightEdit() const { return ui_->heightedit; }

void Tvertex_offsetsDlg::prepare(const HullDesign& design) {
  for (QLineEdit* edit : {ui_->beamedit, ui_->aftbowedit, ui_->heightedit}) {
    edit->setText(QStringLiteral("0"));
  }
  ui_->unitslabel->setText(QLatin1String(VertexOffsetsLabel(design)));
}

VertexOffsets Tvertex_offsetsDlg::offsets() const {
  return {ui_->beamedit->valueOrZero(), ui_->aftbowedit->valueOrZero(),
          ui_->heightedit->valueOrZero()};
}

void Tvertex_offsetsDlg::accept() {
  for (QLineEdit* edit : {ui_->beamedit, ui_->aftbowedit, ui_->heightedit}) {
    if (edit->text().isEmpty()) {
      QApplication::beep();
      return;
    }
  }
  QDialog::accept();
}

}  // namespace skelmora::app
