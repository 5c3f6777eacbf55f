#include "editing/new_offset_dialog.h"

#include "ui_new_offset_dialog.h"
#include "views/real_field.h"

namespace skelmora::app {

Tnewoffsetdlg::Tnewoffsetdlg(HullDesign& design, Surface& surface, Prompter& prompter,
                             QWidget* parent)
    : QDialog(parent),
      design_(design),
      surface_(surface),
      prompter_(prompter),
      ui_(new Ui::Tnewoffsetdlg) {
  ui_->setupUi(this);
}

Tnewoffsetdlg::~Tnewoffsetdlg() = default;

QSpinBox* Tnewoffsetdlg::stationSpin() const { return ui_->spinstation; }
QSpinBox* Tnewoffsetdlg::rowSpin() const { return ui_->spinrows; }
QLineEdit* Tnewoffsetdlg::edit(const char* name) const {
  return findChild<QLineEdit*>(QLatin1String(name));
}
QRadioButton* Tnewoffsetdlg::millimetersButton() const { return ui_->mmbutton; }

OffsetEntryValues Tnewoffsetdlg::values() const {
  OffsetEntryValues v;
  v.stations = ui_->spinstation->value();
  v.offsets = ui_->spinrows->value();
  v.length = ui_->loaedit->valueOrZero();
  v.beam = ui_->beamedit->valueOrZero();
  v.height = ui_->freebdedit->valueOrZero();
  v.units = ui_->mmbutton->isChecked() ? kMillimetres : kInches;
  return v;
}

void Tnewoffsetdlg::accept() {
  if (!NewDesignFromOffsets(design_, surface_, prompter_, values())) return;
  QDialog::accept();
}

}  // namespace skelmora::app
