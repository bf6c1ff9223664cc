// A visible host window for the painters of the non-push-button kinds, with
// helpers to create controls on it, to route their paint messages through
// the skin's paint handlers without the whole engine, and to read pixels
// back from their window DCs.
#pragma once

#include "platform/win.h"
#include "platform/window_class_names.h"
#include "skin/draw/glyph_sheets.h"
#include "tests/skin/visual_state_print.h"
#include "tests/support/pixels.h"
#include "tests/support/test_windows.h"

#include <gtest/gtest.h>

namespace taverel::testing {

class KindsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND host() const { return host_; }
    // A visible child of the host; `extra_style` adds to WS_CHILD | WS_VISIBLE.
    HWND CreateChild(const wchar_t* class_name, DWORD extra_style, int x, int y, int width,
                     int height, DWORD ex_style = 0, const wchar_t* text = L"");
    // Sends WM_PAINT and WM_NCPAINT of `window` through the skin's paint
    // handlers, as the engine's window procedure would.
    static void RouteSkinPaint(HWND window);
    // Repaints the window now (frame and client), through whatever procedure it has.
    static void Repaint(HWND window);

private:
    HWND host_ = nullptr;
};

// Fills the box of the whole-window DC with `colour`, so that what a
// painter leaves alone shows.
void FillWindowBox(HWND window, int x, int y, int width, int height, COLORREF colour = Sentinel);

COLORREF SheetPixel(skin::GlyphSheet sheet, int x, int y);

// A window class registered once per process: DefWindowProc, white background.
const wchar_t* PlainClass(const wchar_t* name);
// A class of this process under `name` with the procedure of the platform's
// class `base`, registered once.
const wchar_t* Superclass(const wchar_t* base, const wchar_t* name);

}  // namespace taverel::testing
