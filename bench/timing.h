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

// Microseconds per call of `work` in one run: the work repeated in batches
// of `batch` until it has lasted `min_seconds`.
inline double OneRun(const std::function<void()>& work, double min_seconds, int batch) {
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
    return (Now() - start) * 1e6 / static_cast<double>(calls);
}

// A subject measured against its baseline: the median microseconds of each
// and the median of the ratios of runs taken side by side.
struct Comparison {
    double baseline = 0.0;
    double subject = 0.0;
    double ratio = 0.0;
};

// Takes the measurements in pairs, baseline then subject, so that a burst of
// load on the shared machine touches both sides of a ratio; `measure(false)`
// gives one baseline figure, `measure(true)` one subject figure.
inline Comparison ComparePairs(const std::function<double(bool subject)>& measure, int runs) {
    std::vector<double> baseline;
    std::vector<double> subject;
    std::vector<double> ratio;
    for (int run = 0; run < runs; ++run) {
        baseline.push_back(measure(false));
        subject.push_back(measure(true));
        ratio.push_back(subject.back() / baseline.back());
    }
    return {Median(baseline), Median(subject), Median(ratio)};
}

// Microseconds per call of a subject against a baseline call.
inline Comparison Compare(const std::function<void()>& baseline,
                          const std::function<void()>& subject, int runs = 15,
                          double min_seconds = 0.05, int batch = 10) {
    for (int i = 0; i < batch; ++i) {
        baseline();  // warm-up: first-use costs of the platform are not the work's
        subject();
    }
    return ComparePairs(
        [&](bool is_subject) {
            return OneRun(is_subject ? subject : baseline, min_seconds, batch);
        },
        runs);
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
