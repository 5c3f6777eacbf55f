// What the hydrostatic-curves and cross-curves windows share: a chart with
// two value axes above a table, Compute beside the inputs, the button row
// with Print and Close, and printing the chart over the table's text.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
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
class SeriesLegend;

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
  // The full legend below the chart (the chart's own is not shown).
  SeriesLegend* legend() const { return legend_; }
  // Gives each series of the chart its own colour and writes the legend
  // anew; runs by itself once the chart's series have changed.
  void RefreshSeries();

 protected:
  TCurvesWindow(AppState& state, ReportPrinter& printer, const QString& title,
                Qt::Alignment legend, QWidget* parent);

  // The layout: the input rows, then `top` (chartArea_ when null) over
  // the table, then `left` with Print and Close.
  void Arrange(const std::vector<QLayout*>& inputs, QWidget* top, QWidget* left);
  // The chart, then text, on a landscape page.
  bool PrintWithChart(const std::string& text);

  AppState& state_;
  ReportPrinter& printer_;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  SeriesLegend* legend_ = nullptr;
  QWidget* chartArea_ = nullptr;  // the chart view over its legend
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* print_ = nullptr;

 private:
  QStringList shownSeries_;  // the names RefreshSeries last took
};

}  // namespace skelmora::app
