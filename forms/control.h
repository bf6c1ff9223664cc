// The base of every windowed control: properties that may be set before the
// window exists (text, position in twips, colour, font, tab index), the
// events, and the glue between a window and its object. A kind is a small
// class (see ControlOfClass) naming its window class and style and handling its
// own messages.
#pragma once

#include "forms/events.h"
#include "forms/font.h"
#include "forms/units.h"
#include "forms/window_binding.h"
#include "platform/handles.h"

#include <functional>
#include <optional>
#include <string>

namespace taverel::forms {

class Container;
class Form;

class Control : public WindowBinding {
public:
    virtual ~Control();

    void SetText(const std::wstring& text);
    std::wstring Text() const;
    void SetBounds(const TwipsRect& twips) { bounds_ = twips; }
    const TwipsRect& Bounds() const { return bounds_; }
    void SetForeColor(COLORREF colour);
    std::optional<COLORREF> ForeColor() const { return fore_colour_; }
    void SetFont(const FontSpec& spec);
    void SetTabIndex(int index) { tab_index_ = index; }
    int TabIndex() const { return tab_index_; }

    void SetFocus();
    // Whether Tab may stop here now (the window is visible and enabled).
    bool CanTakeFocus() const;

    std::function<void()> Click;
    std::function<void(wchar_t)> KeyPress;  // the character goes on unchanged
    std::function<void(const MouseEventArgs&)> MouseMove;

    // Creates the window (and, for containers, its children) under `parent`.
    // False, with a trace of the failed call, when a window could not be
    // made.
    bool Create(Form& form, HWND parent);
    virtual Container* AsContainer() { return nullptr; }

    // The body of every kind's class procedure: finds the object of the
    // window and lets it handle the message; `base` is the system class's.
    static LRESULT Dispatch(WNDPROC base, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

protected:
    Control() = default;

    // Given by ControlOfClass.
    virtual const wchar_t* ClassName() const = 0;
    // Registers the kind's window class unless it exists; runs before each
    // creation. False when the class cannot be had.
    virtual bool RegisterWindowClass() const = 0;
    virtual DWORD Style() const = 0;
    virtual DWORD ExStyle() const { return 0; }
    // Runs once the window exists, before it is shown. False when it could
    // not finish (a container whose children could not all be made).
    virtual bool OnCreated() { return true; }
    // Kinds that never take the focus (frames) or only sometimes (option
    // buttons) say so here.
    virtual bool TakesFocus() const { return true; }

    // The control's own handling. Overrides handle what is theirs and return
    // Control::WindowProc for the rest, which forwards to the system class.
    virtual LRESULT WindowProc(WNDPROC base, UINT message, WPARAM wparam, LPARAM lparam);
    // A notification or colour request reflected back by the container
    // (message is the original WM_COMMAND / WM_CTLCOLOR*). 0: not handled.
    virtual LRESULT OnReflected(UINT message, WPARAM wparam, LPARAM lparam);

    // The font the window uses: its own or the form's.
    HFONT EffectiveFont() const;
    Form* OwningForm() const { return form_; }
    // Sets text colour and returns the brush for a WM_CTLCOLOR* request.
    LRESULT ColourRequest(HDC dc, int background_colour_index) const;

private:
    Form* form_ = nullptr;
    std::wstring text_;
    TwipsRect bounds_;
    std::optional<COLORREF> fore_colour_;
    std::optional<FontSpec> font_spec_;
    platform::Font font_;
    int tab_index_ = 0;
};

}  // namespace taverel::forms
