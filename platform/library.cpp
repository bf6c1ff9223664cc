#include "platform/library.h"

#include "platform/handles.h"

namespace taverel::platform {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool IsApiAvailable(const char* function, const wchar_t* library) {
    if (const HMODULE loaded = GetModuleHandleW(library))
        return GetProcAddress(loaded, function) != nullptr;
    // Loaded only for the question: the owner releases it again.
    const Module module(LoadSystemLibrary(library));
    return module && GetProcAddress(module.get(), function) != nullptr;
}

}  // namespace taverel::platform
