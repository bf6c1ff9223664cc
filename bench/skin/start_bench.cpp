// Start-up cost of taverel.exe against an empty Win32 window (empty_window.exe
// beside this program): from CreateProcess until the program's window is
// visible and the program waits for input. The two programs start in turn,
// in pairs, so a burst of load touches both sides of a ratio.
// usage: start_bench [taverel.exe]   (default: the build's app/ui/taverel.exe)
#include "bench/timing.h"
#include "platform/win.h"

#include <cstdio>
#include <string>

namespace {

using taverel::bench::Now;

constexpr int kRuns = 9;
constexpr DWORD kPatienceMs = 30000;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<Search*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleWindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring Folder(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// Milliseconds until the window is up and the program idle; a negative value
// when it never got there.
double StartUntilIdle(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    const double start = Now();
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1.0;
    double cost = -1.0;
    HWND window = nullptr;
    if (WaitForInputIdle(process.hProcess, kPatienceMs) == 0) {
        const double deadline = Now() + kPatienceMs / 1000.0;
        while (!(window = VisibleWindowOf(process.dwProcessId)) && Now() < deadline)
            Sleep(1);
        if (window)
            cost = (Now() - start) * 1000.0;
    }
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return cost;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring here = Folder(self);
    const std::wstring empty = here + L"empty_window.exe";
    const std::wstring taverel = argc > 1 ? argv[1] : here + L"..\\..\\app\\ui\\taverel.exe";

    bool failed = false;
    const taverel::bench::Comparison start = taverel::bench::ComparePairs(
        [&](bool is_taverel) {
            const double ms = StartUntilIdle(is_taverel ? taverel : empty);
            failed = failed || ms < 0;
            return ms;
        },
        kRuns);
    if (failed) {
        std::fprintf(stderr, "start_bench: a program did not come up\n");
        return 1;
    }
    std::printf("start until the window is up and idle, medians of paired runs\n");
    std::printf("  empty Win32 window (baseline)  %8.1f ms   1.00x\n", start.baseline);
    std::printf("  taverel.exe                    %8.1f ms  %6.2fx\n", start.subject, start.ratio);
    return 0;
}
