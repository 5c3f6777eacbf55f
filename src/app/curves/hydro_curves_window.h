// Calc › "Hydrostatic Curves": the upright hydrostatics at a series of draft
// changes as a table, any of its columns plotted against the draft, and the
// chart with the table printed.
#pragma once

#include <vector>

#include "curves/curves_widgets.h"
#include "curves/curves_window.h"
#include "curves/hydrostatic_curves.h"

class QLabel;
class QListWidget;

namespace skelmora::app {

class THydroCurvesWindow : public TCurvesWindow {
  Q_OBJECT

 public:
  THydroCurvesWindow(AppState& state, ReportPrinter& printer, QWidget* parent = nullptr);

  // The rows for the drafts in the fields: refused for a field that is not a
  // number, a range refused or a draft off the hull.
  bool Compute() override;
  // The checked columns against the draft: each in its own unit when one is
  // checked, else each as a fraction of its largest value.
  void Plot();
  bool PrintCurves() override;

  const std::vector<CurveRow>& rows() const { return rows_; }
  RangeFields& drafts() { return drafts_; }
  QListWidget* columns() const { return columns_; }

 private:
  void SetDefaultDrafts();

  std::vector<CurveRow> rows_;
  RangeFields drafts_;
  QLabel* range_ = nullptr;
  QListWidget* columns_ = nullptr;
};

}  // namespace skelmora::app
