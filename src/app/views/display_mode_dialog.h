// "Select Display Mode": true sections (stations, waterlines, buttocks) or
// the B-spline surface lines, each with its own "Vertex Net" box. Showing
// the dialog already settles a contradiction in the design (the B-spline
// mode clears the section switches, shown sections clear the B-spline
// mode), cancelled or not; closing it by either button stores the boxes of
// the chosen mode and emits designEdited(). The caller repaints the open
// views after OK.
#pragma once

#include <QDialog>
#include <memory>

#include "model/hull_design.h"

namespace Ui {
class TchooseDspldlg;
}

namespace skelmora::app {

class TchooseDspldlg : public QDialog {
  Q_OBJECT
 public:
  explicit TchooseDspldlg(HullDesign& design, QWidget* parent = nullptr);
  ~TchooseDspldlg() override;

  void done(int result) override;

 signals:
  void designEdited();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void prepare();
  void chooseBSplines();
  void chooseSections();

  std::unique_ptr<Ui::TchooseDspldlg> ui_;
  HullDesign& design_;
};

}  // namespace skelmora::app
