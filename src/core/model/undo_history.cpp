#include "model/undo_history.h"

#include "model/undo.h"

namespace skelmora {

void UndoHistory::Take(HullDesign& design) const {
  if (Kept()) TakeSnapshot(design, directory_);
}

bool UndoHistory::Undo(HullDesign& design, Surface& surface) const {
  if (!Kept()) {
    design.UndoCount = 0;
    return false;
  }
  return skelmora::Undo(design, surface, directory_);
}

void UndoHistory::Reset(HullDesign& design) const { ResetHistory(design); }

}  // namespace skelmora
