// Calc › "Hydrostatic Curves": the upright hydrostatics at a series of draft
// changes as a table, any of its columns plotted against the draft, and the
// chart with the table printed.
#pragma once

#include <QDialog>
#include <vector>

#include "curves/curves_widgets.h"
#include "curves/hydrostatic_curves.h"

class QChart;
class QChartView;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

class THydroCurvesWindow : public QDialog {
  Q_OBJECT

 public:
  THydroCurvesWindow(AppState& state, ReportPrinter& printer, QWidget* parent = nullptr);

  // Computes the rows for the drafts in the fields, then fills the table and
  // the plot. False, after the message, for a field that is not a number, a
  // range refused or a draft off the hull (the table keeps what it had).
  bool Compute();
  // The checked columns against the draft: each in its own unit when one is
  // checked, else each as a fraction of its largest value.
  void Plot();
  // The chart and the table on the printer; false when nothing was printed.
  bool PrintCurves();

  const std::vector<CurveRow>& rows() const { return rows_; }
  RangeFields& drafts() { return drafts_; }
  QListWidget* columns() const { return columns_; }
  QTableWidget* table() const { return table_; }
  QChart* chart() const { return chart_; }
  QPushButton* computeButton() const { return compute_; }
  QPushButton* printButton() const { return print_; }

 private:
  void SetDefaultDrafts();

  AppState& state_;
  ReportPrinter& printer_;
  std::vector<CurveRow> rows_;
  RangeFields drafts_;
  QLabel* range_ = nullptr;
  QListWidget* columns_ = nullptr;
  QTableWidget* table_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QValueAxis* valueAxis_ = nullptr;
  QValueAxis* draftAxis_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace skelmora::app
