// The ".s98" design file's layout, line by line, and the undo snapshot's
// variant of it. Both the design writer and reader and the undo history run
// from these tables.
#pragma once

#include "files/layout_table.h"
#include "model/hull_design.h"

namespace skelmora {

using DesignTable = layout::Table<HullDesign>;

// The design file: "111234", the net, the settings, the perspective angles,
// then the chine block as its trailer.
const DesignTable& DesignFileTable();

// The same with two differences: the first line is "Undocount=" and
// UndoCount (written only; the history reader finds a snapshot by it), and
// the first four flags of flags line 1 are the open flags, not the draw flags.
const DesignTable& SnapshotTable();

}  // namespace skelmora
