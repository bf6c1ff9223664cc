#include "skin/push_button.h"

#include "platform/handles.h"
#include "skin/draw/colours.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/fade.h"
#include "skin/properties.h"

#include <string>

namespace taverel::skin {

namespace {

constexpr int StateCount = 4;
// Caption and focus rectangle sit 2 pixels inside the button's edge.
constexpr int CaptionInset = 2;

HDC StateDcOf(HWND window, int state) {
    return reinterpret_cast<HDC>(GetSkinProp(window, prop::StateDc(state)));
}

bool KeepsOwnDrawing(HWND window) {
    return (GetSkinProp(window, prop::OldStyle) & ForeignButtonStyleBits) != 0;
}

}  // namespace

void CreateButtonStateImages(HWND window) {
    const platform::WindowDc window_dc = platform::WindowDc::Whole(window);
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    for (int n = 0; n < StateCount; ++n) {
        platform::MemoryDc dc(CreateCompatibleDC(window_dc.get()));
        platform::Bitmap bitmap(
            CreateCompatibleBitmap(window_dc.get(), bounds.Width, bounds.Height));
        // What the selection hands back is the context's initial stock bitmap.
        if (dc && bitmap)
            SelectObject(dc.get(), bitmap.get());
        SetSkinProp(window, prop::StateDc(n), reinterpret_cast<INT_PTR>(dc.release()));
        SetSkinProp(window, prop::StateBitmap(n), reinterpret_cast<INT_PTR>(bitmap.release()));
    }
    RenderButtonStates(window);
}

void DeleteButtonStateImages(HWND window) {
    for (int n = 0; n < StateCount; ++n) {
        // Declared bitmap first so it is destroyed last: deleting the context
        // releases the selection, after which the bitmap can be deleted.
        platform::Bitmap bitmap(
            reinterpret_cast<HBITMAP>(GetSkinProp(window, prop::StateBitmap(n))));
        platform::MemoryDc dc(StateDcOf(window, n));
        dc.reset();
        bitmap.reset();
        RemoveSkinProp(window, prop::StateDc(n));
        RemoveSkinProp(window, prop::StateBitmap(n));
    }
}

void RenderButtonStates(HWND window) {
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const std::wstring caption = GetWindowCaption(window);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const bool focused = GetFocus() == window;

    for (int n = 0; n < StateCount; ++n) {
        const HDC dc = StateDcOf(window, n);
        if (!dc)
            continue;
        // The control owns its font and may delete it while the button stays
        // skinned; it is selected only for the caption, never left behind.
        const platform::SelectedObject selected_font(dc, font);
        SetBkMode(dc, TRANSPARENT);
        DrawGlyph(dc, {0, 0, bounds.Width, bounds.Height},
                  atlas::ButtonFace(static_cast<VisualState>(n)));
        SetTextColor(dc, n == StateNumber(VisualState::Disabled) ? DisabledTextColour : Black);
        const int inner_width = bounds.Width - 2 * CaptionInset;
        const int inner_height = bounds.Height - 2 * CaptionInset;
        DrawTextBox(dc, caption, CaptionInset, CaptionInset, inner_width, inner_height,
                    CentredSingleLine);
        if (focused)
            DrawFocusBox(dc, CaptionInset, CaptionInset, inner_width, inner_height);
    }
}

void BlendButtonFade(HWND window, HDC dc) {
    if (!IsWindowEnabled(window))
        StoreState(window, VisualState::Disabled);
    if (KeepsOwnDrawing(window))
        return;

    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const int state = StateNumber(StoredState(window));
    const INT_PTR level = GetSkinProp(window, prop::AlphaLevel);
    if (state < 0 || state >= StateCount)
        return;
    const HDC source = StateDcOf(window, state);

    platform::WindowDc own;
    HDC target = dc;
    if (!target) {
        own = platform::WindowDc::Whole(window);
        target = own.get();
    }
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = static_cast<BYTE>(level);
    blend.AlphaFormat = 0;
    AlphaBlend(target, 0, 0, bounds.Width, bounds.Height, source, 0, 0, bounds.Width, bounds.Height,
               blend);
}

void ApplyButtonRegion(HWND window, int width, int height) {
    platform::Region region(CreateRoundRectRgn(0, 0, width + 1, height + 1, 3, 3));
    // Once set, the region belongs to the window.
    if (region && SetWindowRgn(window, region.get(), TRUE))
        region.release();
}

LRESULT PaintPushButton(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (KeepsOwnDrawing(window))
        return CallWindowProcW(previous, window, message, wparam, lparam);
    StopFadeTimer(window);
    SetSkinProp(window, prop::AlphaLevel, FullLevel);
    const platform::PaintDc paint(window);
    BlendButtonFade(window, paint.get());
    return 0;
}

LRESULT SizePushButton(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
    WindowBounds bounds;
    {
        const platform::WindowDc window_dc = platform::WindowDc::Whole(window);
        GetWindowBounds(window, &bounds);
        for (int n = 0; n < StateCount; ++n) {
            platform::Bitmap bitmap(
                CreateCompatibleBitmap(window_dc.get(), bounds.Width, bounds.Height));
            const HDC dc = StateDcOf(window, n);
            if (!dc || !bitmap)
                continue;
            // The bitmap the new one replaces is no longer selected anywhere.
            platform::Bitmap replaced(static_cast<HBITMAP>(SelectObject(dc, bitmap.get())));
            SetSkinProp(window, prop::StateBitmap(n), reinterpret_cast<INT_PTR>(bitmap.release()));
        }
        RenderButtonStates(window);
    }
    ApplyButtonRegion(window, bounds.Width, bounds.Height);
    return result;
}

}  // namespace taverel::skin
