// A top-level form: caption, icon, fixed client size in twips, centred on
// its owner or the screen, no minimize or maximize box, an optional picture
// drawn unscaled at the top-left, windowless labels, and the Load, Unload
// and MouseMove events. It also keeps the keyboard order of its controls.
#pragma once

#include "forms/container.h"
#include "forms/events.h"
#include "forms/font.h"
#include "forms/units.h"
#include "forms/window_binding.h"
#include "platform/handles.h"

#include <functional>
#include <string>
#include <vector>

namespace taverel::forms {

class Control;
class FormSet;

class Form : public Container, public WindowBinding {
public:
    // `set` (may be null) is told when the window opens and closes.
    explicit Form(FormSet* set = nullptr);
    virtual ~Form();

    void SetCaption(const std::wstring& caption);
    void SetClientSize(int width_twips, int height_twips);
    // The icon resource of the executable; big and small images are loaded
    // when the window is created.
    void SetIconResource(int resource_id) { icon_resource_ = resource_id; }
    void SetPicture(platform::Bitmap picture) { picture_ = std::move(picture); }
    HBITMAP Picture() const { return picture_.get(); }
    // The font of the form and of controls and labels without their own.
    void SetFont(const FontSpec& spec) { font_spec_ = spec; }
    const FontSpec& Font() const { return font_spec_; }
    HFONT DefaultFont() const { return font_.get(); }
    Dpi DpiSetting() const { return dpi_; }

    // Creates the window on first use (running Load before it is shown),
    // then shows and activates it. False, with a trace of the failed call,
    // when the window or one of its controls could not be created.
    bool Show();
    // Runs Unload and destroys the window, as closing it does.
    void Close();
    bool IsOpen() const { return Window() != nullptr; }

    // A modal message box owned by this form (MessageBoxW).
    int ShowMessage(const std::wstring& text, const std::wstring& caption, UINT style);

    std::function<void()> Load;
    std::function<void()> Unload;  // the closing cannot be cancelled
    std::function<void(const MouseEventArgs&)> MouseMove;
    // A character typed while the form itself has the focus (it has no
    // control that takes it).
    std::function<void(wchar_t)> KeyPress;

    // Keyboard order: controls that can take the focus now, by tab index.
    std::vector<Control*> TabOrder() const;
    void MoveFocus(Control& from, bool backward);
    void NoteFocus(Control& control) { focused_ = &control; }

    HWND ContainerWindow() const override { return Window(); }
    Form& ContainerForm() override { return *this; }

private:
    static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
    bool CreateFormWindow();
    // Unload runs once per opening, however the window goes.
    void RunUnloadOnce();
    void OnPaint();
    void RestoreFocus();
    void CollectControls(const Container& container, std::vector<Control*>& out) const;

    FormSet* set_;
    std::wstring caption_;
    int client_width_twips_ = 0;
    int client_height_twips_ = 0;
    int icon_resource_ = 0;
    platform::Icon big_icon_;
    platform::Icon small_icon_;
    platform::Bitmap picture_;
    FontSpec font_spec_;
    platform::Font font_;
    Dpi dpi_;
    Control* focused_ = nullptr;
    bool unloaded_ = false;
};

}  // namespace taverel::forms
