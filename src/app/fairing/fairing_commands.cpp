#include "fairing/fairing_commands.h"

#include <cstring>
#include <memory>
#include <utility>

#include "fairing/fair_chine_dialog.h"
#include "fairing/fair_columns_dialog.h"
#include "fairing/fair_rows_dialog.h"
#include "fairing/fair_sheer_dialog.h"
#include "fairing/hull_spreadsheet.h"
#include "model/app_state.h"

namespace skelmora::app {

namespace {

std::unique_ptr<FairingDialog> MakeDialog(AppState& state, FairingKind kind, QWidget* parent) {
  switch (kind) {
    case FairingKind::kColumns:
      return std::make_unique<TFair_columnsDlg>(state, parent);
    case FairingKind::kSheer:
      return std::make_unique<TFair_sheerDlg>(state, parent);
    case FairingKind::kRows:
      return std::make_unique<TFair_vertexrows>(state, parent);
    case FairingKind::kChines:
      break;
  }
  return std::make_unique<TFair_chineDlg>(state, parent);
}

bool SameNet(const VertexNet& a, const VertexNet& b) {
  return std::memcmp(a.data(), b.data(), sizeof(VertexNet)) == 0;
}

}  // namespace

bool RunFairingCommand(AppState& state, FairingKind kind, QWidget* parent,
                       const std::function<void(FairingDialog&)>& prepared) {
  HullDesign& design = state.design;
  if (!design.DesignOpen) return false;
  if (kind == FairingKind::kChines && LineIndexRange(design, FairLine::kChine).hi < 1) {
    state.prompter->ShowInformation(kNoChinesMessage);
    return false;
  }
  if (kind == FairingKind::kRows && LineIndexRange(design, FairLine::kRow).hi < 1) {
    state.prompter->ShowInformation(kNoInteriorRowsMessage);
    return false;
  }
  std::unique_ptr<FairingDialog> dialog = MakeDialog(state, kind, parent);
  if (prepared) prepared(*dialog);
  const bool accepted = dialog->exec() == QDialog::Accepted;
  dialog.reset();
  if (!accepted || SameNet(design.Net, design.ScratchNet)) return false;
  // The step records the net from before the dialog: swap it in for the
  // snapshot, then the faired net back.
  std::swap(design.Net, design.ScratchNet);
  state.TakeSnapshot();
  std::swap(design.Net, design.ScratchNet);
  return true;
}

bool RunSpreadsheetCommand(AppState& state, std::function<bool()> save, QWidget* parent,
                           const std::function<void(THullSpreadSheet&)>& prepared) {
  HullDesign& design = state.design;
  if (!design.DesignOpen) return false;
  // Without a kept history there is no undo step; the copy stands in.
  const auto before = std::make_unique<VertexNet>(design.Net);
  const int32_t count = design.UndoCount;
  state.TakeSnapshot();
  const bool stepTaken = design.UndoCount > count;

  THullSpreadSheet sheet(state, std::move(save), parent);
  if (prepared) prepared(sheet);
  const bool accepted = sheet.exec() == QDialog::Accepted;
  if (accepted) {
    state.history.Reset(design);
  } else if (!sheet.savedHere() && !(stepTaken && state.Undo())) {
    design.Net = *before;
  }
  state.Regenerate(Change::kTopology);
  return accepted;
}

}  // namespace skelmora::app
