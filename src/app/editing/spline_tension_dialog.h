// Spline › "Change spline tension": the degree of the surface along the
// stations (limited by the rows) and along the waterlines (limited by the
// columns), never above 4.
#pragma once

#include <QDialog>
#include <memory>

#include "model/app_state.h"

namespace Ui {
class Tsplinetension;
}
class QSpinBox;

namespace skelmora::app {

class Tsplinetension : public QDialog {
  Q_OBJECT
 public:
  explicit Tsplinetension(AppState& state, QWidget* parent = nullptr);
  ~Tsplinetension() override;

  // Sets the limits and the current values from the design.
  void prepare();
  // OK: an undo step, both tensions stored (a tension of 1 empties that
  // direction's chines), the surface rebuilt. The caller updates the
  // labels and repaints.
  void accept() override;

  QSpinBox* stationSpin() const;
  QSpinBox* waterlineSpin() const;

 private:
  std::unique_ptr<Ui::Tsplinetension> ui_;
  AppState& state_;
};

}  // namespace skelmora::app
