#include "editing/edit_commands.h"

#include <QWidget>

#include "editing/accuracy_dialog.h"
#include "editing/curve_settings_dialog.h"
#include "editing/edit_vertex_dialog.h"
#include "editing/single_cuts_dialog.h"
#include "editing/stretch_hull_dialog.h"
#include "editing/trim_heel_dialog.h"
#include "editing/vertex_offsets_dialog.h"
#include "model/chines.h"
#include "model/net_rows_columns.h"
#include "surface/section_settings.h"

namespace skelmora::app {

EditCommands::EditCommands(AppState& state, Prompter& prompter, QWidget* dialogParent)
    : QObject(dialogParent), state_(state), prompter_(prompter) {
  rowCol_ = new TRowColDlg(dialogParent);
  editVertex_ = new Teditvertex(state_, dialogParent);
  offsets_ = new Tvertex_offsetsDlg(dialogParent);
  stretch_ = new TstretchHullDlg(state_, dialogParent);
  translate_ = new Ttranslatedlg(state_, dialogParent);
  singleCuts_ = new Tsinglecutsdlg(state_, prompter_, dialogParent);
  trimHeel_ = new TtrimHeelDlg(state_, dialogParent);
  connect(trimHeel_, &TtrimHeelDlg::trimmed, this, &EditCommands::edited);
  connect(trimHeel_, &TtrimHeelDlg::heelChosen, this, &EditCommands::heelChanged);
  connect(rowCol_, &TRowColDlg::indexChosen, this, &EditCommands::RunByIndex);
  connect(rowCol_, &TRowColDlg::closedWithoutIndex, this, &EditCommands::Disarm);
  ResetTool(tool_);
}

EditCommands::~EditCommands() = default;

void EditCommands::Disarm() {
  state_.interaction.armed = ArmedMode::kNone;
  ResetTool(tool_);
  ClearMarks();
  emit modeChanged();
}

void EditCommands::ClearMarks() {
  if (state_.toolMarks.empty()) return;
  state_.toolMarks.clear();
  emit marksChanged();
}

bool EditCommands::ArmWithMouse(ArmedMode mode) {
  HullDesign& design = state_.design;
  switch (mode) {
    case ArmedMode::kDeleteRow:
      if (!CanDeleteRow(design, prompter_)) return false;
      break;
    case ArmedMode::kDeleteColumn:
      if (!CanDeleteColumn(design, prompter_)) return false;
      break;
    // A tension of 1 already breaks every line of that direction; saying so
    // now spares the user a pick that cannot work.
    case ArmedMode::kChineColumn:
      if (!CanMakeChine(design, prompter_, ChineKind::kColumn)) return false;
      break;
    case ArmedMode::kChineRow:
      if (!CanMakeChine(design, prompter_, ChineKind::kRow)) return false;
      break;
    case ArmedMode::kRemoveRowChine:
      if (!CanDeleteChine(design, prompter_, ChineKind::kRow)) return false;
      break;
    default: break;
  }
  state_.interaction.armed = mode;
  emit modeChanged();
  const char* what = "";
  switch (mode) {
    case ArmedMode::kAddRow: what = "Click where the new row goes."; break;
    case ArmedMode::kAddColumn: what = "Click where the new column goes."; break;
    case ArmedMode::kDeleteRow: what = "Click a vertex of the row to delete."; break;
    case ArmedMode::kDeleteColumn: what = "Click a vertex of the column to delete."; break;
    case ArmedMode::kChineColumn: what = "Click a vertex of the column to chine."; break;
    case ArmedMode::kChineRow: what = "Click a vertex of the row to chine."; break;
    case ArmedMode::kRemoveColumnChine: what = "Click a vertex of the chined column."; break;
    case ArmedMode::kRemoveRowChine: what = "Click a vertex of the chined row."; break;
    default: break;
  }
  emit status(QString::fromUtf8(what));
  return true;
}

bool EditCommands::ArmTool(ArmedMode mode, ViewId activeView) {
  if (activeView == kPerspectiveView) {
    emit status(QStringLiteral("Pick the vertices in the body, plan or profile view."));
    return false;
  }
  prompter_.ShowInformation(mode == ArmedMode::kOffset ? kOffsetPrompt : kStartEndPrompt);
  ResetTool(tool_);
  ClearMarks();
  state_.interaction.armed = mode;
  emit modeChanged();
  return true;
}

bool EditCommands::ShowByIndex(TRowColDlg::Operation operation) {
  HullDesign& design = state_.design;
  using Op = TRowColDlg::Operation;
  if (operation == Op::kDeleteRow && !CanDeleteRow(design, prompter_)) return false;
  if (operation == Op::kDeleteColumn && !CanDeleteColumn(design, prompter_)) return false;
  const bool rows = operation == Op::kInsertRowAbove || operation == Op::kDeleteRow;
  // A click in a view must not carry out an older armed mode meanwhile.
  state_.interaction.armed = ArmedMode::kNone;
  emit modeChanged();
  rowCol_->prepare(operation, rows ? design.LastRow : design.LastColumn);
  rowCol_->show();
  rowCol_->raise();
  return true;
}

void EditCommands::RunByIndex(TRowColDlg::Operation operation, int index) {
  HullDesign& design = state_.design;
  Surface& surface = *state_.surface;
  const auto& work = state_.history;
  bool changed = false;
  switch (operation) {
    case TRowColDlg::Operation::kInsertRowAbove:
      changed = InsertRowAbove(design, surface, work, prompter_, index);
      break;
    case TRowColDlg::Operation::kInsertColumnAfter:
      changed = InsertColumnAfter(design, surface, work, prompter_, index);
      break;
    case TRowColDlg::Operation::kDeleteRow:
      changed = DeleteRow(design, surface, work, prompter_, index);
      break;
    case TRowColDlg::Operation::kDeleteColumn:
      changed = DeleteColumn(design, surface, work, prompter_, index);
      break;
  }
  Disarm();
  if (changed) emit edited();
}

void EditCommands::Press(ViewId view, const PressAction& action) {
  HullDesign& design = state_.design;
  Surface& surface = *state_.surface;
  const auto& work = state_.history;
  using Kind = PressAction::Kind;
  bool changed = false;
  switch (action.kind) {
    case Kind::kInsertRowAbove:
      changed = InsertRowAbove(design, surface, work, prompter_, action.row);
      break;
    case Kind::kInsertColumnAfter:
      changed = InsertColumnAfter(design, surface, work, prompter_, action.column);
      break;
    case Kind::kDeleteRow:
      changed = DeleteRow(design, surface, work, prompter_, action.row);
      break;
    case Kind::kDeleteColumn:
      changed = DeleteColumn(design, surface, work, prompter_, action.column);
      break;
    case Kind::kChineColumn:
      changed = MakeChine(design, surface, work, prompter_, ChineKind::kColumn, action.column);
      break;
    case Kind::kChineRow:
      changed = MakeChine(design, surface, work, prompter_, ChineKind::kRow, action.row);
      break;
    case Kind::kRemoveColumnChine:
      changed = DeleteChine(design, surface, work, prompter_, ChineKind::kColumn, action.column);
      break;
    case Kind::kRemoveRowChine:
      changed = DeleteChine(design, surface, work, prompter_, ChineKind::kRow, action.row);
      break;
    case Kind::kToolPick:
      ToolPick(view, action.column, action.row);
      return;
    case Kind::kEditVertex:
      editVertex_->prepare(prompter_);
      editVertex_->exec();
      if (editVertex_->changed() || editVertex_->restored()) emit edited();
      return;
    default: return;
  }
  emit modeChanged();
  if (changed) emit edited();
}

void EditCommands::ToolPick(ViewId view, int column, int row) {
  HullDesign& design = state_.design;
  Surface& surface = *state_.surface;
  const auto& work = state_.history;
  ToolResult result;
  switch (state_.interaction.armed) {
    case ArmedMode::kStraighten:
      result = StraightenPick(tool_, design, surface, work, prompter_, view, column, row);
      break;
    case ArmedMode::kSmooth:
      result = SmoothPick(tool_, design, surface, work, prompter_, view, column, row);
      break;
    case ArmedMode::kOffset:
      result = OffsetPick(tool_, design, prompter_, view, column, row);
      break;
    default: return;
  }
  switch (result.status) {
    case ToolStatus::kWaiting:
      if (result.mark) {
        state_.toolMarks.push_back(ToolMark{view, column, row, result.mark});
        emit marksChanged();
        emit status(QStringLiteral("Vertex %1,%2 marked \"%3\".")
                        .arg(column)
                        .arg(row)
                        .arg(QLatin1String(result.mark)));
      }
      return;
    case ToolStatus::kAskOffsets: {
      offsets_->prepare(design);
      const bool ok = offsets_->exec() == QDialog::Accepted;
      const bool changed =
          ok && ApplyMasterOffsets(tool_, design, surface, work, prompter_, offsets_->offsets());
      Disarm();
      if (changed) emit edited();
      return;
    }
    case ToolStatus::kDone:
      Disarm();
      emit edited();
      return;
    case ToolStatus::kFailed: Disarm(); return;
  }
}

void EditCommands::ChangeUnitsCommand() {
  if (ChangeUnits(state_.design, *state_.surface, state_.history, prompter_)) emit edited();
}

void EditCommands::ExchangeCommand(AxisPair pair) {
  if (!state_.design.DesignOpen) return;
  if (ExchangeAxes(state_.design, *state_.surface, state_.history, pair)) emit edited();
}

void EditCommands::StretchCommand() {
  stretch_->prepare(prompter_);
  if (stretch_->exec() == QDialog::Accepted) emit edited();
}

void EditCommands::ShiftCommand() {
  translate_->prepare(prompter_);
  if (translate_->exec() == QDialog::Accepted) emit edited();
}

void EditCommands::TrimHeelCommand() {
  if (!state_.design.DesignOpen) return;
  trimHeel_->prepare(prompter_);
  trimHeel_->exec();
}

}  // namespace skelmora::app

namespace skelmora::app {

void EditCommands::AccuracyCommand(const std::function<void(QDialog&)>& prepared) {
  if (!state_.design.DesignOpen) return;
  Thullaccuracy dialog(state_.design, qobject_cast<QWidget*>(parent()));
  if (prepared) prepared(dialog);
  const bool ok = dialog.exec() == QDialog::Accepted;
  CloseAccuracy(state_.design, ok);
  emit edited();
}

void EditCommands::CurveSettingsCommand(const std::function<void(QDialog&)>& prepared) {
  if (!state_.design.DesignOpen) return;
  TcurvesetDlg dialog(state_, spacingMode_, qobject_cast<QWidget*>(parent()));
  if (prepared) prepared(dialog);
  dialog.exec();
  spacingMode_ = dialog.spacingMode();
  emit edited();
}

void EditCommands::SpecialSectionsCommand() {
  if (!state_.design.DesignOpen) return;
  singleCuts_->prepare();
  if (singleCuts_->exec() == QDialog::Accepted) emit edited();
}

}  // namespace skelmora::app
