// One net editing command from start to finish: the undo snapshot written to
// disk, the change, and the surface update at the default 50 x 50 divisions.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "bench_hull.h"
#include "model/chines.h"
#include "model/hull_design.h"
#include "model/net_rows_columns.h"
#include "model/prompter.h"
#include "model/row_column_tools.h"
#include "model/shape_changed.h"
#include "model/tension.h"
#include "model/units_axes.h"
#include "shapes/stretch_translate.h"
#include "surface/surface.h"

namespace skelmora {
namespace {

class YesPrompter : public Prompter {
 public:
  bool AskYesNo(const std::string&) override { return true; }
  void ShowError(const std::string&) override {}
  void ShowInformation(const std::string&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
};

// A 30 ft hull in inches, degree 3 both ways, one chined row, open for
// editing with its history in a private directory.
struct EditBench {
  DesignSession session;
  HullDesign& design = session.design;
  Surface& surface = *session.surface;
  std::unique_ptr<HullDesign> saved;
  std::filesystem::path work;
  UndoHistory history;
  YesPrompter prompter;

  EditBench(int lastColumn, int lastRow) {
    HullDesign& d = design;
    bench::FillBenchHull(d, lastColumn, lastRow);
    d.UndoFileFresh = true;
    d.RowChineCount = 1;
    d.RowChines[0] = lastRow / 2;
    session.Regenerate(Change::kTopology);
    saved = std::make_unique<HullDesign>(d);
    std::string pattern =
        (std::filesystem::temp_directory_path() / "skelmora-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
      work = pattern;
      history = UndoHistory(work);
    }
  }
  ~EditBench() {
    std::error_code ec;
    std::filesystem::remove_all(work, ec);
  }
};

using Edit = std::function<bool(EditBench&)>;

// Each iteration starts from the same design, so every snapshot starts a
// fresh history file of one step.
void RunEdit(benchmark::State& state, int lastColumn, int lastRow, const Edit& edit) {
  EditBench bench(lastColumn, lastRow);
  if (bench.work.empty()) {
    state.SkipWithError("no work directory");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    bench.design = *bench.saved;
    state.ResumeTiming();
    if (!edit(bench)) {
      state.SkipWithError("the edit was refused");
      return;
    }
    benchmark::DoNotOptimize(bench.surface.grid[25][25]);
    benchmark::ClobberMemory();
  }
}

bool Straighten(EditBench& b, bool smooth) {
  RowColumnTool tool;
  auto pick = smooth ? SmoothPick : StraightenPick;
  const int row = b.design.LastRow / 2 + 1;
  pick(tool, b.design, b.surface, b.history, b.prompter, kProfileView, 1, row);
  return pick(tool, b.design, b.surface, b.history, b.prompter, kProfileView,
              b.design.LastColumn - 1, row)
             .status == ToolStatus::kDone;
}

const std::pair<const char*, Edit> kEdits[] = {
    {"InsertRowAbove",
     [](EditBench& b) { return InsertRowAbove(b.design, b.surface, b.history, b.prompter, 1); }},
    {"DeleteColumn",
     [](EditBench& b) { return DeleteColumn(b.design, b.surface, b.history, b.prompter, 3); }},
    {"MakeChine",
     [](EditBench& b) {
       return MakeChine(b.design, b.surface, b.history, b.prompter, ChineKind::kColumn, 4);
     }},
    {"ChangeTension",
     [](EditBench& b) { return ChangeTension(b.design, b.surface, b.history, b.prompter, 2, 4); }},
    {"Straighten", [](EditBench& b) { return Straighten(b, false); }},
    {"Smooth", [](EditBench& b) { return Straighten(b, true); }},
    {"ChangeUnits",
     [](EditBench& b) { return ChangeUnits(b.design, b.surface, b.history, b.prompter); }},
    {"ExchangeLengthHeight",
     [](EditBench& b) {
       return ExchangeAxes(b.design, b.surface, b.history, AxisPair::kLengthHeight);
     }},
    {"StretchOverall",
     [](EditBench& b) {
       return StretchHull(b.design, b.surface, b.history, b.prompter, StretchMode::kScaleByPercent,
                          HullParameter::kOverall, 10.0);
     }},
    {"BowToZero",
     [](EditBench& b) {
       return TranslateHull(b.design, b.surface, b.history, ShiftKind::kBowToZero);
     }},
};

// The typical 13 x 9 net, and the full 51 x 51 net for the operations whose
// snapshot and grid grow with it.
void RegisterEdits() {
  for (const auto& [name, edit] : kEdits) {
    benchmark::RegisterBenchmark(
        (std::string("BM_Edit_") + name + "/13x9").c_str(),
        [edit = edit](benchmark::State& state) { RunEdit(state, 12, 8, edit); })
        ->Unit(benchmark::kMillisecond);
  }
  for (const char* name : {"BowToZero", "ExchangeLengthHeight", "ChangeUnits"}) {
    const auto found = std::find_if(std::begin(kEdits), std::end(kEdits),
                                    [&](const auto& e) { return std::string(e.first) == name; });
    benchmark::RegisterBenchmark(
        (std::string("BM_Edit_") + name + "/50x40").c_str(),
        [edit = found->second](benchmark::State& state) { RunEdit(state, 49, 39, edit); })
        ->Unit(benchmark::kMillisecond);
  }
}

const bool kRegistered = (RegisterEdits(), true);

}  // namespace
}  // namespace skelmora
