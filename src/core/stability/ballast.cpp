#include "stability/ballast.h"

#include <algorithm>
#include <string_view>

#include "files/text_io.h"
#include "stability/fixed_text.h"

namespace skelmora {

BallastTable BallastTable::Reset(int rowCount) {
  BallastTable table;
  table.rows.resize(static_cast<size_t>(std::max(rowCount, 1)));
  for (int c = 0; c < kBallastColumns; ++c) table.rows[0][c] = kBallastHeadings[c];
  for (size_t r = 1; r < table.rows.size(); ++r) {
    table.rows[r] = {"Name", "0", "0", "0", "0"};
  }
  return table;
}

bool AddBallastRow(BallastTable& table) {
  if (table.RowCount() >= kBallastMaxRows) return false;
  table.rows.push_back({"Name" + std::to_string(table.RowCount() + 1), "0.0", "0.0", "0.0", "0.0"});
  return true;
}

bool DeleteBallastRow(BallastTable& table, int row) {
  if (table.RowCount() <= 2 || row < 1 || row >= table.RowCount()) return false;
  table.rows.erase(table.rows.begin() + row);
  return true;
}

std::optional<double> BallastCellValue(const std::string& text) {
  // Cells written back by a shift are right-aligned with blanks.
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0.0;
  const std::string_view cell =
      std::string_view(text).substr(first, text.find_last_not_of(' ') - first + 1);
  if (cell == "-") return 0.0;
  return TryParseReal(cell);
}

std::string BallastCellError(const std::string& text, int row, int column) {
  const bool printable =
      text.size() <= 40 && std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f;
      });
  const std::string where = "Row " + std::to_string(row) + ", \"" +
                            kBallastHeadings[std::clamp(column, 0, kBallastColumns - 1)] + "\": ";
  return where + (printable ? "'" + text + "' is not a valid floating point value"
                            : std::string("the cell is not a number"));
}

std::optional<BallastCell> FirstBadBallastCell(const BallastTable& table) {
  for (size_t r = 1; r < table.rows.size(); ++r) {
    for (int c = kBallastWeight; c < kBallastColumns; ++c) {
      if (!BallastCellValue(table.rows[r][c])) return BallastCell{static_cast<int>(r), c};
    }
  }
  return std::nullopt;
}

bool BallastItems(const BallastTable& table, std::vector<BallastItem>& items,
                  std::string& message) {
  items.clear();
  for (size_t r = 1; r < table.rows.size(); ++r) {
    double values[kBallastColumns] = {};
    for (int c = kBallastWeight; c < kBallastColumns; ++c) {
      const std::optional<double> value = BallastCellValue(table.rows[r][c]);
      if (!value) {
        message = BallastCellError(table.rows[r][c], static_cast<int>(r), c);
        items.clear();
        return false;
      }
      values[c] = *value;
    }
    items.push_back(BallastItem{values[kBallastWeight], values[kBallastBeam],
                                values[kBallastAftBow], values[kBallastHeight]});
  }
  return true;
}

BallastTotals ComputeBallastTotals(const std::vector<BallastItem>& items, double hullWeight,
                                   double hullVcg, double hullLcg) {
  BallastTotals totals;
  double heights = 0.0, aftBows = 0.0, beams = 0.0;
  for (const BallastItem& item : items) {
    totals.weight += item.weight;
    heights += item.weight * item.height;
    aftBows += item.weight * item.aftBow;
    beams += item.weight * item.beam;
  }
  if (totals.weight != 0.0) {
    totals.vcg = heights / totals.weight;
    totals.lcg = aftBows / totals.weight;
    totals.tcg = beams / totals.weight;
  }
  totals.exceedsHull = totals.weight > hullWeight;
  if (hullWeight != 0.0) {
    totals.netVcg = ((hullWeight - totals.weight) * hullVcg + totals.weight * totals.vcg) /
                    hullWeight;
    totals.netLcg = ((hullWeight - totals.weight) * hullLcg + totals.weight * totals.lcg) /
                    hullWeight;
  } else {
    totals.netVcg = hullVcg;
    totals.netLcg = hullLcg;
  }
  return totals;
}

bool ShiftBallastHeights(BallastTable& table, double shift, std::string& message) {
  std::vector<double> heights;
  for (size_t r = 1; r < table.rows.size(); ++r) {
    const std::optional<double> value = BallastCellValue(table.rows[r][kBallastHeight]);
    if (!value) {
      message = BallastCellError(table.rows[r][kBallastHeight], static_cast<int>(r),
                                 kBallastHeight);
      return false;
    }
    heights.push_back(*value);
  }
  for (size_t r = 1; r < table.rows.size(); ++r) {
    table.rows[r][kBallastHeight] = StabilityFixed(heights[r - 1] - shift, 6, 1);
  }
  return true;
}

}  // namespace skelmora
