// Calc › "Loading Conditions": the lightship and deadweight items, the
// tanks with their capacity, weight and free-surface moment, ".lcd" files,
// the floating position ("Float"), and the righting levers at free trim
// beside the fixed-trim levers of the stability run, with the criteria;
// printed and saved as CSV. The design is only read.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "loading/floating.h"
#include "loading/loading_condition.h"

class QChart;
class QChartView;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QValueAxis;

namespace skelmora::app {

struct AppState;
class FileChooser;
class RealField;
class ReportPrinter;

inline constexpr const char* kConditionFilters = "Loading Conditions|*.lcd";

class TLoadingWindow : public QDialog {
  Q_OBJECT

 public:
  TLoadingWindow(AppState& state, ReportPrinter& printer, FileChooser& files,
                 QWidget* parent = nullptr);

  // The file commands; each false when cancelled or refused (nothing changed).
  bool New();
  bool Open();
  bool Save();
  bool SaveAs();
  // True when there is nothing to save or the user chose what to do.
  bool SaveChangesFirst();
  // Reads path into the window (the open command after the dialog).
  bool Load(const QString& path);

  void AddItem();
  void AddTank();
  // The current item (not the lightship) or tank; false when none is chosen.
  bool DeleteItem();
  bool DeleteTank();

  // The floating position, shown; false after the message when refused.
  bool Float();
  // The floating position and the levers at free trim, with the fixed-trim
  // curve of the stability run beside them.
  bool RightingLevers();
  bool PrintReport();
  // The levers table (or, before any levers, the floating position) as CSV.
  bool SaveTable();

  const LoadingCondition& condition() const { return condition_; }
  const std::optional<ConditionRun>& run() const { return run_; }
  bool modified() const { return modified_; }
  const QString& path() const { return path_; }
  QTableWidget* items() const { return items_; }
  QTableWidget* tanks() const { return tanks_; }
  QTableWidget* position() const { return position_; }
  QTableWidget* levers() const { return levers_; }
  QTableWidget* criteria() const { return criteria_; }
  QChart* chart() const { return chart_; }
  RealField* maxHeel() const { return maxHeel_; }
  RealField* heelStep() const { return heelStep_; }

 protected:
  void done(int result) override;

 private:
  void Fill();                 // both grids from the condition
  void FillTanks();
  void CellChanged(QTableWidget* grid, int row, int column);
  void ConditionChanged();     // marked modified, results dropped
  void ShowRun();
  void Plot();
  bool WriteTo(const QString& path);
  QString Title() const;

  AppState& state_;
  ReportPrinter& printer_;
  FileChooser& files_;
  FloatingHull hull_;
  LoadingCondition condition_;
  std::vector<TankState> tankStates_;
  std::optional<ConditionRun> run_;
  std::vector<StabilityRow> fixedTrim_;  // the stability run's rows, when it ran
  QString path_;
  bool modified_ = false;
  bool filling_ = false;
  QTableWidget* items_ = nullptr;
  QTableWidget* tanks_ = nullptr;
  QTableWidget* position_ = nullptr;
  QTableWidget* levers_ = nullptr;
  QTableWidget* criteria_ = nullptr;
  QTabWidget* results_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;
  RealField* maxHeel_ = nullptr;
  RealField* heelStep_ = nullptr;
};

}  // namespace skelmora::app
