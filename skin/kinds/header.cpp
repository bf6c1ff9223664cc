#include "skin/kinds/header.h"

#include "platform/handles.h"
#include "skin/draw/scratch_surfaces.h"
#include "skin/draw/geometry.h"
#include "skin/draw/glyph_atlas.h"
#include "skin/draw/primitives.h"
#include "skin/kinds/kind_parts.h"
#include "skin/kinds/kind_table.h"
#include "skin/properties.h"

#include <commctrl.h>

namespace taverel::skin {

namespace {

constexpr int kCaptionCapacity = 256;

RECT ItemRect(HWND header, int index) {
    RECT rect{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int ItemCount(HWND header) {
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

HFONT HeaderFont(HWND header) {
    return reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0));
}

void DrawItemFace(HDC dc, int x, int width, int height, VisualState state, int scale) {
    DrawGlyph(dc, {x, 0, width, height}, Scaled(atlas::HeaderItem(state), scale));
}

}  // namespace

int ReadHeaderItemText(HWND header, int index, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return 0;
    for (int i = 0; i < capacity; ++i)
        buffer[i] = L'\0';
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = capacity;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    // A callback item may come back pointing at the owner's storage instead
    // of ours, or still marked as a callback (no text to show).
    const wchar_t* text = item.pszText ? item.pszText : buffer;
    if (text == LPSTR_TEXTCALLBACKW)
        text = buffer;
    int length = 0;
    while (length < capacity - 1 && text[length] != L'\0')
        ++length;
    if (text != buffer) {
        for (int i = 0; i < length; ++i)
            buffer[i] = text[i];
    }
    buffer[length] = L'\0';
    return length;
}

std::wstring GetHeaderItemCaption(HWND header, int index) {
    wchar_t buffer[kCaptionCapacity];
    const int length = ReadHeaderItemText(header, index, buffer, kCaptionCapacity);
    return std::wstring(buffer, static_cast<std::size_t>(length));
}

int PaintHeaderItem(HWND window, HDC dc, int index, VisualState state) {
    if (index < 0)
        return 0;
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const RECT rect = ItemRect(window, index);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    const ScratchSurface canvas(ScratchUse::Compose, width, bounds.Height);
    platform::SelectedObject font(canvas.dc(), HeaderFont(window));
    SetBkMode(canvas.dc(), TRANSPARENT);
    DrawItemFace(canvas.dc(), 0, width, bounds.Height, state, GlyphScaleOf(window));
    const std::wstring caption = GetHeaderItemCaption(window, index);
    if (!caption.empty())
        DrawTextBox(canvas.dc(), caption, 0, 0, width, bounds.Height, CentredSingleLine);

    platform::WindowDc own;
    if (!dc) {
        own = platform::WindowDc::Whole(window);
        dc = own.get();
    }
    BitBlt(dc, rect.left, 0, width, height, canvas.dc(), 0, 0, SRCCOPY);
    return 0;
}

namespace {

LRESULT PaintHeaderBranch(WNDPROC, HWND window, UINT, WPARAM, LPARAM) {
    WindowBounds bounds;
    GetWindowBounds(window, &bounds);
    const ScratchSurface canvas(ScratchUse::Compose, bounds.Width, bounds.Height);
    HDC dc = canvas.dc();
    // Right of the last item the header shows this stretched column.
    const int scale = GlyphScaleOf(window);
    StretchGlyph(dc, {0, 0, bounds.Width, bounds.Height}, Scaled(atlas::HeaderBackground, scale));

    const int count = ItemCount(window);
    if (count > 0) {
        const INT_PTR pressed = GetSkinProp(window, prop::HdIndex);
        const INT_PTR hover = GetSkinProp(window, prop::HmIndex);
        platform::SelectedObject font(dc, HeaderFont(window));
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < count; ++i) {
            const RECT rect = ItemRect(window, i);
            const std::wstring caption = GetHeaderItemCaption(window, i);
            VisualState face = VisualState::Normal;
            if (i == pressed)
                face = VisualState::Pressed;
            else if (i == hover)
                face = VisualState::Hover;
            const int width = rect.right - rect.left;
            DrawItemFace(dc, rect.left, width, bounds.Height, face, scale);
            if (!caption.empty())
                DrawTextBox(dc, caption, rect.left, 0, width, rect.bottom, CentredSingleLine);
        }
    }

    platform::PaintDc paint(window);
    BitBlt(paint.get(), 0, 0, bounds.Width, bounds.Height, dc, 0, 0, SRCCOPY);
    return 0;
}

}  // namespace

int HeaderHitTest(HWND header, int x) {
    const int count = ItemCount(header);
    for (int i = 0; i < count; ++i) {
        const RECT rect = ItemRect(header, i);
        if (rect.left <= x && x <= rect.right)
            return i;
    }
    return -1;
}

namespace {

int HeaderIndex(HWND header, const wchar_t* name) {
    return static_cast<int>(GetSkinProp(header, name));
}

void TakeOver(HWND header) {
    SetSkinProp(header, prop::MouseFlag, 0);
    SetSkinProp(header, prop::HdIndex, -1);
    SetSkinProp(header, prop::HmIndex, -1);
}

void GiveBack(HWND header) {
    RemoveSkinProp(header, prop::MouseFlag);
    RemoveSkinProp(header, prop::HdIndex);
    RemoveSkinProp(header, prop::HmIndex);
}

void MouseMove(HWND header, WPARAM buttons, LPARAM point, bool) {
    const int old = HeaderIndex(header, prop::HmIndex);
    const int hit = HeaderHitTest(header, PointerX(point));
    const int pressed = HeaderIndex(header, prop::HdIndex);
    if (hit == old)
        return;
    if (old >= 0 && old != pressed)
        PaintHeaderItem(header, nullptr, old, VisualState::Normal);
    if (buttons & MK_LBUTTON) {
        // While the button is held the hover index stays where the press began.
        if (hit == pressed)
            PaintHeaderItem(header, nullptr, hit, VisualState::Pressed);
        return;
    }
    SetSkinProp(header, prop::HmIndex, hit);
    PaintHeaderItem(header, nullptr, hit, VisualState::Hover);
}

void MouseLeave(HWND header) {
    const int old = HeaderIndex(header, prop::HmIndex);
    SetSkinProp(header, prop::MouseFlag, 0);
    SetSkinProp(header, prop::HdIndex, -1);
    SetSkinProp(header, prop::HmIndex, -1);
    if (old >= 0)
        PaintHeaderItem(header, nullptr, old, VisualState::Normal);
}

// A double click presses like a button down.
void Press(HWND header, LPARAM point) {
    if (ItemCount(header) <= 0)
        return;
    const int hit = HeaderHitTest(header, PointerX(point));
    SetSkinProp(header, prop::HdIndex, hit);
    if (hit >= 0)
        PaintHeaderItem(header, nullptr, hit, VisualState::Pressed);
}

void Release(HWND header) {
    const int pressed = HeaderIndex(header, prop::HdIndex);
    SetSkinProp(header, prop::HdIndex, -1);
    if (pressed >= 0) {
        PaintHeaderItem(header, nullptr, pressed,
                        PointerOver(header) ? VisualState::Hover : VisualState::Normal);
    }
}

}  // namespace

KindEntryPoints HeaderKind() {
    KindEntryPoints k;
    k.take_over = TakeOver;
    k.give_back = GiveBack;
    k.paint = PaintHeaderBranch;
    k.follows_pointer = true;
    k.mouse_move = MouseMove;
    k.mouse_leave = MouseLeave;
    k.button_down = Press;
    k.double_click = Press;
    k.button_up = Release;
    return k;
}

}  // namespace taverel::skin
