// "Fair Sheer & Fairbody": the sheer (v = 1) or the fairbody (v = 0) line,
// the vertex number stepped along it.
#pragma once

#include "fairing/fairing_dialog.h"

class QLabel;

namespace skelmora::app {

class TFair_sheerDlg : public FairingDialog {
  Q_OBJECT

 public:
  explicit TFair_sheerDlg(AppState& state, QWidget* parent = nullptr);

  void ChooseLine(FairLine line);  // kSheer or kFairbody
  void StepVertex(int delta);
  QLabel* vertexLabel() const { return vertexLabel_; }

 protected:
  void ShowVertex() override;

 private:
  QLabel* vertexLabel_ = nullptr;
};

}  // namespace skelmora::app
