// What the four fairing dialogs share: the curve plot and the curvature
// plot of the selected line, the view buttons, the arrow buttons that nudge
// the selected vertex by the step, "Zoom" / "Undo Zoom", and "OK" / "Exit -
// Do Not Save", which puts back the net as it was when the dialog opened.
// Each dialog adds its own selection controls and step rule.
#pragma once

#include <QDialog>
#include <memory>

#include "fairing/fair_curve.h"
#include "fairing/fair_edit.h"
#include "model/app_state.h"

class QBoxLayout;
class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;
class QVBoxLayout;

namespace skelmora::app {

class RealField;

class FairingDialog : public QDialog {
  Q_OBJECT

 public:
  ~FairingDialog() override;

  const FairSelection& selection() const { return selection_; }
  const FairCurve& curve() const { return *curve_; }
  // The net as it was when the dialog opened.
  const VertexNet& backup() const { return design().ScratchNet; }
  double rememberedCurvature() const { return remembered_; }
  QChart* curveChart() const { return curveChart_; }
  QChart* curvatureChart() const { return curvatureChart_; }
  // How many times both plots were built (a nudge rebuilds them once).
  int plotCount() const { return plotCount_; }
  RealField* stepField() const { return step_; }
  QPushButton* button(const char* name) const;

  // An arrow button: the selected vertex moves by the step in the view.
  void Move(Nudge direction);
  void SetView(ViewId view);
  void Zoom();
  void UndoZoom();
  // OK keeps the net; Cancel, Escape and the close box put the backup back.
  void reject() override;

 protected:
  FairingDialog(AppState& state, FairLine line, const QString& caption, QWidget* parent);

  HullDesign& design() { return state_.design; }
  const HullDesign& design() const { return state_.design; }
  // Where a dialog puts its selection controls, above the common ones.
  QVBoxLayout* controls() const { return controls_; }
  // The step the next move uses; the dialogs' rules differ.
  virtual double StepForMove();
  // The column and row dialogs' rule: an empty, unreadable or not positive
  // step becomes "0.1".
  double CheckedStep();
  // A new line or vertex was chosen; replots.
  void Select(int index, int vertex);
  void SetCurveTitle(const QString& title);
  void SetCurvatureTitle(const QString& title);
  // Fills the fields that show the selected vertex (the column dialog).
  virtual void ShowVertex() {}
  // Builds both plots for the current selection.
  void Replot();
  // Called once the subclass has set its controls up.
  void Start(int index, int vertex, ViewId view);

  AppState& state_;
  FairSelection selection_;
  RealField* step_ = nullptr;

 private:
  void BuildCharts();
  void PlotCurve();
  void PlotCurvature();

  std::unique_ptr<FairCurve> curve_;
  double remembered_ = 0.0;
  int plotCount_ = 0;
  bool zoomed_ = false;
  QVBoxLayout* controls_ = nullptr;
  QChart* curveChart_ = nullptr;
  QChartView* curveView_ = nullptr;
  QLineSeries* sampled_ = nullptr;
  QLineSeries* vertices_ = nullptr;
  QScatterSeries* selected_ = nullptr;
  QValueAxis* curveX_ = nullptr;
  QValueAxis* curveY_ = nullptr;
  QChart* curvatureChart_ = nullptr;
  QChartView* curvatureView_ = nullptr;
  QLineSeries* curvature_ = nullptr;
  QLineSeries* marker_ = nullptr;
  QValueAxis* curvatureX_ = nullptr;
  QValueAxis* curvatureY_ = nullptr;
  QPushButton* undoZoom_ = nullptr;
};

}  // namespace skelmora::app
