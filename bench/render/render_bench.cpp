// One Draw of the realistic window, as the window draws it: the whole call
// sequence by dispatch id into the Vistrel control, the two NURBS surfaces
// of the net tessellated by GLU and rasterised (Mesa llvmpipe under xvfb),
// flushed and swapped, in the window's 818 x 602 picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <string>

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

  // A net of the given last index both ways (50: the largest working net).
  bool UseNet(int last) {
    if (netLast == last) return points->valid;
    bench::FillBenchHull(session.design, last, last);
    session.Regenerate(Change::kTopology);
    BuildRenderControlPoints(*session.surface, *points);
    netLast = last;
    return points->valid && session.surface->working.lastColumn == last &&
           session.surface->working.lastRow == last;
  }
  int netLast = -1;

  RenderFixture() {
    UseNet(50);
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
    ok = true;
  }
};

// Made on first use and put away before the application object goes.
std::unique_ptr<RenderFixture> gFixture;
RenderFixture& Fixture() {
  if (!gFixture) gFixture = std::make_unique<RenderFixture>();
  return *gFixture;
}

void BM_DrawWorkingNet(benchmark::State& state) {
  RenderFixture& f = Fixture();
  if (!f.ok) return state.SkipWithError("no control");
  if (!f.UseNet(static_cast<int>(state.range(1)))) return state.SkipWithError("no such net");
  f.quality = static_cast<int>(state.range(0));
  for (auto _ : state) {
    f.drawn = false;
    f.host.Refresh();
    if (!f.drawn) return state.SkipWithError("the Draw sequence failed");
  }
  const char* quality = f.quality == 0 ? "Low" : f.quality == 1 ? "Medium" : "High";
  state.SetLabel(std::string(quality) + ", " + std::to_string(f.netLast + 1) + " x " +
                 std::to_string(f.netLast + 1) + " net");
}
// Quality 0..2 ("Low", "Medium", "High") on the largest working net, and on
// a 13 x 13 net, where the steps per unit of parameter matter more.
BENCHMARK(BM_DrawWorkingNet)
    ->ArgsProduct({{0, 1, 2}, {50, 12}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
