// "Wave & Friction Drag": the drag run's table of 14 speeds and its chart;
// dragging a rectangle on the chart zooms, "Zoom Off" undoes it.
#pragma once

#include <QDialog>

#include "hydro/drag.h"

class QChart;
class QChartView;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QTableWidget;

namespace skelmora::app {

class TWavefriction : public QDialog {
  Q_OBJECT

 public:
  explicit TWavefriction(QWidget* parent = nullptr);

  void Fill(const DragResults& drag, bool metric);

  QTableWidget* table() const { return table_; }
  QLineEdit* maxVelocity() const { return maxVelocity_; }
  QLineEdit* velocityStep() const { return velocityStep_; }
  QChart* chart() const { return chart_; }
  QLineSeries* waveSeries() const { return wave_; }
  QLineSeries* frictionSeries() const { return friction_; }
  QPushButton* zoomOffButton() const { return zoomOff_; }

 private:
  QTableWidget* table_ = nullptr;
  QLineEdit* maxVelocity_ = nullptr;
  QLineEdit* velocityStep_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QLineSeries* wave_ = nullptr;
  QLineSeries* friction_ = nullptr;
  QPushButton* zoomOff_ = nullptr;
};

}  // namespace skelmora::app
