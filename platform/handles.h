// Move-only owners for every kind of handle the program creates, each with
// its right closer. Copy is deleted so no owner can close a handle twice.
// Teardown order of a canvas matters: select the original bitmap back, delete
// the DC, then delete the bitmap (a selected bitmap cannot be deleted).
#pragma once

#include "platform/win.h"

#include <type_traits>
#include <utility>

namespace taverel::platform {

// Owns one handle and gives it to `Close` exactly once. `Close` is the
// closing function itself (&DeleteObject, &DestroyWindow, ...), so its
// calling convention is part of the owner's type and the call is right on
// x86 as well as x64.
template <typename Handle, auto Close>
class UniqueHandle {
    static_assert(std::is_invocable_v<decltype(Close), Handle>,
                  "the closer must take the owned handle");

public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the handle over without closing it.
    Handle release() { return std::exchange(handle_, nullptr); }
    // Closes the handle held now (unless it is the one given) and keeps
    // `handle` instead.
    void reset(Handle handle = nullptr) {
        const Handle old = std::exchange(handle_, handle);
        if (old && old != handle)
            Close(old);
    }

private:
    Handle handle_ = nullptr;
};

// GDI objects (bitmap, brush, font, pen, region, palette): DeleteObject.
template <typename T>
using GdiObject = UniqueHandle<T, &DeleteObject>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;
using Palette = GdiObject<HPALETTE>;

// A DC made by CreateCompatibleDC or CreateDC: DeleteDC.
using MemoryDc = UniqueHandle<HDC, &DeleteDC>;
// A window this program created and destroys itself: DestroyWindow.
using Window = UniqueHandle<HWND, &DestroyWindow>;
// A library loaded with LoadLibrary: FreeLibrary.
using Module = UniqueHandle<HMODULE, &FreeLibrary>;
// An icon made by LoadImage without LR_SHARED or CreateIcon: DestroyIcon.
using Icon = UniqueHandle<HICON, &DestroyIcon>;
// A kernel object whose calls fail with null (process, thread, event; not
// CreateFileW, which fails with INVALID_HANDLE_VALUE): CloseHandle.
using KernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
// Memory the system allocated with LocalAlloc for the caller to free, such
// as CommandLineToArgvW's list: LocalFree.
template <typename T>
using LocalMemory = UniqueHandle<T*, &LocalFree>;

// Owns a handle lent by a context it has to go back to, such as a window's
// DC (given back with ReleaseDC) or the object a DC held before another was
// selected (selected back with SelectObject): `GiveBack(context, handle)`
// runs exactly once. Like UniqueHandle, the function is part of the type.
template <typename Context, typename Handle, auto GiveBack>
class LentHandle {
    static_assert(std::is_invocable_v<decltype(GiveBack), Context, Handle>,
                  "the function must take the context and the handle");

public:
    LentHandle() = default;
    LentHandle(Context context, Handle handle) : context_(context), handle_(handle) {}
    ~LentHandle() { reset(); }
    LentHandle(const LentHandle&) = delete;
    LentHandle& operator=(const LentHandle&) = delete;
    LentHandle(LentHandle&& other) noexcept
        : context_(std::exchange(other.context_, nullptr)),
          handle_(std::exchange(other.handle_, nullptr)) {}
    LentHandle& operator=(LentHandle&& other) noexcept {
        if (this != &other) {
            reset();
            context_ = std::exchange(other.context_, nullptr);
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle back now.
    void reset() {
        const Context context = std::exchange(context_, nullptr);
        if (const Handle handle = std::exchange(handle_, nullptr))
            GiveBack(context, handle);
    }

private:
    Context context_ = nullptr;
    Handle handle_ = nullptr;
};

// A DC from GetDC / GetWindowDC, released to its window: ReleaseDC.
class WindowDc : public LentHandle<HWND, HDC, &ReleaseDC> {
public:
    using LentHandle::LentHandle;
    static WindowDc Whole(HWND window) { return WindowDc(window, GetWindowDC(window)); }
    static WindowDc Client(HWND window) { return WindowDc(window, GetDC(window)); }
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window_, &ps_); }
    // EndPaint only after a BeginPaint that succeeded (it fails on a window
    // that is gone or belongs to another thread): after a failed one the
    // paint structure holds no DC to give back, and EndPaint's ShowCaret
    // would show a caret that no painting hid.
    ~PaintDc() {
        if (dc_)
            EndPaint(window_, &ps_);
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& paint() const { return ps_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back on scope exit.
class SelectedObject : public LentHandle<HDC, HGDIOBJ, &SelectObject> {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) : LentHandle(dc, Select(dc, object)) {}
    HGDIOBJ previous() const { return get(); }

private:
    static HGDIOBJ Select(HDC dc, HGDIOBJ object) {
        const HGDIOBJ previous = dc && object ? SelectObject(dc, object) : nullptr;
        return previous == HGDI_ERROR ? nullptr : previous;
    }
};

// Selects `previous` back into `dc` as foreground or background palette and
// realises it: how a SelectedPalette gives its DC's palette back.
template <BOOL InBackground>
void SelectPaletteBack(HDC dc, HPALETTE previous) {
    SelectPalette(dc, previous, InBackground);
    RealizePalette(dc);
}

// Selects a palette into a DC and realises it; on scope exit selects the
// previous palette back (in the foreground or background as asked) and
// realises that one again. Of its two lent handles at most one is held.
class SelectedPalette {
public:
    SelectedPalette() = default;
    SelectedPalette(HDC dc, HPALETTE palette, BOOL force_background, BOOL restore_in_background) {
        const HPALETTE previous =
            dc && palette ? SelectPalette(dc, palette, force_background) : nullptr;
        if (!previous)
            return;
        RealizePalette(dc);
        if (restore_in_background)
            background_ = InBackground(dc, previous);
        else
            foreground_ = InForeground(dc, previous);
    }
    HPALETTE previous() const { return foreground_ ? foreground_.get() : background_.get(); }
    // Selects the previous palette back now.
    void reset() {
        foreground_.reset();
        background_.reset();
    }

private:
    using InForeground = LentHandle<HDC, HPALETTE, &SelectPaletteBack<FALSE>>;
    using InBackground = LentHandle<HDC, HPALETTE, &SelectPaletteBack<TRUE>>;
    InForeground foreground_;
    InBackground background_;
};

// Saves the whole state of a DC (selections, clipping, modes) and restores
// it on scope exit, for code that changes a DC it was lent.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~SavedDcState() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace taverel::platform
