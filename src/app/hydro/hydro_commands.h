// The Calc menu's calculations as the main window runs them: guard, compute
// under the hourglass with the stage in the status text, then the window.
#pragma once

#include <QString>
#include <functional>

#include "hydro/curves.h"

class QPrinter;
class QWidget;

namespace skelmora::app {

struct AppState;

using StatusSink = std::function<void(const QString&)>;

// Hydrostatics and the report; withGuard is the menu item's hull guard
// (the tool button runs without it). True when the report was shown.
bool RunHydrostaticsCommand(AppState& state, QWidget* parent, QPrinter& printer, bool withGuard,
                            const StatusSink& status);
bool RunDragCommand(AppState& state, QWidget* parent, const StatusSink& status);
bool RunCurveCommand(AppState& state, QWidget* parent, QPrinter& printer, CurveKind kind,
                     const StatusSink& status);
// The displacement dialog; true when it was closed with "Ok".
bool RunDraftCommand(AppState& state, QWidget* parent, const StatusSink& status);

}  // namespace skelmora::app
