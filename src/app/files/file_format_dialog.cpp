#include "files/file_format_dialog.h"

#include "ui_file_format_dialog.h"

namespace skelmora::app {

Tfileformatdlg::Tfileformatdlg(QWidget* parent) : QDialog(parent), ui_(new Ui::Tfileformatdlg) {
  ui_->setupUi(this);
}

Tfileformatdlg::~Tfileformatdlg() = default;

OlderVersion Tfileformatdlg::choice() const {
  return ui_->Version5->isChecked() ? OlderVersion::kVersion5 : OlderVersion::kVersion6;
}

void Tfileformatdlg::choose(OlderVersion version) {
  (version == OlderVersion::kVersion5 ? ui_->Version5 : ui_->Version6)->setChecked(true);
}

}  // namespace skelmora::app
