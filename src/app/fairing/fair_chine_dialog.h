// "Fair Chines": the surface line along a row chine (every interior row
// while the station tension is 1), with chine and vertex numbers.
#pragma once

#include "fairing/fairing_dialog.h"

class QSpinBox;

namespace skelmora::app {

class TFair_chineDlg : public FairingDialog {
  Q_OBJECT

 public:
  explicit TFair_chineDlg(AppState& state, QWidget* parent = nullptr);

  QSpinBox* chineSpin() const { return chine_; }
  QSpinBox* vertexSpin() const { return vertex_; }

 private:
  QSpinBox* chine_ = nullptr;
  QSpinBox* vertex_ = nullptr;
};

}  // namespace skelmora::app
