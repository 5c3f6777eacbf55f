// vistrel-register [PATH-TO-LIBRARY] | --unregister [PATH-TO-LIBRARY]
// Enters a built or installed libvistrel.so in the per-user registry, or removes it.
#include "host_loader.h"
#include "vistrel_typelib.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The library beside this program, or installed with it in ../lib.
std::string defaultLibrary()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "libvistrel.so";
    for (const auto& candidate : {exe.parent_path() / "libvistrel.so", exe.parent_path() / "../lib/libvistrel.so",
                                  exe.parent_path() / "../lib/x86_64-linux-gnu/libvistrel.so"})
        if (std::filesystem::exists(candidate, ec)) return candidate.string();
    return "libvistrel.so";
}

} // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--unregister") || !std::strcmp(argv[i], "-u")) {
            unregister = true;
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("usage: vistrel-register [PATH-TO-LIBRARY]\n       vistrel-register --unregister\n");
            return 0;
        } else if (path.empty()) {
            path = argv[i];
        } else {
            std::fprintf(stderr, "vistrel-register: unexpected argument %s\n", argv[i]);
            return 2;
        }
    }
    if (path.empty()) {
        // Unregistering needs the copy that registered, if it is still there.
        auto registered = hosting::serverPath(vistrel::kClassId);
        path = unregister && registered && std::filesystem::exists(*registered) ? *registered : defaultLibrary();
    }
    if (!path.empty() && path.find('/') == std::string::npos && std::filesystem::exists(path))
        path = std::filesystem::absolute(path).string(); // dlopen would search the library path instead

    hosting::ControlLibrary lib;
    std::string error;
    if (!lib.open(path, &error)) {
        std::fprintf(stderr, "vistrel-register: cannot load %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    const hosting::HResult h = unregister ? lib.unregisterServer() : lib.registerServer();
    if (h != hosting::hr::ok) {
        std::fprintf(stderr, "vistrel-register: %s failed (0x%08X) for %s\n",
                     unregister ? "unregistering" : "registering", static_cast<unsigned>(h), path.c_str());
        return 1;
    }
    std::printf("%s %s in %s\n", unregister ? "unregistered" : "registered", path.c_str(),
                hosting::Registry::defaultPath().c_str());
    return 0;
}
