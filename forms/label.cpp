#include "forms/label.h"

#include "forms/container.h"
#include "forms/form.h"

namespace taverel::forms {

namespace {
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
}

void Label::SetText(const std::wstring& text) {
    Invalidate();
    text_ = text;
    Layout();
    Invalidate();
}

void Label::SetForeColor(COLORREF colour) {
    if (colour_ == colour)
        return;
    colour_ = colour;
    Invalidate();
}

void Label::SetFont(const FontSpec& spec) {
    Invalidate();
    font_spec_ = spec;
    font_.reset();
    Layout();
    Invalidate();
}

void Label::SetFontUnderline(bool underline) {
    if (FontUnderline() == underline)
        return;
    FontSpec spec = font_spec_ ? *font_spec_ : (host_ ? host_->ContainerForm().Font() : FontSpec{});
    spec.underline = underline;
    SetFont(spec);
}

bool Label::FontUnderline() const {
    if (font_spec_)
        return font_spec_->underline;
    return host_ && host_->ContainerForm().Font().underline;
}

void Label::Attach(Container& host) {
    host_ = &host;
    font_.reset();
    Layout();
}

void Label::Detach() {
    host_ = nullptr;
    font_.reset();
    pixels_ = RECT{};
}

HFONT Label::EffectiveFont() const {
    if (font_)
        return font_.get();
    return host_ ? host_->ContainerForm().DefaultFont() : nullptr;
}

void Label::Layout() {
    if (!host_ || !host_->ContainerWindow())
        return;
    const Dpi dpi = host_->ContainerForm().DpiSetting();
    if (font_spec_ && !font_)
        font_ = CreateFontFromSpec(*font_spec_, dpi);
    const RECT origin = TwipsToPixels(bounds_, dpi);
    RECT text_box{0, 0, 0, 0};
    if (const auto dc = platform::WindowDc::Client(host_->ContainerWindow())) {
        const platform::SelectedObject font(dc.get(), EffectiveFont());
        DrawTextW(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &text_box,
                  kTextFormat | DT_CALCRECT);
    }
    pixels_ =
        RECT{origin.left, origin.top, origin.left + text_box.right, origin.top + text_box.bottom};
}

void Label::Invalidate() const {
    if (host_ && host_->ContainerWindow() && !IsRectEmpty(&pixels_))
        InvalidateRect(host_->ContainerWindow(), &pixels_, TRUE);
}

void Label::Paint(HDC dc) const {
    RECT box = pixels_;
    platform::SelectedObject font(dc, EffectiveFont());
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, colour_);
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &box, kTextFormat);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

}  // namespace taverel::forms
