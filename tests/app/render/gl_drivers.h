// The GL driver is unloaded when the display closes, before the leak
// checker runs, which leaves its own allocations without names that a
// suppression could match; a test keeps it mapped.
#pragma once

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace skelmora::app::testing {

inline void PinGlDrivers() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void*) {
        if (info->dlpi_name && std::strstr(info->dlpi_name, "/dri/"))
          dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        return 0;
      },
      nullptr);
}

}  // namespace skelmora::app::testing
