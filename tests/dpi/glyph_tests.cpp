// Check boxes and option buttons at the DPI of this run, in the gallery's
// controls (sized by the forms layer): wherever the platform would draw its
// own glyph, the skinned control shows only the skin's colours, and the
// option circle spans the glyph art's whole-factor size.
#include "forms/window_class.h"
#include "platform/dpi.h"
#include "skin/draw/colours.h"
#include "skin/draw/glyph_sheets.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixels.h"
#include "tests/support/test_windows.h"
#include "tools/gallery/gallery_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace taverel::testing {
namespace {

// What one toggle shows in its glyph columns: the columns from the left edge
// to where the platform's glyph ends, over the whole height.
struct ToggleCapture : PixelShot {
    HWND window = nullptr;
    std::wstring kind;
};

void CollectToggles(HWND parent, std::vector<HWND>& out) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(child);
        if (kind == forms::kCheckBoxClass.name || kind == forms::kOptionButtonClass.name)
            out.push_back(child);
        CollectToggles(child, out);
    }
}

// Opens the gallery, plain or skinned, and reads the left `columns` of
// every toggle (all of the control when `columns` is 0).
std::vector<ToggleCapture> CaptureToggles(bool skinned, int columns) {
    gallery::GalleryForm form(nullptr, skinned);
    form.Show();
    UpdateWindow(form.Window());
    PumpMessages();
    std::vector<HWND> toggles;
    CollectToggles(form.Window(), toggles);
    std::vector<ToggleCapture> captures;
    for (HWND window : toggles) {
        // No focus rectangle or hover in the way.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ToggleCapture capture;
        capture.window = window;
        capture.kind = ClassOf(window);
        static_cast<PixelShot&>(capture) = ReadWindow(window, WindowArea::Client, columns);
        captures.push_back(std::move(capture));
    }
    return captures;
}

// The columns the platform's glyph takes: from the left edge to the first
// column of plain background after it.
int GlyphColumns(const ToggleCapture& plain, COLORREF background) {
    bool seen = false;
    for (int x = 0; x < plain.width; ++x) {
        bool any = false;
        for (int y = 0; y < plain.height; ++y)
            any = any || plain.At(x, y) != background;
        if (seen && !any)
            return x;
        seen = seen || any;
    }
    return plain.width;
}

std::set<COLORREF> SkinColours(COLORREF background) {
    std::set<COLORREF> colours{skin::BorderColour, skin::DisabledBorderColour,
                               skin::PressedBorderColour, skin::White, background};
    for (skin::GlyphSheet sheet : {skin::GlyphSheet::CheckGlyph, skin::GlyphSheet::OptionCircle}) {
        const SIZE size = skin::GlyphSheetSize(sheet);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x)
                colours.insert(skin::GlyphSheetPixel(sheet, x, y));
        }
    }
    colours.erase(skin::TransparentKey);
    return colours;
}

// The glyph art grows by whole factors only.
int GlyphFactor(int dpi) {
    return dpi >= 288 ? 3 : dpi >= 192 ? 2 : 1;
}

TEST(ToggleGlyphTest, ThePlatformsGlyphNeverShowsAndTheCircleSpansTheScaledArt) {
    const int dpi = platform::SystemDpi();
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    const std::vector<ToggleCapture> plain = CaptureToggles(false, 0);
    int columns = 0;
    for (const ToggleCapture& toggle : plain)
        columns = std::max(columns, GlyphColumns(toggle, background));
    ASSERT_GT(columns, 0);
    const int art = 13 * GlyphFactor(dpi);
    // The art may be a column wider than the platform's glyph (26 against 25
    // at 192 DPI).
    const std::vector<ToggleCapture> skinned = CaptureToggles(true, std::max(columns, art));
    ASSERT_EQ(skinned.size(), plain.size());
    ASSERT_EQ(skinned.size(), 10u);  // three check boxes and two options, twice

    const std::set<COLORREF> allowed = SkinColours(background);
    for (std::size_t i = 0; i < skinned.size(); ++i) {
        const ToggleCapture& before = plain[i];
        const ToggleCapture& after = skinned[i];
        SCOPED_TRACE(::testing::Message() << "toggle " << i << " at " << dpi << " DPI");
        int foreign = 0;
        RECT outline{after.width, after.height, -1, -1};
        for (int y = 0; y < after.height; ++y) {
            for (int x = 0; x < after.width; ++x) {
                const COLORREF shown = after.At(x, y);
                const bool platform_glyph = x < before.width && before.At(x, y) != background;
                if (platform_glyph && !allowed.count(shown))
                    ++foreign;
                if (shown != background) {
                    outline.left = std::min<LONG>(outline.left, x);
                    outline.top = std::min<LONG>(outline.top, y);
                    outline.right = std::max<LONG>(outline.right, x + 1);
                    outline.bottom = std::max<LONG>(outline.bottom, y + 1);
                }
            }
        }
        // At 96 DPI the skin paints its square exactly as before, and the
        // platform puts its equally large glyph a row higher in controls
        // whose height leaves an even number of rows around it (the
        // gallery's 21-pixel check boxes): that row still shows. Kept, as
        // the 96-DPI pixels are; the circle's corners hide it in options.
        const bool known_96_dpi_row = dpi == 96 && after.kind == forms::kCheckBoxClass.name;
        if (!known_96_dpi_row) {
            EXPECT_EQ(foreign, 0) << "platform pixels left in the glyph columns";
        }
        if (after.kind == forms::kOptionButtonClass.name) {
            EXPECT_EQ(outline.right - outline.left, art);
            EXPECT_EQ(outline.bottom - outline.top, art);
        }
    }
}

}  // namespace
}  // namespace taverel::testing
