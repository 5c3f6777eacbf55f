// "Stability Calculation" (Tdraw_stability_Dlg): the weights and ballast
// table, the hull weight and combined centre of gravity, the waterline
// shift, the ballast files, and the run with its progress.
#pragma once

#include <QDialog>
#include <memory>
#include "stability/ballast.h"
#include "stability/stability_run.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace skelmora::app {

class ReportPrinter;

struct AppState;
class FileChooser;
class SectionBox;

inline constexpr const char* kSaveBallastQuestion = "Save Ballast Data Before Closing?";

class Tdraw_stability_Dlg : public QDialog {
  Q_OBJECT

 public:
  Tdraw_stability_Dlg(AppState& state, ReportPrinter& printer, FileChooser& files,
                      QWidget* parent = nullptr);
  ~Tdraw_stability_Dlg() override;

  // What showing the dialog does: zeros, headings, the hull weight.
  void Reset();
  // The ballast totals and net centre into their fields; false (after the
  // conversion message) when a cell is not a number.
  bool Totals();
  // The buttons.
  bool CalculateStability();
  bool CalcDisplacement();
  void ResetWaterline();
  void AddWeight();
  bool DeleteWeight();
  bool SaveBallast();
  bool OpenBallast();
  void SetManual(bool manual);

  // The grid as a ballast table (row 0 the headings) and back.
  BallastTable Table() const;
  void SetTable(const BallastTable& table);

  QLineEdit* field(const char* name) const;
  QPushButton* button(const char* name) const;
  QTableWidget* grid() const { return grid_; }
  QLabel* warning() const { return warning_; }
  SectionBox* paintBox() const { return box_; }
  double accumulatedShift() const { return accumulatedShift_; }
  const StabilityRun& lastRun() const { return run_; }

 protected:
  void showEvent(QShowEvent* event) override;

 public slots:
  void done(int result) override;

 private:
  class Progress;
  StabilityRecords Records();
  // The hull weight and centroid; with the manual option, keepTyped keeps
  // the typed VCG and LCG as the centre.
  void ComputeHullWeight(bool keepTyped = true);
  void DrawBodySections();
  // Moves the hull up by dz; false, with the message shown, when the net
  // cannot hold the result.
  bool MoveHull(double dz);
  // The net as it was before the first shift, bit for bit.
  void MoveHullBack();
  bool ShiftHeights(double shift);

  AppState& state_;
  ReportPrinter& printer_;
  FileChooser& files_;
  QTableWidget* grid_ = nullptr;
  QListWidget* options_ = nullptr;
  QLabel* warning_ = nullptr;
  SectionBox* box_ = nullptr;
  HullWeight hull_;
  StabilityRun run_;
  double accumulatedShift_ = 0.0;
  // The net before the first shift: moving back puts it back exactly rather
  // than adding the opposite shift in single precision.
  std::unique_ptr<VertexNet> netAsFound_;
  bool running_ = false;
  // A run's rows wait for closing to become the body view's heels; the
  // hull then stood runShift_ lower.
  bool heelsPending_ = false;
  double runShift_ = 0.0;
};

}  // namespace skelmora::app
