// Calc › "Cross Curves (KN)": KN for a list of displacements over the heel
// angles, the family of curves (KN against displacement, one curve per
// angle, or against the angle, one per displacement), the table, printed
// with its chart.
#pragma once

#include <vector>

#include "curves/cross_curves.h"
#include "curves/curves_widgets.h"
#include "curves/curves_window.h"

class QComboBox;
class QLineEdit;
class QProgressBar;

namespace skelmora::app {

inline constexpr int kKnAgainstDisplacement = 0;
inline constexpr int kKnAgainstAngle = 1;

class TCrossCurvesWindow : public TCurvesWindow {
  Q_OBJECT

 public:
  // designDisplacement (lb / kg) seeds the displacements: 60 % to 140 % of it.
  TCrossCurvesWindow(AppState& state, ReportPrinter& printer, double designDisplacement,
                     QWidget* parent = nullptr);

  // The points for the fields: refused for a list or an angle range that
  // is refused. A displacement the hull cannot float (or a heel not found)
  // is named in an error and the command fails, but the points computed
  // for the others are shown.
  bool Compute() override;
  void Plot();
  bool PrintCurves() override;

  const std::vector<KnPoint>& points() const { return points_; }
  QLineEdit* displacements() const { return displacements_; }
  RangeFields& angles() { return angles_; }
  QComboBox* against() const { return against_; }
  QProgressBar* progress() const { return progress_; }

 private:
  std::vector<KnPoint> points_;
  QLineEdit* displacements_ = nullptr;
  RangeFields angles_;
  QComboBox* against_ = nullptr;
  QProgressBar* progress_ = nullptr;  // displacements done of those asked
};

}  // namespace skelmora::app
