#include "model/undo.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "files/design_file.h"
#include "model/shape_changed.h"

namespace skelmora {

namespace {

constexpr const char* kHistoryName = "undofile.txt";
constexpr const char* kWorkName = "tempundofile.txt";

bool GiveUp(HullDesign& design) {
  design.UndoCount = 0;
  design.UndoFileFresh = true;
  return false;
}

}  // namespace

void TakeSnapshot(HullDesign& design, const std::filesystem::path& workDirectory) {
  if (!design.DesignOpen || workDirectory.empty()) return;
  ++design.UndoCount;
  // A history that starts at 1 must not keep snapshots of an earlier one.
  const bool startNew = design.UndoFileFresh || design.UndoCount == 1;
  design.UndoFileFresh = false;
  SetWrittenWeights(design);
  const std::string text = FormatDesignText(design, true);
  const std::filesystem::path history = workDirectory / kHistoryName;
  std::FILE* file = std::fopen(history.c_str(), startNew ? "wb" : "ab");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

bool Undo(HullDesign& design, Surface& surface, const std::filesystem::path& workDirectory) {
  if (design.UndoCount <= 0 || workDirectory.empty()) {
    design.UndoCount = 0;
    return false;
  }
  const std::filesystem::path history = workDirectory / kHistoryName;
  const std::filesystem::path work = workDirectory / kWorkName;
  std::error_code ec;

  std::ifstream in(history, std::ios::binary);
  if (!in) return GiveUp(design);
  std::ofstream out(work, std::ios::binary | std::ios::trunc);
  if (!out) return GiveUp(design);

  // The whole line must match, so that snapshot 1 is not taken for 10.
  const std::string wanted = "Undocount=" + std::to_string(design.UndoCount);
  std::string line;
  bool found = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == wanted) {
      found = true;
      break;
    }
    out << line << "\r\n";
  }
  out.close();
  if (!found) {
    std::filesystem::remove(work, ec);
    return GiveUp(design);
  }

  const std::string snapshot((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::string message;
  if (!ParseSnapshotText(design, snapshot, message, kHistoryName)) {
    std::filesystem::remove(work, ec);
    return GiveUp(design);
  }
  std::filesystem::remove(history, ec);
  std::filesystem::rename(work, history, ec);

  RebuildSurface(design, surface);
  design.UndoCount -= 1;
  design.StationSpacing = 0.0;
  design.WaterlineSpacing = 0.0;
  design.ButtockSpacing = 0.0;
  RecomputeExtents(design, surface);
  return true;
}

void ResetHistory(HullDesign& design) {
  design.UndoCount = 0;
  design.UndoFileFresh = true;
}

}  // namespace skelmora
