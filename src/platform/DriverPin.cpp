// Keeps the loaded GL driver modules in memory until the process ends.
//
// eglTerminate unloads Mesa's driver; whatever the driver still holds at exit
// then shows up in leak reports without a module name, so the sanitizer build
// cannot tell the driver's allocations from ours. Marking the modules as never
// to be unloaded keeps their names in those reports.
#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"

static int collect(struct dl_phdr_info* info, size_t, void* data) {
    const char* name = info->dlpi_name;
    if (name && (strstr(name, "/dri/") || strstr(name, "libgallium") || strstr(name, "libLLVM")))
        static_cast<std::vector<std::string>*>(data)->push_back(name);
    return 0;
}

void platformPinGraphicsDriver() {
    std::vector<std::string> names;
    dl_iterate_phdr(collect, &names);
    for (const std::string& name : names)
        dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}
