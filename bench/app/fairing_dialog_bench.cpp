// One press of an arrow button in a fairing dialog as the designer sees it:
// the nudge, the grid at 50 x 50, the line and its curvature sampled, both
// charts' series replaced and the dialog painted (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "../bench_hull.h"
#include "fairing/fair_columns_dialog.h"
#include "fairing/fair_sheer_dialog.h"
#include "model/app_state.h"

namespace {

using namespace skelmora;
using namespace skelmora::app;

template <typename Dialog>
void DialogNudge(benchmark::State& state) {
  AppState app;
  bench::FillBenchHull(app.design, static_cast<int>(state.range(0)),
                       static_cast<int>(state.range(1)));
  app.Regenerate(Change::kTopology);
  Dialog dialog(app);
  dialog.resize(980, 720);
  dialog.show();
  QApplication::processEvents();
  Nudge nudge = Nudge::kUp;
  for (auto _ : state) {
    dialog.Move(nudge);
    nudge = nudge == Nudge::kUp ? Nudge::kDown : Nudge::kUp;
    dialog.repaint();
  }
  dialog.reject();
}

BENCHMARK_TEMPLATE(DialogNudge, TFair_columnsDlg)->Args({12, 8})->Args({50, 50})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(DialogNudge, TFair_sheerDlg)->Args({12, 8})->Args({50, 50})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
