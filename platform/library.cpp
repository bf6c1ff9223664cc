#include "platform/library.h"

namespace taverel::platform {

HMODULE LoadSystemLibrary(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool IsApiAvailable(const char* function, const wchar_t* library) {
    HMODULE module = GetModuleHandleW(library);
    bool loaded_here = false;
    if (!module) {
        module = LoadSystemLibrary(library);
        if (!module)
            return false;
        loaded_here = true;
    }
    const bool available = GetProcAddress(module, function) != nullptr;
    if (loaded_here)
        FreeLibrary(module);
    return available;
}

}  // namespace taverel::platform
