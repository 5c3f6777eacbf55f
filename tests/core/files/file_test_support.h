// Helpers shared by the file and undo tests: a private temp directory, whole
// file I/O, CR LF joining and a prompter answering from a script.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <optional>
#include <string>
#include <vector>

#include "files/design_file.h"
#include "model/hull_design.h"
#include "model/prompter.h"
#include "support/recording_prompter.h"

namespace skelmora::testing {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skelmora-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Names of everything in the directory, sorted.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// Splits on CR LF; the text must end with one.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

// Answers Yes/No questions from a script and records every text shown.
// The shared prompter answering Yes / No from a list; a question or input
// box beyond the list fails the test.
class ScriptedPrompter : public RecordingPrompter {
 public:
  explicit ScriptedPrompter(std::deque<bool> script = {}) {
    for (bool yes : script) answers.push_back(yes ? 1 : 0);
    unscriptedAnswer = 0;
    onUnscripted = [](const std::string& what) { ADD_FAILURE() << "unexpected " << what; };
  }
};

// Everything a design holds, saved or run-time (the net and lists in full,
// past their counts), so two designs compare equal only if nothing differs.
inline std::string Fingerprint(const HullDesign& design) {
  auto copy = std::make_unique<HullDesign>(design);
  std::ostringstream out;
  out << std::hexfloat;
  out << FormatDesignText(*copy, false) << FormatDesignText(*copy, true);
  for (const auto& column : design.Net) {
    for (const Vertex& v : column) out << v.x << ' ' << v.y << ' ' << v.z << ' ' << v.w << ';';
  }
  for (double value : design.SpecialStations) out << value << ' ';
  for (double value : design.SpecialWaterlines) out << value << ' ';
  for (double value : design.SpecialButtocks) out << value << ' ';
  for (double value : design.DesignDimensions) out << value << ' ';
  for (bool zoomed : design.ViewZoomed) out << zoomed;
  out << '|' << design.SpecialStationCount << ' ' << design.SpecialWaterlineCount << ' '
      << design.SpecialButtockCount << ' ' << design.ColumnChineCount << ' '
      << design.RowChineCount << ' ' << WorkingLastColumn(design) << ' ' << WorkingLastRow(design)
      << ' ' << design.DesignOpen << ' ' << design.DesignFileName << '|'
      << design.ProgramDirectory << '|' << design.DesignDirectory << '|' << design.UndoCount
      << ' ' << design.UndoFileFresh << ' ' << design.UserBowOffset << ' '
      << design.ExtentsValid << ' ' << design.PickedColumn << ' ' << design.PickedRow << ' '
      << design.ColumnDivisions << ' ' << design.RowDivisions << ' '
      << design.BodyViewOpen << design.PlanViewOpen << design.ProfileViewOpen
      << design.PerspectiveViewOpen;
  return out.str();
}

}  // namespace skelmora::testing
