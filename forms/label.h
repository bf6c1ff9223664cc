// A windowless label: text in its own font and colour on a transparent
// background, sized to its text. It has no window of its own; the container
// it stands in paints it and hands it the mouse moves and clicks over it.
#pragma once

#include "forms/events.h"
#include "forms/font.h"
#include "forms/units.h"
#include "platform/handles.h"

#include <functional>
#include <optional>
#include <string>

namespace taverel::forms {

class Container;

class Label {
public:
    Label() = default;
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    void SetText(const std::wstring& text);
    const std::wstring& Text() const { return text_; }
    // Only left and top are kept: the label takes the size of its text.
    void SetBounds(const TwipsRect& twips) { bounds_ = twips; }
    void SetForeColor(COLORREF colour);
    COLORREF ForeColor() const { return colour_; }
    void SetFont(const FontSpec& spec);
    void SetFontUnderline(bool underline);
    bool FontUnderline() const;
    void SetTabIndex(int index) { tab_index_ = index; }
    int TabIndex() const { return tab_index_; }

    // Position and size in the container's client pixels (empty before the
    // container's window exists).
    RECT PixelBounds() const { return pixels_; }

    std::function<void()> Click;
    std::function<void(const MouseEventArgs&)> MouseMove;

private:
    friend class Container;
    void Attach(Container& host);
    void Detach();
    void Layout();
    void Invalidate() const;
    void Paint(HDC dc) const;
    HFONT EffectiveFont() const;

    Container* host_ = nullptr;
    std::wstring text_;
    TwipsRect bounds_;
    COLORREF colour_ = GetSysColor(COLOR_BTNTEXT);
    std::optional<FontSpec> font_spec_;
    platform::Font font_;
    RECT pixels_{};
    int tab_index_ = 0;
};

}  // namespace taverel::forms
