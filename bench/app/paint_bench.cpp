// Painting one view: the display list of a full window (net, stations,
// waterlines, buttocks, edges) through QPainter onto an 800 x 600 image,
// as the windows paint it (offscreen, no display needed).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>
#include <string>

#include "files/design_file.h"
#include "model/design_session.h"
#include "model/shown_calculations.h"
#include "views/draw_design.h"
#include "views/paint_list.h"

namespace {

using namespace skelmora;
using namespace skelmora::app;

struct ViewFixture {
  DesignSession session;
  HullDesign& design = session.design;
  Surface& surface = *session.surface;
  std::unique_ptr<DrawScratch> scratch = std::make_unique<DrawScratch>();
  ViewOptions options;
  ViewState state;
  DisplayList list;
  bool ok = false;

  ViewFixture(const char* file, ViewId view, int divisions) {
    std::string message;
    ok = ReadDesignFile(design, surface, std::string(SKELMORA_EXAMPLES_DIR) + "/" + file,
                        message);
    if (!ok) return;
    design.DesignOpen = true;
    design.ShowVertexNet = true;
    design.ShowStations = design.ShowWaterlines = design.ShowButtocks = true;
    design.BodyViewOpen = design.PlanViewOpen = design.ProfileViewOpen = true;
    design.PerspectiveViewOpen = true;
    design.ColumnDivisions = design.RowDivisions = divisions;
    session.Regenerate(Change::kTopology);
    state.view = view;
    state.clientWidth = 800;
    state.clientHeight = 600;
    Build();
  }
  void Build() {
    DrawInputs inputs;
    inputs.options = &options;
    BuildView(design, surface, state, inputs, *scratch, list);
  }
};

// Painting alone: what an expose or a partial repaint costs.
void BM_PaintDisplayList(benchmark::State& st) {
  const auto view = static_cast<ViewId>(st.range(0));
  ViewFixture f("sailboat.s98", view, static_cast<int>(st.range(1)));
  if (!f.ok) {
    st.SkipWithError("cannot read the example design");
    return;
  }
  QImage image(f.state.clientWidth, f.state.clientHeight, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), ToQColor(f.design.PaperColor));
    PaintDisplayList(painter, f.list, f.state.mapping);
  }
  st.counters["points"] = static_cast<double>(f.list.points().size());
  st.counters["squares"] = static_cast<double>(f.list.squares().size());
}

// A full repaint of a window: build the list (cutting every section) and
// paint it.
void BM_BuildAndPaint(benchmark::State& st) {
  const auto view = static_cast<ViewId>(st.range(0));
  ViewFixture f("sailboat.s98", view, static_cast<int>(st.range(1)));
  if (!f.ok) {
    st.SkipWithError("cannot read the example design");
    return;
  }
  QImage image(f.state.clientWidth, f.state.clientHeight, QImage::Format_RGB32);
  for (auto _ : st) {
    f.Build();
    QPainter painter(&image);
    painter.fillRect(image.rect(), ToQColor(f.design.PaperColor));
    PaintDisplayList(painter, f.list, f.state.mapping);
  }
}

// (view, divisions): the default 50 and the "Best" 200.
void Views(benchmark::internal::Benchmark* b) {
  for (int view = kBodyView; view <= kPerspectiveView; ++view) {
    for (int divisions : {50, 200}) b->Args({view, divisions});
  }
  b->ArgNames({"view", "div"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_PaintDisplayList)->Apply(Views);
BENCHMARK(BM_BuildAndPaint)->Apply(Views);

// The key a paint computes, while centres are shown, to tell whether they
// still belong to the hull: a full 51 x 51 net.
void BM_HullKey51x51(benchmark::State& state) {
  DesignSession session;
  HullDesign& d = session.design;
  d.DesignOpen = true;
  d.LastColumn = d.LastRow = kNetSize - 1;
  for (int c = 0; c < kNetSize; ++c) {
    for (int r = 0; r < kNetSize; ++r) {
      d.Net[c][r] = Vertex{float(r), float(10 * c), float(r - 25), 1.0f};
    }
  }
  session.Regenerate(Change::kTopology);
  for (auto _ : state) benchmark::DoNotOptimize(HullKey(d, *session.surface));
}
BENCHMARK(BM_HullKey51x51)->Unit(benchmark::kMicrosecond);

}  // namespace


int main(int argc, char** argv) {
  // Painting needs a GUI application (fonts), not a display.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
