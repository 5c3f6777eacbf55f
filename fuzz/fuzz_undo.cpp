// Undo history reader: the input is a history file, undone step by step as
// far as it goes. Each step either restores a design that the writer saves
// and the reader reads back, or is refused with the design as it was and an
// empty history. Seeds with a full 51 x 51 net run to about 250 kB: fuzz
// with -max_len=400000.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "files/design_file.h"
#include "model/hull_design.h"
#include "model/undo.h"
#include "surface/surface.h"

using namespace skelmora;

namespace {

// One private directory for the run's history file, removed at exit.
class WorkDirectory {
 public:
  WorkDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-undo-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~WorkDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The snapshot text after its "Undocount=" line, as the history holds it.
std::string_view Body(std::string_view snapshot) {
  return snapshot.substr(snapshot.find('\n') + 1);
}

// What the history restored must be a design its writer and reader agree on
// (the first pass may round values: a weight of 0.00001 comes back as 1).
void CheckWritesAndReadsBack(const HullDesign& design) {
  const std::string first = FormatDesignText(design, true);
  auto again = std::make_unique<HullDesign>();
  again->UndoCount = design.UndoCount;
  std::string message;
  if (!ParseSnapshotText(*again, Body(first), message)) std::abort();
  const std::string second = FormatDesignText(*again, true);
  if (!ParseSnapshotText(*again, Body(second), message)) std::abort();
  if (FormatDesignText(*again, true) != second) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const WorkDirectory work;
  // Everything in the surface is derived from the design, so one serves all
  // inputs; allocating 1.7 MB per input would dominate the run time.
  static const auto surface = std::make_unique<Surface>();
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::FILE* file = std::fopen((work.path() / "undofile.txt").c_str(), "wb");
  if (!file) std::abort();
  if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) std::abort();
  std::fclose(file);

  // As many steps as the history names, within reason: each undo reads the
  // whole file.
  int steps = 0;
  for (size_t at = 0; at < text.size() && steps < 16; ++at) {
    if ((at == 0 || text[at - 1] == '\n') && text.substr(at, 10) == "Undocount=") ++steps;
  }

  auto design = std::make_unique<HullDesign>();
  design->DesignOpen = true;
  // A coarse grid still runs every evaluation path, many times faster.
  design->ColumnDivisions = design->RowDivisions = 6;
  design->UndoCount = steps;
  while (design->UndoCount > 0) {
    const int count = design->UndoCount;
    const std::string before = FormatDesignText(*design, false);
    if (Undo(*design, *surface, work.path())) {
      if (design->UndoCount != count - 1 || !design->DesignOpen) std::abort();
      CheckWritesAndReadsBack(*design);
    } else {
      if (design->UndoCount != 0 || !design->UndoFileFresh) std::abort();
      if (FormatDesignText(*design, false) != before) std::abort();
    }
    if (std::filesystem::exists(work.path() / "tempundofile.txt")) std::abort();
  }
  return 0;
}
