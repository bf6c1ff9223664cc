// Loading system libraries so that a DLL of the same name planted beside the
// program (a Downloads folder collects such files) is never the one loaded,
// and taking their functions as correctly typed pointers.
#pragma once

#include "platform/win.h"

#include <type_traits>

namespace taverel::platform {

// Loads `name` from the system directory only, never from the program's
// folder or the current directory. Null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The one place where GetProcAddress's untyped result becomes a function
// pointer: callers name the type, best as decltype(&TheDeclaredFunction) so
// that it carries the declaration's calling convention. Null when `module`
// is null or does not export `name`.
template <typename FunctionPointer>
FunctionPointer LibraryFunction(HMODULE module, const char* name) {
    static_assert(std::is_pointer_v<FunctionPointer> &&
                      std::is_function_v<std::remove_pointer_t<FunctionPointer>>,
                  "LibraryFunction returns a pointer to a function");
    if (!module)
        return nullptr;
    // void (*)() is the generic function pointer type: converting through it
    // says on purpose that the exported function has the type named above.
    return reinterpret_cast<FunctionPointer>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// True when `library` is loaded or loadable from the system directory and
// exports `function`. A library loaded only for the question is released
// again; one that was already loaded stays as it was.
bool IsApiAvailable(const char* function, const wchar_t* library);

}  // namespace taverel::platform
