// A balloon tip on one control of a form: shown at once after a calculation
// to say what Windows will really show, closed after a few seconds or by the
// next input, and shown again whenever the pointer rests on the control. It
// never takes the focus. The tooltip is a window of the platform's own
// common controls, not one the skin paints.
#pragma once

#include "platform/win.h"

#include <string>

namespace taverel::app {

class SizeBalloon {
public:
    SizeBalloon() = default;
    ~SizeBalloon() { Destroy(); }
    SizeBalloon(const SizeBalloon&) = delete;
    SizeBalloon& operator=(const SizeBalloon&) = delete;

    // Makes the tooltip for `control`, owned by the form `owner`. Made after
    // the skin has taken the control over and destroyed before the skin
    // gives it back, so that the tooltip's hook on the control comes off
    // first.
    void Create(HWND owner, HWND control);
    void Destroy();

    // Points at the control with `title` and `text` now; the same shows on
    // hover until the next Show. An empty text closes the balloon and leaves
    // nothing to show on hover.
    void Show(const std::wstring& title, const std::wstring& text);
    // Closes the balloon; hovering still shows the text.
    void Hide();

    bool Visible() const;
    HWND Window() const { return tooltip_; }
    const std::wstring& Text() const { return text_; }
    const std::wstring& Title() const { return title_; }

private:
    HWND tooltip_ = nullptr;
    HWND owner_ = nullptr;
    HWND control_ = nullptr;
    std::wstring title_;
    std::wstring text_;
};

}  // namespace taverel::app
