#include "skin/draw/scratch_surfaces.h"

#include "platform/gdi.h"
#include "platform/per_thread.h"
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

// A thread's set; deleting it releases everything in it.
struct HeldSet {
    bool held = false;
    platform::MemoryDc display;
    platform::Palette halftone;
    bool screen_is_32_bit = false;  // asked once: GetDeviceCaps costs tens of blits
    std::array<ScratchBitmap, kUseCount> surfaces;
    std::array<bool, kUseCount> lent{};
};

// Every thread that paints has a set of its own: a DC serves one thread at a
// time (Wine fails a call on a DC that another thread is in the middle of
// using) and a bitmap is selected into one DC at a time. A thread that ends
// without giving its windows back has its set released as it ends.
platform::PerThread<HeldSet>& ThreadSets() {
    static platform::PerThread<HeldSet> sets;
    return sets;
}

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
    HeldSet* set = ThreadSets().Get();
    if (!set || set->held)
        return;
    set->display = platform::CreateDisplayDc();
    set->halftone = platform::CreateHalftonePaletteFor(set->display.get());
    set->screen_is_32_bit = set->display && Is32Bit(set->display.get());
    set->held = true;
}

void ReleaseScratchSurfaces() {
    HeldSet* set = ThreadSets().Find();
    if (!set)
        return;
    for (std::size_t i = 0; i < kUseCount; ++i) {
        if (!set->lent[i])
            set->surfaces[i].Reset();
    }
    set->halftone.reset();
    set->display.reset();
    set->held = false;
}

int HeldScratchObjectCount() {
    const HeldSet* set = ThreadSets().Find();
    if (!set)
        return 0;
    int count = (set->display ? 1 : 0) + (set->halftone ? 1 : 0);
    for (const ScratchBitmap& surface : set->surfaces)
        count += surface.ObjectCount();
    return count;
}

HPALETTE HeldHalftonePalette() {
    const HeldSet* set = ThreadSets().Find();
    return set ? set->halftone.get() : nullptr;
}

ScratchScope::ScratchScope() {
    const HeldSet* set = ThreadSets().Find();
    made_ = !set || !set->held;
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
    HeldSet* set = ThreadSets().Find();
    const bool held = set && set->held;
    const auto index = static_cast<std::size_t>(use);
    const bool keep = width <= kLargestKept && height <= kLargestKept;
    if (held && keep && index < kUseCount && !set->lent[index]) {
        ScratchBitmap& surface = set->surfaces[index];
        if (surface.Fit(set->display.get(), FormatFor(use, set->screen_is_32_bit), width, height)) {
            set->lent[index] = true;
            lent_ = &set->lent[index];
            held_ = &set->held;
            surface_ = &surface;
            dc_ = surface.dc.get();
            ResetAttributes(dc_);
            return;
        }
        surface.Reset();
    }
    // Made for this use alone: against the held display DC when there is one.
    platform::MemoryDc display;
    HDC reference = held ? set->display.get() : nullptr;
    if (!reference) {
        display = platform::CreateDisplayDc();
        reference = display.get();
    }
    if (reference &&
        own_.Fit(reference, FormatFor(use, held ? set->screen_is_32_bit : Is32Bit(reference)),
                 width, height)) {
        surface_ = &own_;
        dc_ = own_.dc.get();
    }
}

ScratchSurface::~ScratchSurface() {
    if (!lent_)
        return;
    *lent_ = false;
    // Given back after the set was released: it goes now.
    if (!*held_)
        surface_->Reset();
}

}  // namespace taverel::skin
