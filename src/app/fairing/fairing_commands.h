// Edit › the four Fair commands and Edit › "Visual vertex spreadsheet":
// the guards, the modal dialog, and the undo step afterwards.
#pragma once

#include <functional>

class QWidget;

namespace skelmora::app {

struct AppState;
class FairingDialog;
class THullSpreadSheet;

enum class FairingKind { kColumns, kSheer, kRows, kChines };

// Runs the dialog modally (prepared, when given, acts on it once it is
// built, as a test does). After OK with the net changed, the undo step
// holds the net as it was when the dialog opened, so Edit › Undo takes the
// fairing back; Cancel leaves the history as it was. False when a guard
// refused (no chines, no interior rows) or nothing changed.
bool RunFairingCommand(AppState& state, FairingKind kind, QWidget* parent,
                       const std::function<void(FairingDialog&)>& prepared = {});

// Edit › "Visual vertex spreadsheet": an undo step, then the spreadsheet.
// OK writes the grid, rebuilds the surface and clears the history; Cancel
// takes the undo step back at once, so the net is as it was before the
// spreadsheet opened (unless the design was saved from it meanwhile).
// save is the "Save" button's flow. True after OK.
bool RunSpreadsheetCommand(AppState& state, std::function<bool()> save, QWidget* parent,
                           const std::function<void(THullSpreadSheet&)>& prepared = {});

}  // namespace skelmora::app
