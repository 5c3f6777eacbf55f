// Entering the library in the per-user registry, finding it by class id or
// ProgID, and removing exactly its own entries.
#include "host_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace testhost;
using hosting::Registry;
namespace hr = hosting::hr;

namespace {

const std::string kClassKey = "CLSID\\" + vistrel::kClassId.toString();
const std::string kPageKey = "CLSID\\" + vistrel::kPropPageId.toString();
const std::string kLibKey = "TypeLib\\" + vistrel::kLibraryId.toString() + "\\1.0";

Registry current()
{
    Registry reg;
    EXPECT_TRUE(reg.load(Registry::defaultPath()));
    return reg;
}

hosting::ControlLibrary& library()
{
    static hosting::ControlLibrary lib;
    if (!lib.isOpen()) {
        EXPECT_TRUE(lib.open(VISTREL_LIBRARY_PATH));
    }
    return lib;
}

int run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

} // namespace

TEST(Registry, RegisteringEntersTheLibraryClassesAndCategories)
{
    ASSERT_EQ(library().registerServer(), hr::ok);
    Registry reg = current();
    const std::string path = std::filesystem::canonical(VISTREL_LIBRARY_PATH).string();
    struct Entry { std::string key, name, value; };
    const Entry entries[] = {
        {kLibKey, "@", "VistrelLib"},
        {kLibKey + "\\0\\linux64", "@", path},
        {kClassKey, "@", "Vistrel Control"},
        {kClassKey + "\\InprocServer32", "@", path},
        {kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {kClassKey + "\\ProgID", "@", "Vistrel.VistrelCtrl.1"},
        {kClassKey + "\\MiscStatus\\1", "@", std::to_string(0x20191)},
        {kClassKey + "\\ToolboxBitmap32", "@", path + ", 1"},
        {kClassKey + "\\TypeLib", "@", vistrel::kLibraryId.toString()},
        {"Vistrel.VistrelCtrl.1\\CLSID", "@", vistrel::kClassId.toString()},
        {kPageKey, "@", "Vistrel Property Page"},
        {kPageKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {"Vistrel.VistrelPropPage.1\\CLSID", "@", vistrel::kPropPageId.toString()},
        {"Component Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", "409", "Controls that are safely scriptable"},
        {"Component Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", "409",
         "Controls safely initializable from persistent data"},
    };
    for (const auto& e : entries) EXPECT_EQ(reg.value(e.key, e.name).value_or("<missing>"), e.value) << e.key;
    EXPECT_TRUE(reg.hasKey(kClassKey + "\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_TRUE(reg.hasKey(kClassKey + "\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_EQ(hosting::classIdFromProgId("Vistrel.VistrelCtrl.1"), vistrel::kClassId);
    EXPECT_EQ(hosting::serverPath(vistrel::kClassId), path);
}

TEST(Registry, UnregisteringRemovesOnlyItsOwnEntries)
{
    ASSERT_EQ(library().registerServer(), hr::ok);
    Registry reg = current();
    reg.setDefault("CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32", "/opt/other.so");
    reg.setDefault("Other.Control.1\\CLSID", "{00000000-1111-2222-3333-444444444444}");
    ASSERT_TRUE(reg.save(Registry::defaultPath()));

    ASSERT_EQ(library().unregisterServer(), hr::ok);
    reg = current();
    for (const std::string& key : {kClassKey, kClassKey + "\\InprocServer32", kPageKey, kLibKey,
                                   std::string("Vistrel.VistrelCtrl.1"), std::string("Vistrel.VistrelPropPage.1")})
        EXPECT_FALSE(reg.hasKey(key)) << key;
    EXPECT_EQ(reg.value("CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32"), "/opt/other.so");
    EXPECT_TRUE(reg.hasKey("Other.Control.1\\CLSID"));
    // Category definitions are shared with other controls and stay.
    EXPECT_TRUE(reg.hasKey("Component Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}"));
    EXPECT_FALSE(hosting::serverPath(vistrel::kClassId));

    // A host that finds the class missing registers the copy it ships with.
    const std::filesystem::path candidates[] = {"/nonexistent/libvistrel.so", VISTREL_LIBRARY_PATH};
    EXPECT_TRUE(hosting::ensureRegistered(vistrel::kClassId, candidates));
    EXPECT_TRUE(hosting::serverPath(vistrel::kClassId));
}

TEST(Registry, AnUnwritableRegistryFailsWithTheTypeLibraryCode)
{
    // XDG_CONFIG_HOME names a file, so the registry's folder cannot be made.
    const std::string saved = std::getenv("XDG_CONFIG_HOME");
    const std::string blocker = tempDir() + "/not-a-dir";
    std::ofstream(blocker) << "x";
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    EXPECT_EQ(library().registerServer(), hr::selfRegTypeLib);
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    EXPECT_EQ(library().registerServer(), hr::ok);
}

TEST(Registry, RegisterToolEntersAndRemovesALibrary)
{
    EXPECT_EQ(run(std::string(VISTREL_REGISTER_TOOL) + " --unregister"), 0);
    EXPECT_FALSE(hosting::serverPath(vistrel::kClassId));
    EXPECT_EQ(run(std::string(VISTREL_REGISTER_TOOL) + " " + VISTREL_LIBRARY_PATH), 0);
    EXPECT_EQ(hosting::serverPath(vistrel::kClassId), std::filesystem::canonical(VISTREL_LIBRARY_PATH).string());
    EXPECT_NE(run(std::string(VISTREL_REGISTER_TOOL) + " /nonexistent/libvistrel.so"), 0);
    EXPECT_TRUE(hosting::serverPath(vistrel::kClassId)); // a failed run changes nothing
}

TEST(Registry, FactoryAnswersOnlyItsClassesAndTracksLiveControls)
{
    hosting::ControlLibrary& lib = library();
    EXPECT_EQ(lib.classFactory(vistrel::kLibraryId), nullptr);
    auto canUnload = lib.entryPoint<hosting::entry::CanUnloadNowFn>(hosting::entry::canUnloadNow);
    ASSERT_NE(canUnload, nullptr);
    {
        Hosted h(50, 50);
        EXPECT_EQ(canUnload(), hr::falseResult);
    }
    EXPECT_EQ(canUnload(), hr::ok);
}

// Every class the library enters in the registry can be made; the property
// page is one page titled "General" with nothing on it and no members.
TEST(Registry, EveryRegisteredClassCanBeMadeAndThePageIsGeneral)
{
    hosting::ControlLibrary& lib = library();
    ASSERT_EQ(lib.registerServer(), hr::ok);
    const Registry reg = current();
    const std::string path = std::filesystem::canonical(VISTREL_LIBRARY_PATH).string();
    int advertised = 0;
    for (const hosting::Guid& id : {vistrel::kClassId, vistrel::kPropPageId}) {
        const std::string key = "CLSID\\" + id.toString();
        if (reg.value(key + "\\InprocServer32") != path) continue;
        ++advertised;
        EXPECT_NE(lib.classFactory(id), nullptr) << key;
    }
    EXPECT_EQ(advertised, 2);

    hosting::ClassFactory* pages = lib.classFactory(vistrel::kPropPageId);
    ASSERT_NE(pages, nullptr);
    auto canUnload = lib.entryPoint<hosting::entry::CanUnloadNowFn>(hosting::entry::canUnloadNow);
    QWidget sheet;
    Site site;
    site.parent = &sheet;
    hosting::Control* page = pages->createInstance(site);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(canUnload(), hr::falseResult);
    ASSERT_TRUE(page->createWindow());
    auto* window = static_cast<QWidget*>(page->window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &sheet);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("General"));
    EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty());
    page->setGeometry(0, 0, 120, 80);
    EXPECT_EQ(window->size(), QSize(120, 80));
    EXPECT_EQ(page->idOfName("oglClear"), hosting::kDispIdUnknown);
    EXPECT_EQ(page->invoke(vistrel::id("oglClear"), hosting::InvokeKind::Method, {}), hr::memberNotFound);
    EXPECT_EQ(page->typeInfo().classId, vistrel::kPropPageId);
    EXPECT_TRUE(page->saveData().empty());
    page->release();
    EXPECT_TRUE(sheet.findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(canUnload(), hr::ok);
}
