// Every painter composes on the held surfaces and makes and releases DCs and
// brushes on each call; repeated paints of each kind must leave the GDI
// headroom where it was and the held surfaces within their bound.
#include "skin/draw/scratch_surfaces.h"
#include "skin/kinds/combo.h"
#include "skin/kinds/header.h"
#include "skin/kinds/kind_table.h"
#include "skin/kinds/progress.h"
#include "skin/kinds/toggle.h"
#include "skin/properties.h"
#include "tests/skin_kinds/kinds_fixture.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/stress.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace taverel::testing {
namespace {

// On held surfaces a paint costs 0.03 to 0.3 ms under Wine, so the default
// run paints each kind 10000 times (about 7 s), scaled by the stress setting
// (tests/support/stress.h); TAVEREL_KINDS_PAINTS sets another count.
int PaintCount() {
    const char* text = std::getenv("TAVEREL_KINDS_PAINTS");
    const int count = text ? std::atoi(text) : 0;
    return count > 0 ? count : StressCount(10000);
}

class KindsLeakTest : public KindsTest {};

TEST_F(KindsLeakTest, RepeatedPaintsOfEachKindLeakNothing) {
    const int paints = PaintCount();
    HWND box = CreateChild(L"BUTTON", BS_AUTO3STATE, 10, 10, 120, 17);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    HWND option = CreateChild(L"BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 17);
    SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
    HWND combo = CreateChild(PlainClass(L"TaverelComboStandIn"), CBS_DROPDOWNLIST, 10, 70, 150, 21);
    HWND header = CreateChild(WC_HEADERW, HDS_BUTTONS, 10, 100, 300, 20);
    HDITEMW item{};
    item.mask = HDI_WIDTH | HDI_TEXT;
    item.cxy = 100;
    item.pszText = const_cast<wchar_t*>(L"caption");
    SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(header, HDM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&item));
    HWND edit = CreateChild(L"EDIT", 0, 10, 130, 120, 24, WS_EX_CLIENTEDGE);
    RouteSkinPaint(header);
    RouteSkinPaint(edit);

    auto previous = reinterpret_cast<WNDPROC>(GetPropW(edit, L"TestPreviousProc"));
    const std::size_t before = MeasureGdiHeadroom();
    // As while the engine is attached: the painters compose on held surfaces,
    // whose number of objects stays within its bound however often they paint.
    skin::HoldScratchSurfaces();
    auto timed = [paints](const char* name, const std::function<void(int)>& paint) {
        const DWORD start = GetTickCount();
        for (int i = 0; i < paints; ++i)
            paint(i);
        std::printf("%d paints, %s: %u ms\n", paints, name, unsigned(GetTickCount() - start));
    };
    timed("check",
          [&](int i) { skin::PaintCheckBox(box, static_cast<skin::VisualState>(i % 3), true); });
    timed("option", [&](int i) {
        skin::PaintOptionButton(option, static_cast<skin::VisualState>(i % 3), true);
    });
    timed("combo", [&](int i) {
        skin::PaintComboButton(combo, nullptr, static_cast<skin::VisualState>(i % 3), true);
    });
    timed("header item", [&](int i) {
        skin::PaintHeaderItem(header, nullptr, i % 2, static_cast<skin::VisualState>(i % 3));
    });
    timed("edge",
          [&](int) { skin::EntryPointsOf(edit).nc_paint(previous, edit, WM_NCPAINT, 1, 0); });
    timed("header", [&](int) {
        InvalidateRect(header, nullptr, FALSE);
        UpdateWindow(header);
    });
    const int held = skin::HeldScratchObjectCount();
    std::printf("GDI objects held for drawing: %d (at most %d)\n", held,
                skin::MaxHeldScratchObjects);
    EXPECT_LE(held, skin::MaxHeldScratchObjects);
    skin::ReleaseScratchSurfaces();
    const std::size_t after = MeasureGdiHeadroom();
    EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace taverel::testing
