// One Draw of the realistic window, as the window draws it: the whole call
// sequence by dispatch id into the Vistrel control, the two NURBS surfaces
// of a 51 x 51 working net tessellated by GLU and rasterised (Mesa llvmpipe
// under xvfb), flushed and swapped, in the window's 818 x 602 picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

#include "bench_hull.h"
#include "render/gl_control_data.h"
#include "render/render_draw.h"
#include "render/render_host.h"
#include "render/render_view.h"

namespace {

using namespace skelmora;
using namespace skelmora::app;

struct RenderFixture {
  DesignSession session;
  std::unique_ptr<RenderControlPoints> points = std::make_unique<RenderControlPoints>();
  RenderViewState view;
  QWidget parent;
  RenderHost host;
  int quality = 0;
  bool ok = false;
  bool drawn = false;

  RenderFixture() {
    bench::FillBenchHull(session.design, 50, 50);
    session.ShapeChanged();
    BuildRenderControlPoints(*session.surface, *points);
    ResetRenderView(view, 80, 80, 80);
    parent.setFixedSize(818, 602);
    const std::vector<uint8_t> stored(std::begin(kGlControlData), std::end(kGlControlData));
    if (!points->valid ||
        host.Load(&parent, stored, ShippedControlLibraries()) != RenderHost::Status::kReady)
      return;
    host.setDrawHandler([this](hosting::Dispatch& control) {
      drawn = DrawRenderedHull(control, view, quality, 818.0 / 602.0, *points);
    });
    host.setGeometry(0, 0, 818, 602);
    parent.show();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ok = session.surface->working.lastColumn == 50 && session.surface->working.lastRow == 50;
  }
};

// Made on first use and put away before the application object goes.
std::unique_ptr<RenderFixture> gFixture;
RenderFixture& Fixture() {
  if (!gFixture) gFixture = std::make_unique<RenderFixture>();
  return *gFixture;
}

void BM_DrawWorkingNet51(benchmark::State& state) {
  RenderFixture& f = Fixture();
  if (!f.ok) return state.SkipWithError("no control, or the net is not 51 x 51");
  f.quality = static_cast<int>(state.range(0));
  for (auto _ : state) {
    f.drawn = false;
    f.host.Refresh();
    if (!f.drawn) return state.SkipWithError("the Draw sequence failed");
  }
  state.SetLabel(f.quality == 0 ? "Low, 10 steps" : f.quality == 1 ? "Medium, 20 steps" : "High, 75 steps");
}
BENCHMARK(BM_DrawWorkingNet51)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // A registry of the benchmark's own: the program's copy is registered there.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  gFixture.reset();
  return 0;
}
