// The Calc menu's calculations as the main window runs them: guard, compute
// under the hourglass with the stage in the status text, then the window.
#pragma once

#include <QString>
#include <functional>

#include "hydro/curves.h"

class QWidget;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

using StatusSink = std::function<void(const QString&)>;

// Hydrostatics and the report; withGuard is the menu item's hull guard
// (the tool button runs without it). True when the report was shown.
bool RunHydrostaticsCommand(AppState& state, QWidget* parent, ReportPrinter& printer,
                            bool withGuard, const StatusSink& status);
bool RunDragCommand(AppState& state, QWidget* parent, const StatusSink& status);
bool RunCurveCommand(AppState& state, QWidget* parent, ReportPrinter& printer, CurveKind kind,
                     const StatusSink& status);
// The displacement dialog, after the hull guard; true when it was closed
// with "Ok" (a moved hull is then one undo step).
bool RunDraftCommand(AppState& state, QWidget* parent, const StatusSink& status);

}  // namespace skelmora::app
