// "Single Vertex Line Selector", shown without blocking and kept on top:
// every change of the row / column choice or of the index draws (and
// picks) the net only along that line; "OK" closes and keeps the choice,
// "Draw All Net Lines" ends the restriction. netLinesChanged() asks for the
// open views to be repainted.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"

namespace Ui {
class TsingcolrowDlg;
}

namespace skelmora::app {

class TsingcolrowDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TsingcolrowDlg(AppState& state, QWidget* parent = nullptr);
  ~TsingcolrowDlg() override;

 signals:
  void netLinesChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void apply();
  void drawAll();

  std::unique_ptr<Ui::TsingcolrowDlg> ui_;
  AppState& state_;
};

}  // namespace skelmora::app
