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
  // is refused, or a displacement the hull cannot float.
  bool Compute() override;
  void Plot();
  bool PrintCurves() override;

  const std::vector<KnPoint>& points() const { return points_; }
  QLineEdit* displacements() const { return displacements_; }
  RangeFields& angles() { return angles_; }
  QComboBox* against() const { return against_; }

 private:
  std::vector<KnPoint> points_;
  QLineEdit* displacements_ = nullptr;
  RangeFields angles_;
  QComboBox* against_ = nullptr;
};

}  // namespace skelmora::app
