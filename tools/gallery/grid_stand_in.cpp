#include "tools/gallery/grid_stand_in.h"

#include "forms/window_class.h"
#include "platform/dpi.h"
#include "platform/handles.h"

namespace taverel::gallery {

namespace {

// At 96 DPI.
constexpr int kCellWidth = 48;
constexpr int kCellHeight = 18;

void PaintGrid(HWND window) {
    const int dpi = platform::WindowDpi(window);
    const int cell_width = platform::ScaleToDpi(kCellWidth, dpi);
    const int cell_height = platform::ScaleToDpi(kCellHeight, dpi);
    platform::PaintDc paint(window);
    RECT client{};
    GetClientRect(window, &client);
    platform::Brush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    platform::Brush rule(CreateSolidBrush(0x00C0C0C0));
    // The first row and column are headings.
    const RECT heading_row{0, 0, client.right, cell_height};
    const RECT heading_column{0, 0, cell_width / 2, client.bottom};
    FillRect(paint.get(), &heading_row, face.get());
    FillRect(paint.get(), &heading_column, face.get());
    for (int x = cell_width / 2; x < client.right; x += cell_width) {
        const RECT line{x, 0, x + 1, client.bottom};
        FillRect(paint.get(), &line, rule.get());
    }
    for (int y = cell_height; y < client.bottom; y += cell_height) {
        const RECT line{0, y, client.right, y + 1};
        FillRect(paint.get(), &line, rule.get());
    }
}

LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PaintGrid(window);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterGridClass() {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    info.lpfnWndProc = GridProc;
    info.hInstance = GetModuleHandleW(nullptr);
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    info.lpszClassName = kGridClass;
    return forms::RegisterWindowClass(info);
}

}  // namespace

HWND CreateGrid(HWND parent, int x, int y, int width, int height, bool border) {
    if (!RegisterGridClass())
        return nullptr;
    return CreateWindowExW(0, kGridClass, L"", WS_CHILD | WS_VISIBLE | (border ? WS_BORDER : 0), x,
                           y, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace taverel::gallery
