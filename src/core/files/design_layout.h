// The ".s98" design file's layout, line by line, and the undo snapshot's
// variant of it. Both the design writer and reader and the undo history run
// from these tables.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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

// Whether the text's first line is the design file's marker (blanks around
// it allowed). A file without it is no design, whatever its extension.
bool StartsWithDesignMarker(std::string_view text);

// Pieces the older hull file's tables share with this one.

// The vertices of the net, column by column: (LastColumn + 1) x
// (LastRow + 1), each kept within the 51 x 51 net so that a bad count can
// never index past it (the reader checks the counts before the net).
inline int NetRowsWritten(const HullDesign& d) { return ClampIndex(d.LastRow) + 1; }
inline int NetVertexCount(const HullDesign& d) {
  return (ClampIndex(d.LastColumn) + 1) * NetRowsWritten(d);
}
// Coordinate C of vertex i, in that order.
template <float Vertex::*C>
layout::Field<HullDesign> NetCoordinate(int width, int decimals) {
  layout::Field<HullDesign> f;
  f.bind = [](HullDesign& d, int i) -> layout::Slot {
    return &(d.Net[i / NetRowsWritten(d)][i % NetRowsWritten(d)].*C);
  };
  f.view = [](const HullDesign& d, int i) -> layout::ConstSlot {
    return &(d.Net[i / NetRowsWritten(d)][i % NetRowsWritten(d)].*C);
  };
  f.width = width;
  f.decimals = decimals;
  return f;
}

// Checks the older file's readers share with this one. The net's size and
// the tensions (at least 1); both chine counts within 0..10; and, once the
// lists are read, chines strictly inside the net in ascending order whose
// expansion fits the 51 working columns and rows.
bool CheckDesignHeader(const HullDesign& design, const std::string& subject,
                       std::string& message);
bool CheckChineCounts(const HullDesign& design, const std::string& subject,
                      std::string& message);
bool CheckChineLists(const HullDesign& design, const std::string& subject,
                     std::string& message);

// Units, the two tensions, LastColumn and LastRow (written within the
// net), checked by CheckDesignHeader.
layout::Line<HullDesign> DesignHeaderLine();

// The lines from the eleven colours through the perspective angles; the
// special-section lists after flags line 3 only with specialSections.
std::vector<layout::Line<HullDesign>> DesignSettingsLines(bool snapshot, bool specialSections);

}  // namespace skelmora
