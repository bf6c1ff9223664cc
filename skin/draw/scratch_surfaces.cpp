#include "skin/draw/scratch_surfaces.h"

#include "platform/gdi.h"
#include "skin/draw/direct_pixels.h"

#include <array>
#include <cstddef>
#include <utility>

namespace taverel::skin {

namespace {

// Surfaces grow in steps of this many pixels each way, so a few sizes of
// control share one bitmap; a box beyond the largest class is not kept.
constexpr int kSizeStep = 64;
constexpr int kLargestKept = 2048;

constexpr std::size_t kUseCount = static_cast<std::size_t>(ScratchUse::Count);

struct HeldSet {
    bool held = false;
    platform::MemoryDc display;
    platform::Palette halftone;
    bool screen_is_32_bit = false;  // asked once: GetDeviceCaps costs tens of blits
    std::array<ScratchBitmap, kUseCount> surfaces;
    std::array<bool, kUseCount> lent{};
};
HeldSet g_scratch;

int SizeClass(int length) {
    return (length + kSizeStep - 1) / kSizeStep * kSizeStep;
}

// What a new DC starts with, for the attributes the drawing code reads; the
// objects selected into a surface are selected back by their users.
void ResetAttributes(HDC dc) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, 0x00FFFFFF);
    SetTextColor(dc, 0x00000000);
    SetStretchBltMode(dc, BLACKONWHITE);
}

platform::Bitmap CreateDirect32Bitmap(HDC, int width, int height, void** bits) {
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    return platform::Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

bool Is32Bit(HDC reference) {
    return GetDeviceCaps(reference, BITSPIXEL) == 32 && GetDeviceCaps(reference, PLANES) == 1;
}

ScratchFormat FormatFor(ScratchUse use, bool screen_is_32_bit) {
    if (use == ScratchUse::KeyedMask)
        return ScratchFormat::Monochrome;
    if ((use == ScratchUse::KeyedWork || use == ScratchUse::KeyedSource) && screen_is_32_bit)
        return ScratchFormat::Direct32;
    return ScratchFormat::Screen;
}

}  // namespace

void ScratchBitmap::Reset() {
    if (dc && original)
        SelectObject(dc.get(), original);
    dc.reset();
    bitmap.reset();
    original = nullptr;
    pixels = nullptr;
    width = 0;
    height = 0;
}

bool ScratchBitmap::Fit(HDC reference, ScratchFormat format, int wanted_width, int wanted_height) {
    if (dc && bitmap && wanted_width <= width && wanted_height <= height)
        return true;
    if (!dc) {
        dc = platform::CreateCompatibleMemoryDc(reference);
        if (!dc)
            return false;
    }
    const int new_width = SizeClass(wanted_width > width ? wanted_width : width);
    const int new_height = SizeClass(wanted_height > height ? wanted_height : height);
    void* bits = nullptr;
    platform::Bitmap grown;
    if (format == ScratchFormat::Monochrome)
        grown = platform::CreateMonochromeBitmap(new_width, new_height);
    else if (format == ScratchFormat::Direct32)
        grown = CreateDirect32Bitmap(reference, new_width, new_height, &bits);
    else
        grown = platform::CreateCompatibleBitmapFor(reference, new_width, new_height);
    if (!grown)
        return false;
    const HGDIOBJ previous = SelectObject(dc.get(), grown.get());
    if (!previous || previous == HGDI_ERROR)
        return false;
    // The first selection hands back the DC's own placeholder, kept for the
    // teardown; later ones hand back the bitmap being replaced.
    if (!original)
        original = previous;
    bitmap = std::move(grown);
    pixels = static_cast<std::uint32_t*>(bits);
    width = new_width;
    height = new_height;
    return true;
}

void HoldScratchSurfaces() {
    if (g_scratch.held)
        return;
    g_scratch.display = platform::CreateDisplayDc();
    g_scratch.halftone = platform::CreateHalftonePaletteFor(g_scratch.display.get());
    g_scratch.screen_is_32_bit = g_scratch.display && Is32Bit(g_scratch.display.get());
    g_scratch.held = true;
}

void ReleaseScratchSurfaces() {
    for (std::size_t i = 0; i < kUseCount; ++i) {
        if (!g_scratch.lent[i])
            g_scratch.surfaces[i].Reset();
    }
    g_scratch.halftone.reset();
    g_scratch.display.reset();
    g_scratch.held = false;
}

int HeldScratchObjectCount() {
    int count = (g_scratch.display ? 1 : 0) + (g_scratch.halftone ? 1 : 0);
    for (const ScratchBitmap& surface : g_scratch.surfaces)
        count += surface.ObjectCount();
    return count;
}

HPALETTE HeldHalftonePalette() {
    return g_scratch.halftone.get();
}

ScratchScope::ScratchScope() : made_(!g_scratch.held) {
    if (made_)
        HoldScratchSurfaces();
}

ScratchScope::~ScratchScope() {
    if (made_)
        ReleaseScratchSurfaces();
}

ScratchSurface::ScratchSurface(ScratchUse use, int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    const auto index = static_cast<std::size_t>(use);
    const bool keep = width <= kLargestKept && height <= kLargestKept;
    if (g_scratch.held && keep && index < kUseCount && !g_scratch.lent[index]) {
        const HDC display = g_scratch.display.get();
        ScratchBitmap& surface = g_scratch.surfaces[index];
        if (surface.Fit(display, FormatFor(use, g_scratch.screen_is_32_bit), width, height)) {
            g_scratch.lent[index] = true;
            borrowed_ = true;
            surface_ = &surface;
            dc_ = surface.dc.get();
            ResetAttributes(dc_);
            return;
        }
        surface.Reset();
    }
    // Made for this use alone: against the held display DC when there is one.
    platform::MemoryDc display;
    HDC reference = g_scratch.display.get();
    if (!reference) {
        display = platform::CreateDisplayDc();
        reference = display.get();
    }
    if (reference &&
        own_.Fit(reference,
                 FormatFor(use, g_scratch.held ? g_scratch.screen_is_32_bit : Is32Bit(reference)),
                 width, height)) {
        surface_ = &own_;
        dc_ = own_.dc.get();
    }
}

ScratchSurface::~ScratchSurface() {
    if (!borrowed_)
        return;
    const auto index = static_cast<std::size_t>(surface_ - g_scratch.surfaces.data());
    g_scratch.lent[index] = false;
    // Given back after the set was released: it goes now.
    if (!g_scratch.held)
        surface_->Reset();
}

}  // namespace taverel::skin
