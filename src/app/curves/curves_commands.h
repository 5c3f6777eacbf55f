// Calc › "Hydrostatic Curves" and "Cross Curves (KN)" as the main window runs
// them: the hull guard, then the window computed once for its first
// settings. Neither changes the design.
#pragma once

class QWidget;

namespace skelmora::app {

struct AppState;
class ReportPrinter;

// False when the hull guard refused; the window was not shown.
bool RunHydroCurvesCommand(AppState& state, QWidget* parent, ReportPrinter& printer);
bool RunCrossCurvesCommand(AppState& state, QWidget* parent, ReportPrinter& printer);

}  // namespace skelmora::app
