// A storm of messages and actions such as a correct program may send, on a
// dialog of the plain dialog's template with every type of button, edits and
// combo boxes beside its own controls: clicks, drags and moves at any point,
// keys, timers of any id, enabling, checking, types and styles, captions of
// any length, sizes from nothing to thousands of pixels, fonts, controls
// destroyed and made, and the skin given back and taken again at any moment.
// Seeded: a seed runs the same storm again, plain or skinned. The suite runs
// a few (tests/skin/storm_tests.cpp); taverel-skin-gallery --storm N shows
// the dialog a storm leaves.
#pragma once

#include "platform/win.h"

#include <atomic>
#include <random>
#include <vector>

namespace taverel::gallery {

class Storm {
public:
    Storm(unsigned seed, bool skinned);
    ~Storm();
    Storm(const Storm&) = delete;
    Storm& operator=(const Storm&) = delete;

    // Runs `steps` steps, counting them in `step` (for a report of a crash or
    // a hang from elsewhere), and tells every 100 steps and at the end
    // (skinned then, if the storm is) which controls print blank: into a
    // bitmap, as one flat colour or not at all.
    std::vector<std::vector<bool>> Run(int steps, std::atomic<int>* step);
    HWND dialog() const { return dialog_; }

private:
    int Next(size_t n) { return static_cast<int>(random_() % n); }
    int Between(int low, int high) { return low + Next(static_cast<size_t>(high - low + 1)); }
    std::vector<HWND> Children() const;
    void Open();
    void Add(const wchar_t* class_name, DWORD style);
    std::vector<bool> Blank() const;
    void Act();

    std::mt19937 random_;
    bool skinned_ = false;
    HWND dialog_ = nullptr;
    std::vector<HFONT> fonts_;
};

}  // namespace taverel::gallery
