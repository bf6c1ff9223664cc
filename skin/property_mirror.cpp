#include "skin/property_mirror.h"

#include "skin/properties.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cwchar>
#include <vector>

namespace taverel::skin {

namespace {

constexpr std::size_t kNameCount = 16;

const std::array<const wchar_t*, kNameCount>& Names() {
    static const std::array<const wchar_t*, kNameCount> names = {
        prop::ProcAddr,       prop::OldStyle,       prop::MouseFlag,      prop::TimerId,
        prop::OldState,       prop::AlphaLevel,     prop::HdIndex,        prop::HmIndex,
        prop::StateDc(0),     prop::StateDc(1),     prop::StateDc(2),     prop::StateDc(3),
        prop::StateBitmap(0), prop::StateBitmap(1), prop::StateBitmap(2), prop::StateBitmap(3)};
    return names;
}

// The slot of a property name, or kNameCount for a name the skin does not use.
std::size_t SlotOf(const wchar_t* name) {
    const auto& names = Names();
    for (std::size_t i = 0; i < kNameCount; ++i) {
        if (names[i] == name)
            return i;
    }
    for (std::size_t i = 0; i < kNameCount; ++i) {
        if (std::wcscmp(names[i], name) == 0)
            return i;
    }
    return kNameCount;
}

struct Mirror {
    HWND window = nullptr;
    std::array<INT_PTR, kNameCount> values{};
    std::array<bool, kNameCount> known{};
};

// As many entries as skinned windows: a few dozen at most, so a scan is quick.
std::vector<Mirror> g_mirrors;

Mirror* Find(HWND window) {
    for (Mirror& mirror : g_mirrors) {
        if (mirror.window == window)
            return &mirror;
    }
    return nullptr;
}

}  // namespace

void BeginPropertyMirror(HWND window) {
    if (!window || Find(window))
        return;
    Mirror mirror;
    mirror.window = window;
    g_mirrors.push_back(mirror);
}

void EndPropertyMirror(HWND window) {
    g_mirrors.erase(std::remove_if(g_mirrors.begin(), g_mirrors.end(),
                                   [window](const Mirror& m) { return m.window == window; }),
                    g_mirrors.end());
}

void EndAllPropertyMirrors() {
    g_mirrors.clear();
    g_mirrors.shrink_to_fit();
}

std::optional<INT_PTR> MirroredProperty(HWND window, const wchar_t* name) {
    Mirror* mirror = Find(window);
    if (!mirror)
        return std::nullopt;
    const std::size_t slot = SlotOf(name);
    if (slot == kNameCount || !mirror->known[slot])
        return std::nullopt;
    return mirror->values[slot];
}

void MirrorPropertyWrite(HWND window, const wchar_t* name, INT_PTR value, bool stored) {
    Mirror* mirror = Find(window);
    if (!mirror)
        return;
    const std::size_t slot = SlotOf(name);
    if (slot == kNameCount)
        return;
    // A write the window did not take leaves the copy to be read afresh.
    mirror->known[slot] = stored;
    mirror->values[slot] = stored ? value : 0;
}

}  // namespace taverel::skin
