#include "model/chines.h"

#include <algorithm>
#include <string>

#include "model/net_lines.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"

namespace skelmora {

namespace {

NetLines LinesOf(HullDesign& design, ChineKind kind) {
  return kind == ChineKind::kRow ? RowsOf(design) : ColumnsOf(design);
}

bool IsChined(const NetLines& lines, int index) {
  const auto begin = lines.chines.begin();
  return std::find(begin, begin + ChineSlots(lines.chineCount), index) !=
         begin + ChineSlots(lines.chineCount);
}

}  // namespace

bool CanMakeChine(HullDesign& design, Prompter& prompter, ChineKind kind) {
  if (LinesOf(design, kind).tension == 1) {
    prompter.ShowError(kind == ChineKind::kRow ? "Rows already chined! Station Tension=1"
                                               : "Columns already chined! Waterline Tension=1");
    return false;
  }
  return true;
}

bool CanDeleteChine(HullDesign& design, Prompter& prompter, ChineKind kind) {
  if (ChineSlots(LinesOf(design, kind).chineCount) == 0) {
    prompter.ShowError(kind == ChineKind::kRow ? "NO Horizontal chines exist!"
                                               : "NO Vertical chines exist!");
    return false;
  }
  return true;
}

bool MakeChine(HullDesign& design, Surface& surface, const UndoHistory& history,
               Prompter& prompter, ChineKind kind, int index) {
  if (!design.DesignOpen) return false;
  const NetLines lines = LinesOf(design, kind);
  if (!CheckLineIndex(lines, index, prompter)) return false;
  if (!CanMakeChine(design, prompter, kind)) return false;
  if (index == 0 || index == lines.last) {
    prompter.ShowError(lines.rows ? "Cannot Chine Sheer or Fairbody" : "Cannot Chine Bow or Stern");
    return false;
  }
  const int count = ChineSlots(lines.chineCount);
  if (count >= kMaxChines) {
    prompter.ShowError("10 chines already exist! Max Exceeded!");
    return false;
  }
  if (IsChined(lines, index)) {
    prompter.ShowError(lines.rows ? "This row is already chined!"
                                  : "This column is already chined!");
    return false;
  }
  // Each chine repeats its line tension - 1 more times in the working net.
  if (WorkingLast(lines.last, count + 1, lines.tension) > kMaxIndex) {
    const std::string plural = lines.nounPlural();
    prompter.ShowError("Cannot chine this " + std::string(lines.noun()) +
                       ": the surface would need more than 51 working " + plural +
                       ". Delete some " + plural + " or lower the " +
                       (lines.rows ? "station" : "waterline") + " tension first.");
    return false;
  }
  history.Take(design);
  lines.chines[count] = index;
  lines.chineCount = count + 1;
  std::sort(lines.chines.begin(), lines.chines.begin() + count + 1);
  RebuildSurface(design, surface);
  return true;
}

bool DeleteChine(HullDesign& design, Surface& surface, const UndoHistory& history,
                 Prompter& prompter, ChineKind kind, int index) {
  if (!design.DesignOpen) return false;
  const NetLines lines = LinesOf(design, kind);
  const int count = ChineSlots(lines.chineCount);
  if (!CanDeleteChine(design, prompter, kind)) return false;
  if (!CheckLineIndex(lines, index, prompter)) return false;
  if (!IsChined(lines, index)) {
    prompter.ShowError((lines.rows ? "Row " : "Column ") + std::to_string(index) +
                       " is not chined.");
    return false;
  }
  history.Take(design);
  auto end = std::remove(lines.chines.begin(), lines.chines.begin() + count, index);
  const int kept = static_cast<int>(end - lines.chines.begin());
  std::fill(lines.chines.begin() + kept, lines.chines.begin() + count, 999);
  lines.chineCount = kept;
  RebuildSurface(design, surface);
  return true;
}

}  // namespace skelmora
