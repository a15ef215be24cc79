#include "platform/runtime/library_entry.h"

#include <dlfcn.h>

namespace vb {

void* LibraryEntry(const std::string& path, const char* name, std::string& why) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = library ? dlsym(library, name) : nullptr;
    if (!entry) {
        const char* error = dlerror();
        why = error ? error : path;
    }
    return entry;
}

}  // namespace vb
