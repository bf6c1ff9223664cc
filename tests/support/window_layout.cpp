#include "tests/support/window_layout.h"

#include "forms/control.h"
#include "forms/label.h"
#include "forms/window_class.h"
#include "platform/dpi.h"
#include "platform/handles.h"
#include "tests/support/pixels.h"
#include "tests/support/test_windows.h"

#include <algorithm>
#include <cwchar>

namespace taverel::testing {

namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string Corners(const RECT& box) {
    return "(" + std::to_string(box.left) + "," + std::to_string(box.top) + ")-(" +
           std::to_string(box.right) + "," + std::to_string(box.bottom) + ")";
}

RECT ScreenClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child))
            children.push_back(child);
    }
    return children;
}

void CollectPlacementFaults(HWND parent, const OverlapAllowed& allowed,
                            std::vector<std::string>& faults) {
    const RECT client = ScreenClient(parent);
    const std::vector<HWND> children = VisibleChildren(parent);
    for (std::size_t i = 0; i < children.size(); ++i) {
        RECT box{};
        GetWindowRect(children[i], &box);
        if (!Contains(client, box))
            faults.push_back(Describe(children[i]) + " outside the client area " + Corners(client) +
                             " of " + Describe(parent));
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            RECT other{}, overlap{};
            GetWindowRect(children[j], &other);
            if (IntersectRect(&overlap, &box, &other) &&
                !(allowed && (allowed(children[i], children[j], overlap) ||
                              allowed(children[j], children[i], overlap))))
                faults.push_back(Describe(children[i]) + " overlaps " + Describe(children[j]));
        }
        CollectPlacementFaults(children[i], allowed, faults);
    }
}

// Room beside the caption that the control needs at 96 DPI: the glyph and
// its gap for toggles, the line and its indents for frames, the edges for
// push buttons.
int CaptionRoom(HWND window) {
    const std::wstring kind = ClassOf(window);
    if (kind == forms::kCheckBoxClass.name || kind == forms::kOptionButtonClass.name)
        return 13 + 4;
    if (kind == forms::kFrameClass.name)
        return 2 * 8;
    if (kind == forms::kCommandButtonClass.name)
        return 2 * 3;
    return -1;
}

// How far a disabled button's caption reaches, drawn with room to spare; the
// platform draws it through a bitmap as wide as its measure, cutting the rest.
int DisabledCaptionInk(HDC reference, HFONT font, const wchar_t* text, int length, SIZE extent) {
    const int width = extent.cx + 16;
    const platform::Bitmap bitmap(CreateCompatibleBitmap(reference, width, extent.cy));
    const platform::MemoryDc dc(CreateCompatibleDC(reference));
    const platform::SelectedObject selected(dc.get(), bitmap.get());
    const platform::SelectedObject selected_font(dc.get(), font);
    const RECT all{0, 0, width, extent.cy};
    FillRect(dc.get(), &all, platform::Brush(CreateSolidBrush(0x00FF00FF)).get());
    DrawStateW(dc.get(), nullptr, nullptr, reinterpret_cast<LPARAM>(text),
               static_cast<WPARAM>(length), 0, 0, width, extent.cy, DST_TEXT | DSS_DISABLED);
    int reach = 0;
    CountPixels(dc.get(), 0, 0, width, extent.cy, [&reach](int x, int, COLORREF c) {
        reach = c != 0x00FF00FF ? std::max(reach, x + 1) : reach;
        return false;
    });
    return reach;
}

void CollectCaptionFaults(HWND parent, int dpi, std::vector<std::string>& faults) {
    for (HWND child : VisibleChildren(parent)) {
        const int room = CaptionRoom(child);
        wchar_t text[128] = {};
        const int length = GetWindowTextW(child, text, 128);
        if (room >= 0 && length > 0) {
            const HDC dc = GetDC(child);
            const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            const HGDIOBJ previous = SelectObject(dc, font);
            SIZE extent{};
            GetTextExtentPoint32W(dc, text, length, &extent);
            const int ink = room == 13 + 4 && !IsWindowEnabled(child)
                                ? DisabledCaptionInk(dc, font, text, length, extent)
                                : 0;
            SelectObject(dc, previous);
            ReleaseDC(child, dc);
            if (ink > extent.cx)
                faults.push_back("caption drawn disabled is cut " +
                                 std::to_string(ink - extent.cx) + " pixels short in " +
                                 Describe(child));
            RECT box{};
            GetClientRect(child, &box);
            if (extent.cx + platform::ScaleToDpi(room, dpi) > box.right || extent.cy > box.bottom)
                faults.push_back("caption " + std::to_string(extent.cx) + "x" +
                                 std::to_string(extent.cy) + " does not fit " + Describe(child));
        }
        CollectCaptionFaults(child, dpi, faults);
    }
}

}  // namespace

std::string Describe(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return Narrow(ClassOf(window)) + " \"" + Narrow(TextOf(window)) + "\" " + Corners(box);
}

std::vector<std::string> PlacementFaults(HWND top, const OverlapAllowed& allowed) {
    std::vector<std::string> faults;
    CollectPlacementFaults(top, allowed, faults);
    return faults;
}

std::vector<std::string> CaptionFaults(HWND top, int dpi) {
    std::vector<std::string> faults;
    CollectCaptionFaults(top, dpi, faults);
    return faults;
}

std::vector<std::string> LabelFaults(const forms::Container& container,
                                     const LabelOverhangAllowed& allowed) {
    std::vector<std::string> faults;
    const HWND window = container.ContainerWindow();
    RECT client{};
    GetClientRect(window, &client);
    for (const forms::Label* label : container.Labels()) {
        const RECT box = label->PixelBounds();
        const int overhang = std::max(box.right - client.right, box.bottom - client.bottom);
        const bool inside = !IsRectEmpty(&box) && box.left >= 0 && box.top >= 0 && overhang <= 0;
        if (!inside && !(allowed && allowed(*label, overhang)))
            faults.push_back("label \"" + Narrow(label->Text()) + "\" " + Corners(box) +
                             " not inside " + Corners(client) + " of " + Describe(window));
    }
    for (forms::Control* control : container.Controls()) {
        if (const forms::Container* inner = control->AsContainer()) {
            const std::vector<std::string> more = LabelFaults(*inner, allowed);
            faults.insert(faults.end(), more.begin(), more.end());
        }
    }
    return faults;
}

}  // namespace taverel::testing
