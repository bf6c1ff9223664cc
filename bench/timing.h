// Timing for the benchmarks. The machine is shared and Wine's costs swing
// with its load, so every figure is the median of several runs and every
// ratio compares figures taken in the same run of the same program.
#pragma once

#include "platform/win.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace taverel::bench {

inline double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

// Microseconds per call of `work`: the median over `runs` runs, each of which
// repeats the work in batches of `batch` until it has lasted `min_seconds`.
inline double MicrosecondsPerCall(const std::function<void()>& work, int runs = 7,
                                  double min_seconds = 0.2, int batch = 20) {
    for (int i = 0; i < batch; ++i)
        work();  // warm-up: first-use costs of the platform are not the work's
    std::vector<double> per_call;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        double now = start;
        long long calls = 0;
        do {
            for (int i = 0; i < batch; ++i)
                work();
            calls += batch;
            now = Now();
        } while (now - start < min_seconds);
        GdiFlush();
        now = Now();
        per_call.push_back((now - start) * 1e6 / static_cast<double>(calls));
    }
    return Median(per_call);
}

// Dispatches everything that is waiting in this thread's queue.
inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Microseconds of one full repaint of a top-level window (frame, client and
// every child, painted now), as the mean of `rounds` repaints.
inline double RepaintMicroseconds(HWND window, int rounds) {
    const UINT flags = RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE | RDW_FRAME;
    RedrawWindow(window, nullptr, nullptr, flags);
    GdiFlush();
    const double start = Now();
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(window, nullptr, nullptr, flags);
    GdiFlush();
    return (Now() - start) * 1e6 / rounds;
}

}  // namespace taverel::bench
