// What the hydrostatic-curves and cross-curves windows share: a chart with
// two value axes above a table, Compute beside the inputs, the button row
// with Print and Close, and printing the chart over the table's text.
#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QChart;
class QChartView;
class QLayout;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

class TCurvesWindow : public QDialog {
  Q_OBJECT

 public:
  // Computes from the inputs, then fills the table and the plot; false after
  // the message when an input or the calculation is refused (the table
  // keeps what it had).
  virtual bool Compute() = 0;
  // The chart and the table on the printer; false when nothing was printed.
  virtual bool PrintCurves() = 0;

  QTableWidget* table() const { return table_; }
  QChart* chart() const { return chart_; }
  QPushButton* computeButton() const { return compute_; }
  QPushButton* printButton() const { return print_; }

 protected:
  TCurvesWindow(AppState& state, ReportPrinter& printer, const QString& title,
                Qt::Alignment legend, QWidget* parent);

  // The layout: the input rows, then `top` (the chart view when null) over
  // the table, then `left` with Print and Close.
  void Arrange(const std::vector<QLayout*>& inputs, QWidget* top, QWidget* left);
  // The chart, then text, on a landscape page.
  bool PrintWithChart(const std::string& text);

  AppState& state_;
  ReportPrinter& printer_;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace skelmora::app
