// Calc › "Stability": the hull guard, then the weights and ballast dialog,
// which runs the stability and shows its results.
#pragma once

class QWidget;

namespace skelmora::app {

class ReportPrinter;

struct AppState;
class FileChooser;

// False when the hull guard refused (the hull has nothing under water).
bool RunStabilityCommand(AppState& state, QWidget* parent, ReportPrinter& printer, FileChooser& files);

}  // namespace skelmora::app
