// One direction of the vertex net seen as a list of lines: the rows (a row
// runs along the columns) or the columns. The row and column edits are the
// same operation in either direction, so they are written once against this.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/hull_design.h"
#include "model/prompter.h"

namespace skelmora {

struct NetLines {
  bool rows;
  int32_t& last;        // LastRow or LastColumn
  int32_t& alongLast;   // the other direction's last index
  int32_t& tension;     // StationTension for rows, WaterlineTension for columns
  int32_t& chineCount;  // RowChineCount or ColumnChineCount
  std::array<int32_t, kMaxChines>& chines;

  // The vertex of line `line` at position `along` on it.
  Vertex& At(VertexNet& net, int line, int along) const {
    return rows ? net[along][line] : net[line][along];
  }
  const char* noun() const { return rows ? "row" : "column"; }
  const char* nounPlural() const { return rows ? "rows" : "columns"; }
};

inline NetLines RowsOf(HullDesign& d) {
  return {true, d.LastRow, d.LastColumn, d.StationTension, d.RowChineCount, d.RowChines};
}
inline NetLines ColumnsOf(HullDesign& d) {
  return {false, d.LastColumn, d.LastRow, d.WaterlineTension, d.ColumnChineCount, d.ColumnChines};
}

inline int ChineSlots(int32_t count) { return std::clamp<int32_t>(count, 0, kMaxChines); }

// The working last index a direction would have with these values; the
// working net holds at most 51 entries, so this must stay at most 50.
inline int WorkingLast(int last, int chineCount, int tension) {
  return chineCount * (tension - 1) + last;
}

// Refuses an index outside 0..last with a message.
inline bool CheckLineIndex(const NetLines& lines, int index, Prompter& prompter) {
  if (index >= 0 && index <= lines.last && index <= kMaxIndex) return true;
  const std::string noun = lines.noun();
  prompter.ShowError("There is no " + noun + " " + std::to_string(index) + ": the " +
                     lines.nounPlural() + " are numbered 0 to " +
                     std::to_string(ClampIndex(lines.last)) + ".");
  return false;
}

}  // namespace skelmora
