// Calc › "Loading Conditions" as the main window runs it: the hull guard,
// then the window. The design is only read.
#pragma once

class QWidget;

namespace skelmora::app {

struct AppState;
class FileChooser;
class ReportPrinter;

// False when the hull guard refused; the window was not shown.
bool RunLoadingCommand(AppState& state, QWidget* parent, ReportPrinter& printer,
                       FileChooser& files);

}  // namespace skelmora::app
