#include "hydro/hydro_commands.h"


#include "hydro/curve_window.h"
#include "hydro/disp_dialog.h"
#include "hydro/drag_window.h"
#include "hydro/calculation_records.h"
#include "hydro/hydrostatics_window.h"
#include "model/app_state.h"
#include "model/shown_calculations.h"
#include "views/wait_cursor.h"

namespace skelmora::app {

namespace {

class StatusStages : public HydroStatus {
 public:
  explicit StatusStages(const StatusSink& sink) : sink_(sink) {}
  void Show(const std::string& text) override {
    if (sink_) sink_(QString::fromStdString(text));
  }

 private:
  const StatusSink& sink_;
};

void Say(const StatusSink& status, const QString& text) {
  if (status) status(text);
}

bool Guarded(AppState& state, const StatusSink& status) {
  Say(status, QStringLiteral("Hull Extents"));
  if (HullGuard(state.design, *state.surface, *state.prompter)) return true;
  Say(status, QString());
  return false;
}

}  // namespace

bool RunHydrostaticsCommand(AppState& state, QWidget* parent, ReportPrinter& printer,
                            bool withGuard, const StatusSink& status) {
  if (withGuard && !Guarded(state, status)) return false;
  CalculationRecords& records = *state.hydro;
  bool ran = false;
  {
    WaitCursor wait;
    StatusStages stages(status);
    Say(status, QStringLiteral("Hydrostatics"));
    ran = ComputeHydrostatics(state.design, *state.surface, *state.cuts, records.results,
                              *state.prompter, &stages);
  }
  if (!ReportReady(ran, records.results)) {
    Say(status, QString());
    return false;
  }
  // What "Show Centres" draws, for the hull as it stands.
  KeepCentres(state);
  THydroReport report(printer, parent);
  report.Fill(BuildHydrostaticsReport(records.results, state.design.Units),
              QString::fromStdString(state.design.DesignFileName));
  Say(status, QStringLiteral("Hydrostatics Data"));
  report.exec();
  Say(status, QString());
  return true;
}

bool RunDragCommand(AppState& state, QWidget* parent, const StatusSink& status) {
  if (!Guarded(state, status)) return false;
  CalculationRecords& records = *state.hydro;
  bool ran = false;
  {
    WaitCursor wait;
    Say(status, QStringLiteral("Wave and Friction Drag"));
    ran = ComputeDrag(state.design, *state.surface, *state.cuts, records.results, records.drag,
                      *state.prompter);
  }
  if (!ran || records.results.lowestZ > 0.0) {
    Say(status, QString());
    return false;
  }
  TWavefriction window(parent);
  window.Fill(records.drag, FactorsFor(state.design.Units).metric);
  window.exec();
  Say(status, QString());
  return true;
}

bool RunCurveCommand(AppState& state, QWidget* parent, ReportPrinter& printer, CurveKind kind,
                     const StatusSink& status) {
  if (!Guarded(state, status)) return false;
  CalculationRecords& records = *state.hydro;
  records.curveKind = kind;
  Say(status, kind == CurveKind::kAreas ? QStringLiteral("Curve of Areas")
                                        : QStringLiteral("Curve of Wetted Lengths"));
  Tarea_length_dlg window(state, records, printer, parent);
  if (!window.Compute()) {
    Say(status, QString());
    return false;
  }
  window.Plot();
  window.exec();
  Say(status, QString());
  return true;
}

bool RunDraftCommand(AppState& state, QWidget* parent, const StatusSink& status) {
  // A hull wholly above the water has nothing to weigh: the search would
  // step to nowhere, so the hydrostatics' own refusal comes first.
  if (!Guarded(state, status)) return false;
  Say(status, QStringLiteral("Draft for Displacement"));
  TDispDialog dialog(state, *state.hydro, parent);
  const bool kept = dialog.exec() == QDialog::Accepted;
  Say(status, QString());
  return kept;
}

}  // namespace skelmora::app
