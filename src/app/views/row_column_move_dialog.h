// "Choose Row or Column & Constraints" for Spline › Proportional move and
// Translate move: which line the next drag moves and along which of the
// window's axes. Each click stores its choice at once; on OK the caller arms
// the move (and sets translate or proportional, which this dialog does not
// show).
#pragma once

#include <QDialog>
#include <memory>

#include "views/view_options.h"

namespace Ui {
class Tchooserowcoldlg;
}

namespace skelmora::app {

class Tchooserowcoldlg : public QDialog {
  Q_OBJECT
 public:
  explicit Tchooserowcoldlg(RowColumnMoveSettings& settings, QWidget* parent = nullptr);
  ~Tchooserowcoldlg() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::Tchooserowcoldlg> ui_;
  RowColumnMoveSettings& settings_;
};

}  // namespace skelmora::app
