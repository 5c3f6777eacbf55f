// The host's side of finding and loading a control library by class id.
#pragma once

#include "control.h"
#include "registry.h"

#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace hosting {

// The library registered for a class id, if any.
inline std::optional<std::string> serverPath(const Guid& classId,
                                             const std::filesystem::path& registryPath = Registry::defaultPath())
{
    Registry reg;
    if (!reg.load(registryPath)) return std::nullopt;
    return reg.value("CLSID\\" + classId.toString() + "\\InprocServer32");
}

inline std::optional<Guid> classIdFromProgId(std::string_view progId,
                                             const std::filesystem::path& registryPath = Registry::defaultPath())
{
    Registry reg;
    if (!reg.load(registryPath)) return std::nullopt;
    auto text = reg.value(std::string(progId) + "\\CLSID");
    if (!text) return std::nullopt;
    return Guid::parse(*text);
}

// A loaded control library. Libraries stay mapped for the life of the
// process: unmapping one that has used the toolkit is not safe.
class ControlLibrary {
public:
    bool open(const std::string& path, std::string* error = nullptr)
    {
        handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) {
            if (error) *error = ::dlerror();
            return false;
        }
        return true;
    }

    // Looks the class up in the registry and loads its library.
    bool openClass(const Guid& classId, std::string* error = nullptr,
                   const std::filesystem::path& registryPath = Registry::defaultPath())
    {
        auto path = serverPath(classId, registryPath);
        if (!path) {
            if (error) *error = "class " + classId.toString() + " is not registered";
            return false;
        }
        return open(*path, error);
    }

    bool isOpen() const { return handle_ != nullptr; }

    template <class Fn>
    Fn entryPoint(const char* name) const
    {
        return handle_ ? reinterpret_cast<Fn>(::dlsym(handle_, name)) : nullptr;
    }

    ClassFactory* classFactory(const Guid& classId) const
    {
        auto get = entryPoint<entry::GetClassObjectFn>(entry::getClassObject);
        ClassFactory* factory = nullptr;
        if (!get || get(&classId, &factory) != hr::ok) return nullptr;
        return factory;
    }

    const TypeLibrary* typeLibrary() const
    {
        auto get = entryPoint<entry::GetTypeLibraryFn>(entry::getTypeLibrary);
        return get ? get() : nullptr;
    }

    HResult registerServer() const { return call(entry::registerServer); }
    HResult unregisterServer() const { return call(entry::unregisterServer); }

private:
    HResult call(const char* name) const
    {
        auto fn = entryPoint<entry::RegisterServerFn>(name);
        return fn ? fn() : hr::fail;
    }

    void* handle_ = nullptr;
};

// Makes sure the class is registered, registering the first candidate library
// that exists (the copy beside the host's executable or installed with it)
// when it is not, so a fresh user's first use works.
// Libraries register themselves in the default registry file.
inline bool ensureRegistered(const Guid& classId, std::span<const std::filesystem::path> candidates)
{
    const auto registryPath = Registry::defaultPath();
    if (auto path = serverPath(classId, registryPath); path && std::filesystem::exists(*path)) return true;
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) continue;
        ControlLibrary lib;
        if (lib.open(candidate.string()) && lib.registerServer() == hr::ok &&
            serverPath(classId, registryPath))
            return true;
    }
    return false;
}

} // namespace hosting
