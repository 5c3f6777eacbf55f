// The net-editing commands of the Edit, Spline and Tools menus: they arm
// the views' one-shot modes or show their dialog, and carry out what a
// click in a view asks for (ViewWindow::pressCommand). After every change
// of the design they emit edited(); the main window refreshes from it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "editing/row_col_dialog.h"
#include "model/app_state.h"
#include "model/row_column_tools.h"
#include "model/units_axes.h"
#include "views/picking.h"

class QDialog;
class QWidget;

namespace skelmora::app {

class Teditvertex;
class Tsinglecutsdlg;
class TstretchHullDlg;
class Ttranslatedlg;
class TtrimHeelDlg;
class Tvertex_offsetsDlg;

class EditCommands : public QObject {
  Q_OBJECT

 public:
  EditCommands(AppState& state, Prompter& prompter, QWidget* dialogParent);
  ~EditCommands() override;

  // One-shot modes carried out by the next click in a view. False when a
  // guard refused (its message has been shown).
  bool ArmWithMouse(ArmedMode mode);
  // Picks of START / END (and master): not from the perspective view.
  bool ArmTool(ArmedMode mode, ViewId activeView);
  // The row / column dialog, modeless; the index runs the operation.
  bool ShowByIndex(TRowColDlg::Operation operation);

  void ChangeUnitsCommand();
  void ExchangeCommand(AxisPair pair);
  void StretchCommand();
  void ShiftCommand();
  // Tools › "&Trim / Heel hull": trims are edits, a chosen heel repaints.
  void TrimHeelCommand();
  // "Hull Surface Accuracy", created for each use. `prepared` lets a caller
  // (a test) act on the dialog before it runs.
  void AccuracyCommand(const std::function<void(QDialog&)>& prepared = {});
  // "Single Stations, Waterlines, Buttocks"; on OK the views repaint.
  void SpecialSectionsCommand();
  // "Station, Waterline & Buttock Settings", created for each use.
  void CurveSettingsCommand(const std::function<void(QDialog&)>& prepared = {});

  // A click in `view` that asks for an editing operation.
  void Press(ViewId view, const PressAction& action);

  TRowColDlg* rowColumnDialog() const { return rowCol_; }
  Teditvertex* vertexDialog() const { return editVertex_; }
  Tvertex_offsetsDlg* offsetsDialog() const { return offsets_; }
  TstretchHullDlg* stretchDialog() const { return stretch_; }
  Ttranslatedlg* translateDialog() const { return translate_; }
  TtrimHeelDlg* trimHeelDialog() const { return trimHeel_; }
  Tsinglecutsdlg* singleCutsDialog() const { return singleCuts_; }
  const RowColumnTool& tool() const { return tool_; }

 signals:
  // The design changed: recompute extents, repaint, Undo and tension labels.
  void edited();
  // A mode was armed or disarmed: the views' cursors follow.
  void modeChanged();
  // A tool mark came or went: the views repaint.
  void marksChanged();
  // The body view is to show another heel.
  void heelChanged();
  void status(const QString& text);

 private:
  void RunByIndex(TRowColDlg::Operation operation, int index);
  void ToolPick(ViewId view, int column, int row);
  void Disarm();
  void ClearMarks();

  AppState& state_;
  Prompter& prompter_;
  RowColumnTool tool_;
  TRowColDlg* rowCol_ = nullptr;
  Teditvertex* editVertex_ = nullptr;
  Tvertex_offsetsDlg* offsets_ = nullptr;
  TstretchHullDlg* stretch_ = nullptr;
  Ttranslatedlg* translate_ = nullptr;
  TtrimHeelDlg* trimHeel_ = nullptr;
  Tsinglecutsdlg* singleCuts_ = nullptr;
  bool spacingMode_ = false;  // "Spacing" chosen last time in the curve settings
};

}  // namespace skelmora::app
