// Probing a system library for a function without keeping it loaded.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// True when `library` is loaded or loadable and exports `function`. A library
// loaded only for the question is released again; one that was already
// loaded stays as it was.
bool IsApiAvailable(const char* function, const wchar_t* library);

}  // namespace taverel::platform
