// A trace for platform calls that fail where the program can only give up:
// the call, what it was for and the system's error code go to the debugger
// (OutputDebugStringW), so a window that never appears leaves a reason.
#pragma once

#include "platform/win.h"

namespace taverel::platform {

// Writes "Taverel: <call>(<subject>) failed, error <error>". Read `error`
// with GetLastError right after the failed call, before anything else runs.
void TraceFailedCall(const wchar_t* call, const wchar_t* subject, DWORD error);

}  // namespace taverel::platform
