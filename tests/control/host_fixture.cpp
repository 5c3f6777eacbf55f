#include "host_fixture.h"

#include <GL/gl.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <filesystem>

namespace testhost {

namespace {
std::string gTempDir;
}

std::string tempDir() { return gTempDir; }

hosting::ClassFactory* factory()
{
    static hosting::ControlLibrary lib;
    if (!lib.isOpen()) {
        std::string error;
        // Found through the registry by class id, as a host finds it.
        if (!lib.openClass(vistrel::kClassId, &error)) {
            ADD_FAILURE() << error;
            return nullptr;
        }
    }
    return lib.classFactory(vistrel::kClassId);
}

const hosting::TypeLibrary* exportedTypeLibrary()
{
    hosting::ControlLibrary lib;
    return lib.openClass(vistrel::kClassId) ? lib.typeLibrary() : nullptr;
}

Hosted::Hosted(int width, int height, bool userMode, std::vector<uint8_t> stored)
{
    site.user = userMode;
    site.stored = std::move(stored);
    parent = std::make_unique<QWidget>();
    parent->resize(width + 20, height + 20);
    site.parent = parent.get();
    hosting::ClassFactory* f = factory();
    if (!f) return;
    control = f->createInstance(site);
    if (!control) return;
    control->advise(&sink);
    parent->show();
    created = control->createWindow();
    if (!created) return;
    control->setGeometry(0, 0, width, height);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    if (QWindow* w = glWindow()) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    QCoreApplication::processEvents();
}

Hosted::~Hosted()
{
    if (control) {
        control->unadvise(&sink);
        control->release();
    }
}

QWindow* Hosted::glWindow()
{
    const int32_t wid = *get(vistrel::stock::hWnd).get<int32_t>();
    for (QWindow* w : QGuiApplication::allWindows())
        if (wid && static_cast<int32_t>(w->winId()) == wid) return w;
    return nullptr;
}

HResult Hosted::invoke(DispId id, std::vector<Variant> args, Variant* result, hosting::InvokeKind kind)
{
    return control->invoke(id, kind, args, result, nullptr);
}

Variant Hosted::call(DispId id, std::vector<Variant> args)
{
    Variant result;
    HResult h = invoke(id, std::move(args), &result);
    EXPECT_EQ(h, hosting::hr::ok) << "dispatch id " << id;
    return result;
}

Variant Hosted::get(DispId id)
{
    Variant result;
    EXPECT_EQ(invoke(id, {}, &result, hosting::InvokeKind::PropertyGet), hosting::hr::ok);
    return result;
}

void Hosted::draw(std::function<void()> body)
{
    bool ran = false;
    sink.handlers[vistrel::event::draw] = [&](std::span<Variant>) {
        body();
        ran = true;
    };
    refresh();
    sink.handlers.erase(vistrel::event::draw);
    EXPECT_TRUE(ran) << "Refresh did not raise Draw";
}

std::vector<uint8_t> readPixels(int width, int height)
{
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    // Colour mapping (left on by 8-bit textures) would apply to the read too.
    GLboolean mapColor = GL_FALSE;
    glGetBooleanv(GL_MAP_COLOR, &mapColor);
    glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glPixelTransferi(GL_MAP_COLOR, mapColor);
    return rgba;
}

uint32_t pixelAt(const std::vector<uint8_t>& rgba, int width, int x, int y)
{
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return static_cast<uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
}

double shareNot(const std::vector<uint8_t>& rgba, uint32_t background)
{
    size_t n = rgba.size() / 4, other = 0;
    for (size_t k = 0; k < n; ++k)
        if ((static_cast<uint32_t>(rgba[4 * k]) << 16 | rgba[4 * k + 1] << 8 | rgba[4 * k + 2]) != background) ++other;
    return n ? static_cast<double>(other) / n : 0;
}

// The GL driver is unloaded at exit, before the leak checker runs, which
// leaves its allocations without names to suppress; keep it mapped.
void pinGlDrivers()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "/dri/"))
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

} // namespace testhost

int main(int argc, char** argv)
{
    // A registry of the test's own, never the user's.
    char pattern[] = "/tmp/vistrel-test-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) return 1;
    testhost::gTempDir = dir;
    setenv("XDG_CONFIG_HOME", dir, 1);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    hosting::ControlLibrary lib;
    std::string error;
    if (!lib.open(VISTREL_LIBRARY_PATH, &error) || lib.registerServer() != hosting::hr::ok) {
        std::fprintf(stderr, "cannot register %s: %s\n", VISTREL_LIBRARY_PATH, error.c_str());
        return 1;
    }
    int rc = RUN_ALL_TESTS();
    testhost::pinGlDrivers();
    lib.unregisterServer();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return rc;
}
