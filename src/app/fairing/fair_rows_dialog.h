// "Fair Vertex Rows": the surface line through an interior vertex row,
// sampled at 51 points along the row.
#pragma once

#include "fairing/fairing_dialog.h"

class QSpinBox;

namespace skelmora::app {

class TFair_vertexrows : public FairingDialog {
  Q_OBJECT

 public:
  explicit TFair_vertexrows(AppState& state, QWidget* parent = nullptr);

  QSpinBox* rowSpin() const { return row_; }
  QSpinBox* vertexSpin() const { return vertex_; }

 private:
  QSpinBox* row_ = nullptr;
  QSpinBox* vertex_ = nullptr;
};

}  // namespace skelmora::app
