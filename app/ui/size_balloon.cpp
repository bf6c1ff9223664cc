#include "app/ui/size_balloon.h"

#include "platform/common_controls.h"

#include <commctrl.h>

namespace taverel::app {
namespace {

// The tool that follows the pointer over the control, and the one placed
// by hand so the balloon can show without the pointer.
constexpr UINT_PTR kTrackedTool = 1;
constexpr UINT_PTR kCloseTimer = 1;
// Long enough to read three short lines, short enough not to linger.
constexpr UINT kShownMilliseconds = 8000;
// Lines are broken at the text's line feeds and at this width.
constexpr LPARAM kMaxTipWidth = 320;

TOOLINFOW Tool(HWND owner, UINT_PTR id, UINT flags) {
    TOOLINFOW tool{};
    // The version-5 size: the layout both common-control versions take.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = id;
    return tool;
}

void CloseTracked(HWND tooltip) {
    KillTimer(tooltip, kCloseTimer);
    TOOLINFOW tool = Tool(GetWindow(tooltip, GW_OWNER), kTrackedTool, 0);
    SendMessageW(tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK CloseOnTimer(HWND tooltip, UINT, UINT_PTR, DWORD) {
    CloseTracked(tooltip);
}

}  // namespace

void SizeBalloon::Create(HWND owner, HWND control) {
    Destroy();
    owner_ = owner;
    control_ = control;
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
    SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
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
    if (tooltip_)
        KillTimer(tooltip_.get(), kCloseTimer);
    tooltip_.reset();
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
    CloseTracked(tooltip);
    title_ = text.empty() ? std::wstring() : title;
    text_ = text;
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
    // The stem points at the middle of the control's lower edge.
    RECT box{};
    GetWindowRect(control_, &box);
    SendMessageW(tooltip, TTM_TRACKPOSITION, 0,
                 MAKELPARAM((box.left + box.right) / 2, box.bottom - 2));
    SendMessageW(tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tracked));
    SetTimer(tooltip, kCloseTimer, kShownMilliseconds, CloseOnTimer);
}

void SizeBalloon::Hide() {
    if (tooltip_)
        CloseTracked(tooltip_.get());
}

bool SizeBalloon::Visible() const {
    return tooltip_ && IsWindowVisible(tooltip_.get());
}

}  // namespace taverel::app
