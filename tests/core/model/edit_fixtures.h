// A design open for editing, with its history directory and a prompter that
// records every message, shared by the net editing tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/files/file_test_support.h"
#include "core/surface/test_nets.h"
#include "files/design_file.h"
#include "model/undo_history.h"

namespace skelmora::edittest {

// Rounded to 1/16 so that every coordinate survives the snapshot's four
// decimals exactly and an undo can be compared bit for bit.
inline float Sixteenth(double value) { return static_cast<float>(std::round(value * 16.0) / 16.0); }

// A boat-like net 8 x 6 intervals long 400, half-beam up to 40, keel at z = -20
// rising to the sheer at z = +20; degree 3 both ways.
inline Vertex BoatAt(int c, int r, int lastColumn = 8, int lastRow = 6) {
  const double s = static_cast<double>(c) / lastColumn;
  const double t = static_cast<double>(r) / lastRow;
  const double beam = 40.0 * std::sin(nets::kPi * (0.15 + 0.7 * s));
  return Vertex{Sixteenth(beam * std::sqrt(t)), Sixteenth(400.0 * s),
                Sixteenth(-20.0 * (1.0 - t) * (0.3 + 0.7 * std::sin(nets::kPi * s)) + 20.0 * t),
                1.0f};
}

class EditTest : public ::testing::Test {
 public:
  void SetUp() override { Open(8, 6, 3, 3); }

  void Open(int lastColumn, int lastRow, int p, int q) {
    HullDesign& d = design();
    d = HullDesign();
    d.DesignOpen = true;
    d.Units = kInches;
    d.LastColumn = lastColumn;
    d.LastRow = lastRow;
    d.WaterlineTension = p;
    d.StationTension = q;
    d.UndoFileFresh = true;
    for (int c = 0; c <= lastColumn; ++c) {
      for (int r = 0; r <= lastRow; ++r) d.Net[c][r] = BoatAt(c, r, lastColumn, lastRow);
    }
    hull.Rebuild();
  }

  void SetRowChines(std::vector<int> rows) {
    design().RowChineCount = static_cast<int>(rows.size());
    for (size_t k = 0; k < rows.size(); ++k) design().RowChines[k] = rows[k];
    hull.Rebuild();
  }
  void SetColumnChines(std::vector<int> columns) {
    design().ColumnChineCount = static_cast<int>(columns.size());
    for (size_t k = 0; k < columns.size(); ++k) design().ColumnChines[k] = columns[k];
    hull.Rebuild();
  }
  std::vector<int> RowChines() {
    return {design().RowChines.begin(), design().RowChines.begin() + design().RowChineCount};
  }
  std::vector<int> ColumnChines() {
    return {design().ColumnChines.begin(),
            design().ColumnChines.begin() + design().ColumnChineCount};
  }

  // Everything an edit may touch: the saved design, the whole net and chine
  // arrays bit for bit, the counts and tensions.
  std::string State() {
    auto copy = std::make_unique<HullDesign>(design());
    std::ostringstream out;
    out << std::hexfloat << FormatDesignText(*copy, false);
    for (const auto& column : design().Net) {
      for (const Vertex& v : column) out << v.x << ' ' << v.y << ' ' << v.z << ' ' << v.w << ';';
    }
    const HullDesign& d = design();
    out << '|' << d.LastColumn << ' ' << d.LastRow << ' ' << d.WaterlineTension << ' '
        << d.StationTension << ' ' << WorkingLastColumn(d) << ' ' << WorkingLastRow(d) << ' '
        << d.ColumnChineCount << ' ' << d.RowChineCount << '|';
    for (int k = 0; k < kMaxChines; ++k) out << d.ColumnChines[k] << ',' << d.RowChines[k] << ' ';
    return out.str();
  }

  // Every message shown, errors and information.
  std::vector<std::string> Messages() const {
    std::vector<std::string> all = prompter.errors;
    all.insert(all.end(), prompter.information.begin(), prompter.information.end());
    return all;
  }

  HullDesign& design() { return hull.d(); }
  Surface& surface() { return hull.s(); }
  const std::filesystem::path& work() const { return dir.path(); }
  const UndoHistory& history() const { return history_; }

  testing::TempDir dir;
  UndoHistory history_{dir.path()};
  nets::Hull hull;
  testing::ScriptedPrompter prompter;
};

}  // namespace skelmora::edittest
