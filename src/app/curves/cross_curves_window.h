// Calc › "Cross Curves (KN)": KN for a list of displacements over the heel
// angles, the family of curves (KN against displacement, one curve per
// angle, or against the angle, one per displacement), the table, printed
// with its chart.
#pragma once

#include <QDialog>
#include <vector>

#include "curves/cross_curves.h"
#include "curves/curves_widgets.h"

class QChart;
class QChartView;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

inline constexpr int kKnAgainstDisplacement = 0;
inline constexpr int kKnAgainstAngle = 1;

class TCrossCurvesWindow : public QDialog {
  Q_OBJECT

 public:
  // designDisplacement (lb / kg) seeds the displacements: 60 % to 140 % of it.
  TCrossCurvesWindow(AppState& state, ReportPrinter& printer, double designDisplacement,
                     QWidget* parent = nullptr);

  // Computes the points for the fields; false after the message for a list
  // or an angle range that is refused, or a displacement the hull cannot
  // float (the table keeps what it had).
  bool Compute();
  void Plot();
  bool PrintCurves();

  const std::vector<KnPoint>& points() const { return points_; }
  QLineEdit* displacements() const { return displacements_; }
  RangeFields& angles() { return angles_; }
  QComboBox* against() const { return against_; }
  QTableWidget* table() const { return table_; }
  QChart* chart() const { return chart_; }
  QPushButton* computeButton() const { return compute_; }
  QPushButton* printButton() const { return print_; }

 private:
  AppState& state_;
  ReportPrinter& printer_;
  std::vector<KnPoint> points_;
  QLineEdit* displacements_ = nullptr;
  RangeFields angles_;
  QComboBox* against_ = nullptr;
  QTableWidget* table_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QValueAxis* xAxis_ = nullptr;
  QValueAxis* knAxis_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* print_ = nullptr;
};

}  // namespace skelmora::app
