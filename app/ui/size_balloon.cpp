#include "app/ui/size_balloon.h"

#include "platform/common_controls.h"
#include "platform/dpi.h"
#include "platform/handles.h"

#include <commctrl.h>

#include <algorithm>

namespace taverel::app {
namespace {

// The tool that follows the pointer over the control, and the one placed
// by hand so the balloon can show without the pointer.
constexpr UINT_PTR kTrackedTool = 1;
// Room beside the widest line at 96 DPI, so that rounding in the tooltip's
// own measure never pushes a word (and "3.99 GB" with it) onto a new line.
constexpr int kLineSlack = 8;

TOOLINFOW Tool(HWND owner, UINT_PTR id, UINT flags) {
    TOOLINFOW tool{};
    // The version-5 size: the layout both common-control versions take.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = id;
    return tool;
}

// The width of the widest line of `text` in the tooltip's font, in pixels.
int WidestLine(HWND tooltip, const std::wstring& text) {
    const platform::WindowDc dc = platform::WindowDc::Client(tooltip);
    const platform::SelectedObject font(
        dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(tooltip, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (std::size_t begin = 0, end = 0; end != std::wstring::npos; begin = end + 1) {
        end = text.find(L'\n', begin);
        const std::wstring line = text.substr(begin, end - begin);
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

bool Overlaps(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

void SizeBalloon::Create(HWND owner, HWND control, HWND keep_clear) {
    Destroy();
    owner_ = owner;
    control_ = control;
    keep_clear_ = keep_clear;
}

bool SizeBalloon::MakeTooltip() {
    if (tooltip_)
        return true;
    if (owner_ == nullptr || !platform::LoadCommonControls(ICC_WIN95_CLASSES))
        return false;
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   owner_, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!tooltip_)
        return false;
    TOOLINFOW hover =
        Tool(owner_, reinterpret_cast<UINT_PTR>(control_), TTF_IDISHWND | TTF_SUBCLASS);
    hover.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&hover));
    TOOLINFOW tracked = Tool(owner_, kTrackedTool, TTF_TRACK | TTF_ABSOLUTE);
    tracked.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tracked));
    return true;
}

void SizeBalloon::Destroy() {
    CloseTracked();
    tooltip_.reset();
}

void SizeBalloon::CloseTracked() {
    // The close timer belongs to the owner, under an id no one else uses (this
    // balloon's address): on the tooltip, any id could be one of the
    // tooltip's own, which a hover would re-arm, and the balloon would stay.
    if (owner_ != nullptr)
        KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
    if (!tooltip_)
        return;
    TOOLINFOW tool = Tool(owner_, kTrackedTool, 0);
    SendMessageW(tooltip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK SizeBalloon::CloseOnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    reinterpret_cast<SizeBalloon*>(id)->CloseTracked();
}

void SizeBalloon::Place() {
    // Beside the window, the stem at the result's height: below the result
    // box it would cover "开始计算" for as long as it shows. Where the screen
    // ends on the right (the tooltip then turns the balloon back over the
    // window), below the window instead.
    const HWND tooltip = tooltip_.get();
    RECT form{};
    RECT box{};
    RECT clear{};
    GetWindowRect(owner_, &form);
    GetWindowRect(control_, &box);
    if (keep_clear_ != nullptr)
        GetWindowRect(keep_clear_, &clear);
    const int middle = (box.top + box.bottom) / 2;
    const POINT stems[] = {{form.right, middle}, {(box.left + box.right) / 2, form.bottom}};
    for (const POINT& stem : stems) {
        SendMessageW(tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(stem.x, stem.y));
        RECT balloon{};
        GetWindowRect(tooltip, &balloon);
        if (keep_clear_ == nullptr || !Overlaps(balloon, clear))
            return;
    }
}

void SizeBalloon::Show(const std::wstring& title, const std::wstring& text) {
    if (!tooltip_ && text.empty()) {
        // Nothing to say and nothing shown: no reason to make the tooltip.
        title_.clear();
        text_.clear();
        return;
    }
    if (!MakeTooltip())
        return;
    const HWND tooltip = tooltip_.get();
    CloseTracked();
    title_ = text.empty() ? std::wstring() : title;
    text_ = text;
    // As wide as the widest line: the text's own line feeds are its only
    // breaks, at any DPI (the tooltip's font follows it).
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0,
                 WidestLine(tooltip, text_) +
                     platform::ScaleToDpi(kLineSlack, platform::WindowDpi(tooltip)));
    SendMessageW(tooltip, TTM_SETTITLEW, title_.empty() ? TTI_NONE : TTI_WARNING,
                 reinterpret_cast<LPARAM>(title_.c_str()));
    TOOLINFOW hover = Tool(owner_, reinterpret_cast<UINT_PTR>(control_), 0);
    hover.lpszText = const_cast<wchar_t*>(text_.c_str());
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&hover));
    TOOLINFOW tracked = Tool(owner_, kTrackedTool, 0);
    tracked.lpszText = const_cast<wchar_t*>(text_.c_str());
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tracked));
    if (text_.empty())
        return;
    SendMessageW(tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tracked));
    Place();
    SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), close_delay_, CloseOnTimer);
}

void SizeBalloon::Hide() {
    CloseTracked();
}

bool SizeBalloon::Visible() const {
    return tooltip_ && IsWindowVisible(tooltip_.get());
}

}  // namespace taverel::app
