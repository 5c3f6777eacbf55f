// The in-process server's entry points: entering the library in the per-user
// registry and removing it, the class factory, and the exported type library.
#include "prop_page.h"
#include "registry.h"
#include "vistrel_ctrl.h"
#include "vistrel_typelib.h"

#include <dlfcn.h>

#include <string>

namespace vistrel {

using hosting::HResult;
using hosting::Registry;
namespace hr = hosting::hr;

namespace {

constexpr const char* kCatSafeForScripting = "{7DD95801-9882-11CF-9FA9-00AA006C42C4}";
constexpr const char* kCatSafeForInitializing = "{7DD95802-9882-11CF-9FA9-00AA006C42C4}";

std::string libraryPath()
{
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<const void*>(&libraryPath), &info) || !info.dli_fname) return {};
    std::error_code ec;
    auto p = std::filesystem::weakly_canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : p.string();
}

void registerClass(Registry& reg, const hosting::Guid& id, const char* progId, const char* name,
                   const std::string& path, bool control)
{
    const std::string key = "CLSID\\" + id.toString();
    reg.setDefault(key, name);
    reg.setDefault(key + "\\InprocServer32", path);
    reg.setValue(key + "\\InprocServer32", "ThreadingModel", "Apartment");
    reg.setDefault(key + "\\ProgID", progId);
    reg.setDefault(std::string(progId), name);
    reg.setDefault(std::string(progId) + "\\CLSID", id.toString());
    if (!control) return;
    reg.createKey(key + "\\Control");
    reg.setDefault(key + "\\ToolboxBitmap32", path + ", 1");
    reg.setDefault(key + "\\MiscStatus", "0");
    reg.setDefault(key + "\\MiscStatus\\1", std::to_string(kMiscStatus));
    reg.setDefault(key + "\\TypeLib", kLibraryId.toString());
    reg.setDefault(key + "\\Version", "1.0");
}

void registerCategory(Registry& reg, const std::string& classKey, const char* category, std::string description)
{
    if (description.size() > 127) description.resize(127);
    reg.setValue(std::string("Component Categories\\") + category, "409", description);
    reg.createKey(classKey + "\\Implemented Categories\\" + category);
}

} // namespace

} // namespace vistrel

using namespace vistrel;

extern "C" __attribute__((visibility("default"))) HResult DllRegisterServer()
{
    const auto file = Registry::defaultPath();
    const std::string path = libraryPath();
    Registry reg;
    if (path.empty() || !reg.load(file)) return hr::selfRegTypeLib;

    const std::string lib = "TypeLib\\" + kLibraryId.toString() + "\\1.0";
    reg.setDefault(lib, "VistrelLib");
    reg.setDefault(lib + "\\0\\linux64", path);
    reg.setDefault(lib + "\\FLAGS", "0");
    if (!reg.save(file)) return hr::selfRegTypeLib;

    registerClass(reg, kClassId, kClassProgId, kClassDisplayName, path, true);
    registerClass(reg, kPropPageId, kPropPageProgId, kPropPageDisplayName, path, false);
    if (!reg.save(file)) return hr::selfRegClass;

    // Category failures are not fatal.
    const std::string classKey = "CLSID\\" + kClassId.toString();
    registerCategory(reg, classKey, kCatSafeForScripting, "Controls that are safely scriptable");
    registerCategory(reg, classKey, kCatSafeForInitializing, "Controls safely initializable from persistent data");
    reg.save(file);
    return hr::ok;
}

extern "C" __attribute__((visibility("default"))) HResult DllUnregisterServer()
{
    const auto file = Registry::defaultPath();
    Registry reg;
    if (!reg.load(file)) return hr::selfRegTypeLib;
    reg.removeTree("TypeLib\\" + kLibraryId.toString());
    if (!reg.save(file)) return hr::selfRegTypeLib;
    // Only this library's classes and ProgIDs; the category definitions are shared.
    reg.removeTree("CLSID\\" + kClassId.toString());
    reg.removeTree("CLSID\\" + kPropPageId.toString());
    reg.removeTree(kClassProgId);
    reg.removeTree(kPropPageProgId);
    if (!reg.save(file)) return hr::selfRegClass;
    return hr::ok;
}

namespace {
class Factory final : public hosting::ClassFactory {
public:
    hosting::Control* createInstance(hosting::ControlSite& site) override { return new CVistrelCtrl(site); }
};

// Every class the register entry point enters is one this library makes.
class PageFactory final : public hosting::ClassFactory {
public:
    hosting::Control* createInstance(hosting::ControlSite& site) override { return new CVistrelPropPage(site); }
};
} // namespace

extern "C" __attribute__((visibility("default"))) HResult DllGetClassObject(const hosting::Guid* classId,
                                                                            hosting::ClassFactory** factory)
{
    if (!classId || !factory) return hr::pointer;
    *factory = nullptr;
    if (*classId == kPropPageId) {
        static PageFactory page;
        *factory = &page;
        return hr::ok;
    }
    if (*classId != kClassId) return hr::classNotAvailable;
    static Factory instance;
    *factory = &instance;
    return hr::ok;
}

extern "C" __attribute__((visibility("default"))) HResult DllCanUnloadNow()
{
    return CVistrelCtrl::liveCount() == 0 && CVistrelPropPage::liveCount() == 0 ? hr::ok : hr::falseResult;
}

extern "C" __attribute__((visibility("default"))) const hosting::TypeLibrary* DllGetTypeLibrary()
{
    return &kTypeLibrary;
}
