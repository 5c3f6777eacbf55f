// "Vertex Offsets": the three offsets of Tools › Offset Vertices From A
// Master Row / Column. Closes with OK only when all three fields hold text.
#pragma once

#include <QDialog>
#include <memory>

#include "model/row_column_tools.h"

namespace Ui {
class Tvertex_offsetsDlg;
}
class QLineEdit;

namespace skelmora::app {

class Tvertex_offsetsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit Tvertex_offsetsDlg(QWidget* parent = nullptr);
  ~Tvertex_offsetsDlg() override;

  // Every field back to "0" and the unit label for the design.
  void prepare(const HullDesign& design);
  VertexOffsets offsets() const;
  QLineEdit* beamEdit() const;
  QLineEdit* aftBowEdit() const;
  QLineEdit* heightEdit() const;

  void accept() override;

 private:
  std::unique_ptr<Ui::Tvertex_offsetsDlg> ui_;
};

}  // namespace skelmora::app
