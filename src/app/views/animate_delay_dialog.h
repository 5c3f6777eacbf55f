// "Set Animation Delay Between Drawings", shown without blocking: the
// slider sets the perspective window's timer to position × 200 ms at once;
// "Start Animation" runs the 24 pictures, "Stop" stops and closes. However
// the dialog closes, the timer stops.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TANimate_delay;
}

namespace skelmora::app {

class Tfperspective;

class TANimate_delay : public QDialog {
  Q_OBJECT
 public:
  explicit TANimate_delay(Tfperspective& perspective, QWidget* parent = nullptr);
  ~TANimate_delay() override;

  static constexpr int kMillisecondsPerStep = 200;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::unique_ptr<Ui::TANimate_delay> ui_;
  Tfperspective& perspective_;
};

}  // namespace skelmora::app
