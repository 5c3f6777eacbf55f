// The undo history as an object: where this session keeps its snapshots,
// or nothing at all (the CLI and most tests), in which case editing takes
// no snapshots and Undo has nothing to restore.
#pragma once

#include <filesystem>
#include <utility>

#include "model/hull_design.h"
#include "surface/surface.h"

namespace skelmora {

class UndoHistory {
 public:
  UndoHistory() = default;
  explicit UndoHistory(std::filesystem::path workDirectory)
      : directory_(std::move(workDirectory)) {}

  bool Kept() const { return !directory_.empty(); }
  const std::filesystem::path& Directory() const { return directory_; }

  // The snapshot before an edit; nothing without a kept history.
  void Take(HullDesign& design) const;
  // Restores the newest snapshot; false, with the design unchanged, when
  // there is none.
  bool Undo(HullDesign& design, Surface& surface) const;
  // A new design, open, import or save starts a new history.
  void Reset(HullDesign& design) const;

 private:
  std::filesystem::path directory_;
};

}  // namespace skelmora
