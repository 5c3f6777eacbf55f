// What a call by dispatch id costs over calling GL directly: the lookup, the
// argument coercion from variants and the group switch.
#include "control.h"
#include "host_loader.h"
#include "vistrel_typelib.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

class Site : public hosting::ControlSite {
public:
    QWidget parent;
    void* parentWindow() override { return &parent; }
};

struct Host {
    Site site;
    hosting::Control* control = nullptr;
    Host()
    {
        hosting::ControlLibrary lib;
        if (!lib.open(VISTREL_LIBRARY_PATH)) return;
        hosting::ClassFactory* factory = lib.classFactory(vistrel::kClassId);
        control = factory ? factory->createInstance(site) : nullptr;
        site.parent.resize(64, 64);
        site.parent.show();
        if (!control || !control->createWindow()) {
            control = nullptr;
            return;
        }
        // Hold the context so the calls below reach it outside Draw.
        std::vector<hosting::Variant> on{true};
        control->invoke(vistrel::id("owglMakeCurrent"), hosting::InvokeKind::Method, on);
    }
};

Host& host()
{
    static Host h;
    return h;
}

void BM_DirectLoadIdentity(benchmark::State& state)
{
    if (!host().control) return state.SkipWithError("no control");
    for (auto _ : state) glLoadIdentity();
}

void BM_DispatchLoadIdentity(benchmark::State& state)
{
    hosting::Control* c = host().control;
    if (!c) return state.SkipWithError("no control");
    for (auto _ : state) c->invoke(vistrel::id("oglLoadIdentity"), hosting::InvokeKind::Method, {});
}

void BM_DirectTranslate(benchmark::State& state)
{
    if (!host().control) return state.SkipWithError("no control");
    for (auto _ : state) glTranslated(0.0, 0.0, 0.0);
}

void BM_DispatchTranslate(benchmark::State& state)
{
    hosting::Control* c = host().control;
    if (!c) return state.SkipWithError("no control");
    std::vector<hosting::Variant> args{0.0, 0.0, 0.0};
    for (auto _ : state) c->invoke(vistrel::id("oglTranslate"), hosting::InvokeKind::Method, args);
}

// oglClear(0) clears nothing: the control does not call GL at all.
void BM_DispatchOnly(benchmark::State& state)
{
    hosting::Control* c = host().control;
    if (!c) return state.SkipWithError("no control");
    std::vector<hosting::Variant> args{int16_t(0)};
    for (auto _ : state) c->invoke(vistrel::id("oglClear"), hosting::InvokeKind::Method, args);
}

// Six arguments coerced, one of them an int32 narrowed to a short.
void BM_DispatchLightv(benchmark::State& state)
{
    hosting::Control* c = host().control;
    if (!c) return state.SkipWithError("no control");
    std::vector<hosting::Variant> args{int16_t(GL_LIGHT0), int32_t(GL_DIFFUSE), 1.0f, 1.0f, 1.0f, 1.0};
    for (auto _ : state) c->invoke(vistrel::id("oglLightv"), hosting::InvokeKind::Method, args);
}

BENCHMARK(BM_DirectLoadIdentity);
BENCHMARK(BM_DispatchLoadIdentity);
BENCHMARK(BM_DirectTranslate);
BENCHMARK(BM_DispatchTranslate);
BENCHMARK(BM_DispatchOnly);
BENCHMARK(BM_DispatchLightv);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (host().control) host().control->release();
    return 0;
}
