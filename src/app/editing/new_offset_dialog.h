// "New Design via Offset Entry": the size of a fresh net and a box-like
// starting shape for the vertex spreadsheet to type over. OK builds the net
// into the design it was given; a refusal keeps the dialog open.
#pragma once

#include <QDialog>
#include <memory>

#include "model/offset_entry.h"

namespace Ui {
class Tnewoffsetdlg;
}
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace skelmora::app {

class Tnewoffsetdlg : public QDialog {
  Q_OBJECT

 public:
  Tnewoffsetdlg(HullDesign& design, Surface& surface, Prompter& prompter,
                QWidget* parent = nullptr);
  ~Tnewoffsetdlg() override;

  OffsetEntryValues values() const;
  QSpinBox* stationSpin() const;
  QSpinBox* rowSpin() const;
  QLineEdit* edit(const char* name) const;
  QRadioButton* millimetersButton() const;

  void accept() override;

 private:
  HullDesign& design_;
  Surface& surface_;
  Prompter& prompter_;
  std::unique_ptr<Ui::Tnewoffsetdlg> ui_;
};

}  // namespace skelmora::app
