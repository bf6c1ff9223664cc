// Helpers for tests that drive real windows: run what is queued, and wait for
// a condition while still dispatching messages (timers, posted input).
#pragma once

#include "platform/win.h"

#include <functional>

namespace taverel::testing {

// Dispatches every message queued for this thread, then returns.
void PumpMessages();

// Dispatches messages until `done` is true or `timeout_ms` passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 5000);

}  // namespace taverel::testing
