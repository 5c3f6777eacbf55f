// "Curve of Areas": the curve of section areas or wetted lengths over the
// stations, the "Stations" spinner that recomputes it, "Print Data" and
// "Undo Zoom".
#pragma once

#include <QDialog>

#include "hydro/curves.h"

class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QSpinBox;
class QValueAxis;

namespace skelmora {
struct CalculationRecords;
}

namespace skelmora::app {

struct AppState;
class ReportPrinter;

class Tarea_length_dlg : public QDialog {
  Q_OBJECT

 public:
  Tarea_length_dlg(AppState& state, CalculationRecords& records, ReportPrinter& printer,
                   QWidget* parent = nullptr);

  // Computes the records' curve kind at the records' station count; false
  // (after the message) when the hull has nothing below the waterline.
  bool Compute();
  // Plots what the records hold.
  void Plot();

  QSpinBox* stations() const { return stations_; }
  QLineSeries* series() const { return series_; }
  QChart* chart() const { return chart_; }
  QPushButton* undoZoomButton() const { return undoZoom_; }
  QPushButton* printButton() const { return print_; }

  // "Print Data": asks for the label, then prints. False when cancelled or
  // the printer failed.
  bool PrintData();

 protected:
  void done(int result) override;

 private:
  void StationsChanged(int value);

  AppState& state_;
  CalculationRecords& records_;
  ReportPrinter& printer_;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QLineSeries* series_ = nullptr;
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  QSpinBox* stations_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* undoZoom_ = nullptr;
  bool plotting_ = false;
};

}  // namespace skelmora::app
