// "Stability Calculation": the stability data file read back and any of its
// columns plotted against the heel, the intact-stability criteria as a
// table, "Undo Zoom" and "View Data File".
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "stability/criteria.h"
#include "stability/stability_data.h"

class QButtonGroup;
class QLabel;
class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QValueAxis;

namespace skelmora::app {

class ReportPrinter;

struct AppState;
class FileChooser;
class TStabedit;

// The choices of "Data to Plot", in order; then the criteria table.
inline constexpr int kPlotChoices = 11;
inline constexpr int kCriteriaChoice = kPlotChoices;

inline constexpr const char* kStabilityDataError =
    "Stability Data was not computed correctly.\n"
    "Please change step size or max heel limits\n"
    "and run stability again.";
inline constexpr const char* kCloseEditorFirst = "Please close the Stability Editor first!";

class TStabilityResults : public QDialog {
  Q_OBJECT

 public:
  // rowCount: the steps of the run that wrote dataPath, plus one.
  TStabilityResults(AppState& state, ReportPrinter& printer, FileChooser& files, QString dataPath,
                    int rowCount, std::vector<Criterion> criteria, QWidget* parent = nullptr);
  ~TStabilityResults() override;

  // Reads the file and plots GZ; false after the error box when the file
  // cannot be read or lacks the second table (the window is not shown).
  bool Load();
  // A choice of "Data to Plot" (0 .. kPlotChoices - 1) or kCriteriaChoice.
  bool Choose(int choice);

  QChart* chart() const { return chart_; }
  // The first stretch of series k; a step not found breaks the line, and
  // the stretches after it are further series of the same colour.
  QLineSeries* series(int k) const { return series_[k]; }
  // "Not found at ..." under the chart, empty when every step was found.
  QLabel* notFoundLabel() const { return notFound_; }
  QButtonGroup* choices() const { return choices_; }
  QTableWidget* criteriaTable() const { return criteriaTable_; }
  QStackedWidget* pages() const { return pages_; }
  QPushButton* undoZoomButton() const { return undoZoom_; }
  QValueAxis* leftAxis() const { return yAxis_; }
  TStabedit* editor() const { return editor_; }
  // "View Data File".
  void ViewDataFile();
  // "Print Criteria": the table on the printer.
  bool PrintCriteria();

 protected:
  void done(int result) override;

 private:
  AppState& state_;
  ReportPrinter& printer_;
  FileChooser& files_;
  QString dataPath_;
  int rowCount_;
  std::vector<Criterion> criteria_;
  StabilityTables tables_;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QLineSeries* series_[3] = {};
  std::vector<QLineSeries*> stretches_;  // the series' later stretches
  QLabel* notFound_ = nullptr;
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  QButtonGroup* choices_ = nullptr;
  QTableWidget* criteriaTable_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QPushButton* undoZoom_ = nullptr;
  TStabedit* editor_ = nullptr;
  bool plotting_ = false;
};

}  // namespace skelmora::app
