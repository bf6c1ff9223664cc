// A balloon tip on one control of a form: shown at once after a calculation
// to say what Windows will really show, beside the form so that it covers no
// button, as wide as its widest line, closed after a few seconds or by the
// next input, and shown again whenever the pointer rests on the control. It
// never takes the focus. The tooltip is a window of the platform's own
// common controls, not one the skin paints.
#pragma once

#include "platform/handles.h"
#include "platform/win.h"

#include <string>

namespace taverel::app {

class SizeBalloon {
public:
    SizeBalloon() = default;
    ~SizeBalloon() { Destroy(); }
    SizeBalloon(const SizeBalloon&) = delete;
    SizeBalloon& operator=(const SizeBalloon&) = delete;

    // Names the control the balloon is about, the form that owns it and a
    // window the balloon must not cover (may be null).
    // The tooltip itself is made at the first balloon with something to say:
    // until then the common controls need not be loaded, which keeps them
    // out of the program's start. Either way it is made after the skin has
    // taken the control over and destroyed (by Destroy) before the skin
    // gives it back, so that the tooltip's hook on the control comes off
    // first.
    void Create(HWND owner, HWND control, HWND keep_clear);
    void Destroy();

    // Points at the control with `title` and `text` now; the same shows on
    // hover until the next Show. An empty text closes the balloon and leaves
    // nothing to show on hover.
    void Show(const std::wstring& title, const std::wstring& text);
    // Closes the balloon; hovering still shows the text.
    void Hide();

    bool Visible() const;
    // How long the balloon shows before it closes by itself (8 s).
    void SetCloseDelay(UINT milliseconds) { close_delay_ = milliseconds; }
    HWND Window() const { return tooltip_.get(); }
    const std::wstring& Text() const { return text_; }
    const std::wstring& Title() const { return title_; }

private:
    bool MakeTooltip();
    void Place();
    void CloseTracked();
    static void CALLBACK CloseOnTimer(HWND, UINT, UINT_PTR id, DWORD);

    platform::Window tooltip_;
    HWND owner_ = nullptr;
    HWND control_ = nullptr;
    HWND keep_clear_ = nullptr;
    UINT close_delay_ = 8000;  // long enough to read a few lines, not to linger
    std::wstring title_;
    std::wstring text_;
};

}  // namespace taverel::app
