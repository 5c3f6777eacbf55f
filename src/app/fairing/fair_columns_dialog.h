// "Fair Vertex Columns": a station-like column (its station section, or the
// stem and transom lines for the end columns), the selected vertex's values
// and its weight steps.
#pragma once

#include "fairing/fairing_dialog.h"

class QLineEdit;
class QSpinBox;

namespace skelmora::app {

class TFair_columnsDlg : public FairingDialog {
  Q_OBJECT

 public:
  explicit TFair_columnsDlg(AppState& state, QWidget* parent = nullptr);

  QSpinBox* columnSpin() const { return column_; }
  QSpinBox* vertexSpin() const { return vertex_; }
  QLineEdit* valueField(int k) const { return values_[k]; }  // half beam, aft bow, height, weight
  void ChangeWeight(double delta);

 protected:
  double StepForMove() override { return CheckedStep(); }
  void ShowVertex() override;

 private:
  QSpinBox* column_ = nullptr;
  QSpinBox* vertex_ = nullptr;
  QLineEdit* values_[4] = {};
};

}  // namespace skelmora::app
