#include "tests/skin/skin_test_windows.h"

#include "skin/properties.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_windows.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace taverel::skin::testing {

namespace {

WNDPROC real_button = nullptr;
WNDPROC real_edit = nullptr;

LRESULT CALLBACK RecordingButtonProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return Recorder::Instance().Record(real_button, w, m, wp, lp);
}
LRESULT CALLBACK RecordingEditProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return Recorder::Instance().Record(real_edit, w, m, wp, lp);
}
LRESULT CALLBACK RecordingPlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return Recorder::Instance().Record(DefWindowProcW, w, m, wp, lp);
}

}  // namespace

Recorder& Recorder::Instance() {
    static Recorder recorder;
    return recorder;
}

std::vector<Recorded> Recorder::Of(HWND window, UINT message) const {
    std::vector<Recorded> out;
    for (const Recorded& r : records_) {
        if (r.window == window && r.message == message)
            out.push_back(r);
    }
    return out;
}

LRESULT Recorder::Record(WNDPROC real, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    records_.push_back({window, message, wparam, lparam});
    if (on_message)
        on_message(window, message);
    if (canned_ && message == canned_message_)
        return canned_result_;
    return CallWindowProcW(real, window, message, wparam, lparam);
}

std::string CompareSequence(HWND window, const std::vector<Expected>& expected) {
    std::vector<Recorded> got;
    for (const Recorded& r : Recorder::Instance().All()) {
        const bool noise =
            r.message == WM_NCHITTEST || r.message == WM_SETCURSOR || r.message == WM_GETOBJECT;
        if (r.window == window && !noise)
            got.push_back(r);
    }
    size_t g = 0;
    bool same = true;
    for (const Expected& e : expected) {
        const bool match = g < got.size() && got[g].message == e.message &&
                           got[g].wparam == e.wparam &&
                           ((e.flags & AnyLParam) || got[g].lparam == e.lparam);
        if (match)
            ++g;
        else if (!(e.flags & Optional))
            same = false;
    }
    if (same && g == got.size())
        return std::string();
    std::vector<Recorded> wanted;
    for (const Expected& e : expected)
        wanted.push_back({window, e.message, e.wparam, e.lparam});
    return "expected:\n" + Dump(wanted) + "received:\n" + Dump(got);
}

void RegisterTestClasses() {
    using taverel::testing::RegisterTestClass;
    real_button = taverel::testing::BaseProcedure(L"BUTTON");
    real_edit = taverel::testing::BaseProcedure(L"EDIT");
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterTestClass(platform::kFormClassName, nullptr, RecordingPlainProc, face);
    RegisterTestClass(platform::kFrameClassName, nullptr, RecordingPlainProc, face);
    RegisterTestClass(platform::kCommandButtonClassName, L"BUTTON", RecordingButtonProc);
    RegisterTestClass(platform::kOptionButtonClassName, L"BUTTON", RecordingButtonProc);
    RegisterTestClass(platform::kCheckBoxClassName, L"BUTTON", RecordingButtonProc);
    RegisterTestClass(platform::kTextBoxClassName, L"EDIT", RecordingEditProc);
}

HWND CreateTestForm(int x, int y, int width, int height) {
    RegisterTestClasses();
    return taverel::testing::CreateTopWindow(
        platform::kFormClassName, L"Skin test form",
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, x, y, width, height);
}

HWND CreateChild(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style, int x,
                 int y, int width, int height) {
    RegisterTestClasses();
    return taverel::testing::CreateChildWindow(parent, class_name, text, style, x, y, width,
                                               height);
}

MainLikeTree CreateMainLikeTree(int x, int y) {
    MainLikeTree t{};
    t.form = CreateTestForm(x, y, 360, 200);
    t.calculate = CreateChild(t.form, platform::kCommandButtonClassName, L"开始计算", WS_TABSTOP,
                              20, 150, 90, 25);
    t.explain = CreateChild(t.form, platform::kCommandButtonClassName, L"计算公式说明", WS_TABSTOP,
                            130, 150, 110, 25);
    t.frame = CreateChild(t.form, platform::kFrameClassName, L"", 0, 20, 80, 300, 60);
    t.option1 = CreateChild(t.frame, platform::kOptionButtonClassName, L"旧算法",
                            BS_AUTORADIOBUTTON, 10, 20, 100, 20);
    t.option2 = CreateChild(t.frame, platform::kOptionButtonClassName, L"新算法",
                            BS_AUTORADIOBUTTON, 150, 20, 100, 20);
    t.text1 = CreateChild(t.form, platform::kTextBoxClassName, L"4", WS_BORDER, 20, 20, 120, 22);
    t.text2 = CreateChild(t.form, platform::kTextBoxClassName, L"", WS_BORDER, 180, 20, 120, 22);
    return t;
}

std::string Dump(const std::vector<Recorded>& records) {
    std::string out;
    char line[128];
    for (const Recorded& r : records) {
        std::snprintf(line, sizeof(line), "  {hwnd %p, msg 0x%04X, wParam 0x%llX, lParam 0x%llX}\n",
                      static_cast<void*>(r.window), r.message,
                      static_cast<unsigned long long>(r.wparam),
                      static_cast<unsigned long long>(r.lparam));
        out += line;
    }
    return out.empty() ? std::string("  (none)\n") : out;
}

bool ShowsState(HWND button, VisualState state) {
    RECT r{};
    GetWindowRect(button, &r);
    for (int y = 3; y < r.bottom - r.top - 3; y += 3) {
        for (int x = 3; x < r.right - r.left - 3; x += 3) {
            if (WindowPixel(button, x, y) != StatePixel(button, StateNumber(state), x, y))
                return false;
        }
    }
    return true;
}

void ExpectHoverAndBack(HWND button) {
    using taverel::testing::PumpUntil;
    RECT r{};
    GetWindowRect(button, &r);
    MovePointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::MouseFlag) == 1; }, 5000));
    EXPECT_EQ(VisualState::Hover, StoredState(button));
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::TimerId) == 0; }, 10000));
    EXPECT_EQ(VisualState::Hover, StoredState(button));
    EXPECT_TRUE(ShowsState(button, VisualState::Hover));

    MovePointerTo(2, 2);
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::MouseFlag) == 0; }, 5000));
    EXPECT_EQ(VisualState::Normal, StoredState(button));
    ASSERT_TRUE(PumpUntil([&] { return GetSkinProp(button, prop::TimerId) == 0; }, 10000));
    EXPECT_TRUE(ShowsState(button, VisualState::Normal));
}

COLORREF StatePixel(HWND window, int state, int x, int y) {
    return GetPixel(reinterpret_cast<HDC>(GetSkinProp(window, prop::StateDc(state))), x, y);
}

}  // namespace taverel::skin::testing
