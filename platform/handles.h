// Move-only owners for every kind of handle the program creates, each with
// its right closer. Copy is deleted so no owner can close a handle twice.
// Teardown order of a canvas matters: select the original bitmap back, delete
// the DC, then delete the bitmap (a selected bitmap cannot be deleted).
#pragma once

#include "platform/win.h"

#include <utility>

namespace taverel::platform {

// Owns a GDI object (bitmap, brush, font, pen, region, palette): DeleteObject.
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    T release() { return std::exchange(handle_, nullptr); }
    void reset(T handle = nullptr) {
        if (handle_ && handle_ != handle)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    T handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;
using Palette = GdiObject<HPALETTE>;

// Owns a DC made by CreateCompatibleDC or CreateDC: DeleteDC.
class MemoryDc {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC dc) : dc_(dc) {}
    ~MemoryDc() { reset(); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    MemoryDc(MemoryDc&& other) noexcept : dc_(other.release()) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    HDC release() { return std::exchange(dc_, nullptr); }
    void reset(HDC dc = nullptr) {
        if (dc_ && dc_ != dc)
            DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};

// A DC from GetDC / GetWindowDC, released to its window: ReleaseDC.
class WindowDc {
public:
    WindowDc() = default;
    WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
    static WindowDc Whole(HWND window) { return WindowDc(window, GetWindowDC(window)); }
    static WindowDc Client(HWND window) { return WindowDc(window, GetDC(window)); }
    ~WindowDc() { reset(); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_)
            ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window_, &ps_); }
    ~PaintDc() { EndPaint(window_, &ps_); }
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
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (dc_ && previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    HGDIOBJ previous() const { return previous_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a palette into a DC and realises it; on scope exit selects the
// previous palette back (in the foreground or background as asked) and
// realises that one again.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, BOOL force_background, BOOL restore_in_background)
        : dc_(dc),
          previous_(dc && palette ? SelectPalette(dc, palette, force_background) : nullptr),
          restore_in_background_(restore_in_background) {
        if (previous_)
            RealizePalette(dc_);
    }
    ~SelectedPalette() {
        if (dc_ && previous_) {
            SelectPalette(dc_, previous_, restore_in_background_);
            RealizePalette(dc_);
        }
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    HPALETTE previous() const { return previous_; }

private:
    HDC dc_;
    HPALETTE previous_;
    BOOL restore_in_background_;
};

}  // namespace taverel::platform
