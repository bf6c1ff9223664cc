#include "tests/skin_kinds/kinds_fixture.h"

#include "platform/common_controls.h"
#include "platform/handles.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_windows.h"

#include <commctrl.h>

#include <string>

namespace taverel::testing {

namespace {

constexpr const wchar_t* kPreviousProc = L"TestPreviousProc";

LRESULT CALLBACK SkinPaintProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kPreviousProc));
    if (message == WM_PAINT)
        return skin::EntryPointsOf(window).paint(previous, window, message, wparam, lparam);
    if (message == WM_NCPAINT)
        return skin::EntryPointsOf(window).nc_paint(previous, window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kPreviousProc);
    }
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

}  // namespace

const wchar_t* PlainClass(const wchar_t* name) {
    return RegisterTestClass(name, nullptr, nullptr,
                             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

const wchar_t* Superclass(const wchar_t* base, const wchar_t* name) {
    EXPECT_NE(RegisterTestClass(name, base), nullptr);
    return name;
}

void KindsTest::SetUpTestSuite() {
    platform::LoadCommonControls(ICC_WIN95_CLASSES);
}

void KindsTest::TearDownTestSuite() {}

void KindsTest::SetUp() {
    // The engine's last detach releases the sheets; build them afresh.
    if (!skin::GlyphSheetsBuilt())
        skin::BuildGlyphSheets();
    host_ = CreateTopWindow(PlainClass(L"TaverelKindsHost"), L"kinds", WS_POPUP | WS_CLIPCHILDREN,
                            WS_EX_TOPMOST, 0, 0, 640, 400);
    ASSERT_NE(host_, nullptr);
    PumpMessages();
}

void KindsTest::TearDown() {
    DestroyWindow(host_);
    PumpMessages();
}

HWND KindsTest::CreateChild(const wchar_t* class_name, DWORD extra_style, int x, int y, int width,
                            int height, DWORD ex_style, const wchar_t* text) {
    HWND child =
        CreateChildWindow(host_, class_name, text, extra_style, x, y, width, height, ex_style);
    EXPECT_NE(child, nullptr) << "class "
                              << std::string(class_name, class_name + wcslen(class_name));
    UpdateWindow(child);
    PumpMessages();
    return child;
}

void KindsTest::RouteSkinPaint(HWND window) {
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinPaintProc));
    SetPropW(window, kPreviousProc, reinterpret_cast<HANDLE>(previous));
}

void KindsTest::Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
}

void FillWindowBox(HWND window, int x, int y, int width, int height, COLORREF colour) {
    platform::WindowDc dc = platform::WindowDc::Whole(window);
    platform::Brush brush(CreateSolidBrush(colour));
    const RECT box{x, y, x + width, y + height};
    FillRect(dc.get(), &box, brush.get());
}

COLORREF SheetPixel(skin::GlyphSheet sheet, int x, int y) {
    return skin::GlyphSheetPixel(sheet, x, y);
}

}  // namespace taverel::testing
