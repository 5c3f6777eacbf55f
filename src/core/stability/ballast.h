// Weights and ballast: the table the designer fills in (cells kept as the
// text typed, row 0 the headings) and the items a stability run takes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace skelmora {

struct BallastItem {
  double weight = 0.0;  // lb / kg; displaced-volume units once a run has converted it
  double beam = 0.0;    // x, model units
  double aftBow = 0.0;  // y, model units
  double height = 0.0;  // z relative to the waterline, model units
};

enum BallastColumn : int { kBallastName = 0, kBallastWeight, kBallastBeam, kBallastAftBow,
                           kBallastHeight, kBallastColumns };

inline constexpr const char* kBallastHeadings[kBallastColumns] = {"Wt Name", "Weight", "Beam",
                                                                  "Aft Bow", "+/-LWL"};
inline constexpr int kBallastInitialRows = 11;  // headings and ten weights
// The most rows (headings included) a table takes, from a file or by adding.
inline constexpr int kBallastMaxRows = 1001;

inline constexpr const char* kWeightsExceedMessage = "ERROR - Weights Exceed Hull Displacement";

using BallastRow = std::array<std::string, kBallastColumns>;

struct BallastTable {
  std::vector<BallastRow> rows;  // rows[0]: the headings

  // The table as the dialog shows it: headings, then rows of "0" and "Name".
  static BallastTable Reset(int rowCount = kBallastInitialRows);
  int RowCount() const { return static_cast<int>(rows.size()); }
};

// "Add New Wt": weight, beam, aft bow and height "0.0", name "Name" and the
// new row count. False when the table is full.
bool AddBallastRow(BallastTable& table);

// "Delete Weight": the rows below move up one. Refused (false) when the
// table has two rows or fewer, or for the heading row or a row it lacks.
bool DeleteBallastRow(BallastTable& table, int row);

// A number cell: empty or "-" is 0; nothing when the text is not a number.
std::optional<double> BallastCellValue(const std::string& text);

// The message for a cell that is not a number: its row (1 = the first
// weight) and column, and its text when that is short and printable.
std::string BallastCellError(const std::string& text, int row, int column);

// The first number cell that is not a number: its row and column, or
// nothing.
struct BallastCell {
  int row = 0;
  int column = 0;
};
std::optional<BallastCell> FirstBadBallastCell(const BallastTable& table);

// The data rows as items; false with the message for the first cell that is
// not a number.
bool BallastItems(const BallastTable& table, std::vector<BallastItem>& items,
                  std::string& message);

// Ballast totals and the centre of gravity with them.
struct BallastTotals {
  double weight = 0.0;   // W, lb / kg
  double vcg = 0.0;      // weight-weighted means; 0 when W is 0
  double lcg = 0.0;
  double tcg = 0.0;
  double netVcg = 0.0;   // ((hull - W) x hull value + W x ballast value) / hull
  double netLcg = 0.0;
  bool exceedsHull = false;  // W above the hull weight: kWeightsExceedMessage
};
BallastTotals ComputeBallastTotals(const std::vector<BallastItem>& items, double hullWeight,
                                   double hullVcg, double hullLcg);

// Every height cell moved by -shift and written back with one decimal.
bool ShiftBallastHeights(BallastTable& table, double shift, std::string& message);

}  // namespace skelmora
