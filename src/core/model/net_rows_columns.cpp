#include "model/net_rows_columns.h"

#include <string>

#include "model/net_lines.h"
#include "model/shape_changed.h"
#include "model/undo_history.h"

namespace skelmora {

namespace {

bool CanDelete(int last, int tension, Prompter& prompter) {
  if (last > tension + 1) return true;
  prompter.ShowError(kTooFewToDelete);
  return false;
}

bool InsertLine(HullDesign& design, const NetLines& lines, Surface& surface,
                const UndoHistory& history, Prompter& prompter, int index) {
  if (!design.DesignOpen || !CheckLineIndex(lines, index, prompter)) return false;
  if (index == lines.last) {
    const std::string at = std::to_string(index);
    prompter.ShowError(lines.rows ? "Cannot add a row above the top row (row " + at +
                                        "): pick a lower row."
                                  : "Cannot add a column after the last column (column " + at +
                                        "): pick an earlier column.");
    return false;
  }
  if (WorkingLast(lines.last, ChineSlots(lines.chineCount), lines.tension) + 1 > kMaxIndex) {
    prompter.ShowError(lines.rows ? kTooManyRows : kTooManyColumns);
    return false;
  }
  history.Take(design);

  for (int k = 0; k < ChineSlots(lines.chineCount); ++k) {
    if (lines.chines[k] > index) ++lines.chines[k];
  }
  lines.last += 1;
  const int along = ClampIndex(lines.alongLast);
  for (int a = 0; a <= along; ++a) {
    for (int l = lines.last; l >= index + 2; --l) {
      lines.At(design.Net, l, a) = lines.At(design.Net, l - 1, a);
    }
    const Vertex& below = lines.At(design.Net, index, a);
    const Vertex& above = lines.At(design.Net, index + 2, a);
    lines.At(design.Net, index + 1, a) = Vertex{
        (below.x + above.x) / 2.0f, (below.y + above.y) / 2.0f, (below.z + above.z) / 2.0f, 1.0f};
  }
  RebuildSurface(design, surface);
  return true;
}

bool DeleteLine(HullDesign& design, const NetLines& lines, Surface& surface,
                const UndoHistory& history, Prompter& prompter, int index) {
  if (!design.DesignOpen || !CheckLineIndex(lines, index, prompter)) return false;
  if (!CanDelete(lines.last, lines.tension, prompter)) return false;
  history.Take(design);

  const int newLast = lines.last - 1;
  int kept = 0;
  for (int k = 0; k < ChineSlots(lines.chineCount); ++k) {
    const int chine = lines.chines[k];
    if (chine == index) continue;
    const int moved = chine > index ? chine - 1 : chine;
    if (moved <= 0 || moved >= newLast) continue;
    lines.chines[kept++] = moved;
  }
  lines.chineCount = kept;

  const int along = ClampIndex(lines.alongLast);
  for (int a = 0; a <= along; ++a) {
    for (int l = index; l < lines.last; ++l) {
      lines.At(design.Net, l, a) = lines.At(design.Net, l + 1, a);
    }
    lines.At(design.Net, lines.last, a) = Vertex{};
  }
  lines.last = newLast;
  RebuildSurface(design, surface);
  return true;
}

}  // namespace

bool CanDeleteRow(const HullDesign& design, Prompter& prompter) {
  return CanDelete(design.LastRow, design.StationTension, prompter);
}

bool CanDeleteColumn(const HullDesign& design, Prompter& prompter) {
  return CanDelete(design.LastColumn, design.WaterlineTension, prompter);
}

bool InsertRowAbove(HullDesign& design, Surface& surface,
                    const UndoHistory& history, Prompter& prompter, int row) {
  return InsertLine(design, RowsOf(design), surface, history, prompter, row);
}

bool InsertColumnAfter(HullDesign& design, Surface& surface,
                       const UndoHistory& history, Prompter& prompter, int column) {
  return InsertLine(design, ColumnsOf(design), surface, history, prompter, column);
}

bool DeleteRow(HullDesign& design, Surface& surface, const UndoHistory& history,
               Prompter& prompter, int row) {
  return DeleteLine(design, RowsOf(design), surface, history, prompter, row);
}

bool DeleteColumn(HullDesign& design, Surface& surface, const UndoHistory& history,
                  Prompter& prompter, int column) {
  return DeleteLine(design, ColumnsOf(design), surface, history, prompter, column);
}

}  // namespace skelmora
