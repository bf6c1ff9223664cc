#include "skin/draw/glyph_sheets.h"

#include "platform/gdi.h"
#include "platform/per_thread.h"
#include "skin/draw/canvas.h"
#include "skin/draw/colours.h"
#include "skin/draw/direct_pixels.h"
#include "skin/draw/glyph_sheet_data.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace taverel::skin {

namespace {

using SheetSet = std::array<MemoryCanvas, GlyphSheetCount>;
// The art of the five sheets at one factor: 32-bit pixels, rows top-down.
using SheetPixels = std::array<std::vector<std::uint32_t>, GlyphSheetCount>;

constexpr std::array<GlyphSheet, GlyphSheetCount> kSheetOrder = {
    GlyphSheet::ButtonFace, GlyphSheet::DropButton, GlyphSheet::CheckGlyph,
    GlyphSheet::OptionCircle, GlyphSheet::HeaderItem};

std::size_t IndexOf(GlyphSheet sheet) {
    return static_cast<std::size_t>(sheet);
}

bool Inside(GlyphSheet sheet, int x, int y) {
    const SIZE size = glyph_data::Size(sheet);
    return IndexOf(sheet) < GlyphSheetCount && x >= 0 && y >= 0 && x < size.cx && y < size.cy;
}

// Each pixel of the data a scale x scale block.
std::shared_ptr<const SheetPixels> WriteArt(int scale) {
    auto art = std::make_shared<SheetPixels>();
    for (GlyphSheet sheet : kSheetOrder) {
        const SIZE size = glyph_data::Size(sheet);
        const int width = size.cx * scale;
        const int height = size.cy * scale;
        std::vector<std::uint32_t>& pixels = (*art)[IndexOf(sheet)];
        pixels.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels[static_cast<std::size_t>(y) * width + x] =
                    DibPixel(glyph_data::Pixel(sheet, x / scale, y / scale));
            }
        }
    }
    return art;
}

// The art, shared read-only by every thread that paints: made once per
// factor while any thread holds sheets, dropped when the last one lets go.
// The canvases themselves cannot be shared: a DC serves one thread at a time
// and a bitmap is selected into one DC at a time, so each thread writes
// canvases of its own from this art. Never destroyed: a thread's sheets may
// be released during the process's exit, after static objects are gone.
struct SharedArt {
    std::mutex mutex;
    int holders = 0;
    std::array<std::shared_ptr<const SheetPixels>, MaxGlyphScale> factors;
};
SharedArt& Shared() {
    static SharedArt* const shared = new SharedArt;
    return *shared;
}

void Hold() {
    SharedArt& shared = Shared();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    ++shared.holders;
}

void LetGo() {
    SharedArt& shared = Shared();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    if (--shared.holders == 0) {
        for (std::shared_ptr<const SheetPixels>& art : shared.factors)
            art.reset();
    }
}

// The art at `scale` (1 to MaxGlyphScale), made by the first thread to ask;
// the caller holds it (Hold) or keeps the pointer while it reads.
std::shared_ptr<const SheetPixels> ArtAt(int scale) {
    SharedArt& shared = Shared();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    std::shared_ptr<const SheetPixels>& art = shared.factors[static_cast<std::size_t>(scale - 1)];
    if (!art)
        art = WriteArt(scale);
    return art;
}

// The five canvases of one thread at one factor, with every pixel in one
// transfer: a pixel at a time costs about as much as the rest of attaching
// a window.
SheetSet MakeSheets(int scale) {
    const std::shared_ptr<const SheetPixels> art = ArtAt(scale);
    SheetSet sheets;
    // One display DC for the five: opening one costs as much as writing a sheet.
    const platform::MemoryDc display = platform::CreateDisplayDc();
    for (GlyphSheet sheet : kSheetOrder) {
        const SIZE size = glyph_data::Size(sheet);
        const int width = size.cx * scale;
        const int height = size.cy * scale;
        MemoryCanvas canvas = CreateMemoryCanvas(width, height, display.get());
        // A sheet that could not be made stays empty; writes to it would
        // fail anyway, and copies from it fail in turn.
        if (const HDC dc = canvas.dc()) {
            const BITMAPINFO info = TopDown32BitInfo(width, height);
            SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height,
                              (*art)[IndexOf(sheet)].data(), &info, DIB_RGB_COLORS);
        }
        sheets[IndexOf(sheet)] = std::move(canvas);
    }
    return sheets;
}

void ReleaseSheets(SheetSet& sheets) {
    for (GlyphSheet sheet : kSheetOrder)
        sheets[IndexOf(sheet)].reset();
}

// A thread's canvases: index 0 the art itself, index f - 1 the art at
// factor f (empty until a painter of this thread asks for that factor).
// Deleting it releases them and the thread's hold on the art.
struct ThreadSheets {
    std::array<SheetSet, MaxGlyphScale> factors;
    bool holding = false;  // counted among the holders of the shared art

    ThreadSheets() = default;
    ThreadSheets(const ThreadSheets&) = delete;
    ThreadSheets& operator=(const ThreadSheets&) = delete;
    ~ThreadSheets() { Release(); }
    void Release() {
        for (SheetSet& sheets : factors)
            ReleaseSheets(sheets);
        if (holding) {
            holding = false;
            LetGo();
        }
    }
};
// Released as the thread ends, should its windows never be given back.
platform::PerThread<ThreadSheets>& ThreadSheetSets() {
    static platform::PerThread<ThreadSheets> sheets;
    return sheets;
}

}  // namespace

int GlyphScaleForDpi(int dpi) {
    const int scale = dpi / 96;
    return scale < 1 ? 1 : scale > MaxGlyphScale ? MaxGlyphScale : scale;
}

void BuildGlyphSheets() {
    ThreadSheets* own = ThreadSheetSets().Get();
    if (!own)
        return;
    if (!own->holding) {
        Hold();
        own->holding = true;
    }
    SheetSet sheets = MakeSheets(1);
    // Replacing releases any previous set, one sheet after the other.
    for (GlyphSheet sheet : kSheetOrder)
        own->factors[0][IndexOf(sheet)] = std::move(sheets[IndexOf(sheet)]);
    for (std::size_t scale = 2; scale <= MaxGlyphScale; ++scale)
        ReleaseSheets(own->factors[scale - 1]);
}

void ReleaseGlyphSheets() {
    if (ThreadSheets* own = ThreadSheetSets().Find())
        own->Release();
}

bool GlyphSheetsBuilt() {
    const ThreadSheets* own = ThreadSheetSets().Find();
    if (!own)
        return false;
    for (const MemoryCanvas& sheet : own->factors[0]) {
        if (sheet)
            return true;
    }
    return false;
}

int GlyphArtHolders() {
    SharedArt& shared = Shared();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    return shared.holders;
}

HDC GlyphSheetDc(GlyphSheet sheet, int scale) {
    if (IndexOf(sheet) >= GlyphSheetCount || scale < 1 || scale > MaxGlyphScale)
        return nullptr;
    ThreadSheets* own = ThreadSheetSets().Find();
    if (!own)
        return nullptr;
    SheetSet& sheets = own->factors[static_cast<std::size_t>(scale - 1)];
    if (scale > 1 && !sheets[IndexOf(sheet)] && own->holding)
        sheets = MakeSheets(scale);
    return sheets[IndexOf(sheet)].dc();
}

SIZE GlyphSheetSize(GlyphSheet sheet) {
    return glyph_data::Size(sheet);
}

COLORREF GlyphSheetPixel(GlyphSheet sheet, int x, int y) {
    // Outside the sheet there is nothing to show: the see-through colour.
    if (!Inside(sheet, x, y))
        return TransparentKey;
    return glyph_data::Pixel(sheet, x, y);
}

}  // namespace taverel::skin
