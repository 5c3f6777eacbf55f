// Calc > "Resistance and Power": the method, the speed range in knots, the
// inputs as taken from the hull (each editable, Reset puts the hull's value
// back), the warnings, the table of components and totals per speed, and
// the chart of total resistance and effective power against speed. Print
// puts the chart above the table on a landscape page; "Save Table..." writes
// the table as CSV.
#pragma once

#include <vector>

#include "curves/curves_widgets.h"
#include "curves/curves_window.h"
#include "resistance/hull_inputs.h"
#include "resistance/resistance.h"

class QComboBox;
class QLineSeries;
class QListWidget;
class QValueAxis;

namespace skelmora::app {

class FileChooser;
class RealField;

class TResistanceWindow : public TCurvesWindow {
  Q_OBJECT

 public:
  TResistanceWindow(AppState& state, ReportPrinter& printer, FileChooser& files,
                    const HullResistanceSource& hull, QWidget* parent = nullptr);

  // Reads the inputs and the speeds and runs the chosen method; false after
  // the message for a field that is not a number or an input refused.
  bool Compute() override;
  bool PrintCurves() override;
  bool SaveTable();
  // The selected inputs (all when none is selected) back to the hull's.
  void ResetInputs();
  void SetMethod(ResistanceMethod method);

  QComboBox* method() const { return method_; }
  RangeFields& speeds() { return speeds_; }
  QTableWidget* inputs() const { return inputs_; }
  QListWidget* warnings() const { return warnings_; }
  QLineSeries* resistanceSeries() const { return resistance_; }
  QLineSeries* powerSeries() const { return power_; }
  RealField* inputField(int row) const;
  const ResistanceRun& run() const { return run_; }

 private:
  ResistanceMethod Chosen() const;
  void FillInputs();
  void SetDefaultSpeeds();
  void Show();

  FileChooser& files_;
  HullResistanceSource hull_;
  ResistanceInputs edited_;
  std::vector<int> shownFields_;  // index into ResistanceFields() of each input row
  ResistanceRun run_;
  QComboBox* method_ = nullptr;
  QComboBox* water_ = nullptr;
  RangeFields speeds_;
  QTableWidget* inputs_ = nullptr;
  QListWidget* warnings_ = nullptr;
  QLineSeries* resistance_ = nullptr;
  QLineSeries* power_ = nullptr;
  QValueAxis* powerAxis_ = nullptr;
};

// The Calc command: the hull guard, the hull's inputs, the window with the
// best-fitting method computed once. False when the hull was refused.
bool RunResistanceWindow(AppState& state, QWidget* parent, ReportPrinter& printer,
                         FileChooser& files);

}  // namespace skelmora::app
