#include "tools/gallery/gallery_form.h"

#include "skin/attach.h"
#include "tools/gallery/grid_stand_in.h"

#include <string>
#include <utility>

namespace taverel::gallery {

namespace {

// The layout is written in pixels at 96 DPI; the forms layer takes twips and
// turns them into pixels at the window's DPI. What the forms layer does not
// place (the grids, the header's item widths) is scaled by Pixels below.
constexpr int kTwipsPerPixel = 15;
constexpr int kColumnWidth = 390;

// The header's items and their widths at 96 DPI.
constexpr std::pair<const wchar_t*, int> kHeaderItems[] = {
    {L"Name", 110}, {L"Size", 70}, {L"", 40}, {L"A caption too long for its item", 90}};

forms::TwipsRect Box(int x, int y, int width, int height) {
    return {x * kTwipsPerPixel, y * kTwipsPerPixel, width * kTwipsPerPixel,
            height * kTwipsPerPixel};
}

// Wine draws a disabled button's caption embossed through a monochrome
// bitmap as wide as the caption measures, and at 12 pixels the unsmoothed
// glyphs of the font that stands in for 宋体 reach up to four pixels further
// (the "d" of "Checked" was cut to "Checkec"). Two blanks after each check
// box's and option button's caption give them that room at every DPI.
std::wstring ToggleCaption(const wchar_t* text) {
    return std::wstring(text) + L"  ";
}

template <typename Control>
void Place(forms::Container& container, Control& control, int x, int y, int width, int height,
           const wchar_t* text = L"") {
    control.SetBounds(Box(x, y, width, height));
    control.SetText(text);
    container.Add(control);
}

}  // namespace

GalleryForm::GalleryForm(forms::FormSet* set, bool skinned) : Form(set), skinned_(skinned) {
    SetCaption(L"Taverel skin gallery");
    SetClientSize(2 * kColumnWidth * kTwipsPerPixel, 600 * kTwipsPerPixel);
    Lay(enabled_, 12, L"Enabled");
    Lay(disabled_, 12 + kColumnWidth, L"Disabled");
    Load = [this] { Form_Load(); };
    Unload = [this] { Form_Unload(); };
}

GalleryForm::~GalleryForm() {
    // Unload needs the controls, which go before the base class does.
    Close();
}

void GalleryForm::Lay(GalleryColumn& c, int left, const wchar_t* heading) {
    c.heading.SetText(heading);
    c.heading.SetBounds(Box(left, 8, 0, 0));
    Add(c.heading);

    Place(*this, c.push, left, 30, 100, 26, L"Push button");

    const wchar_t* check_texts[] = {L"Clear", L"Checked", L"Grayed"};
    for (int i = 0; i < 3; ++i) {
        Place(*this, c.checks[i], left + 120 * i, 64, 110, 21,
              ToggleCaption(check_texts[i]).c_str());
        c.checks[i].SetValue(static_cast<forms::CheckValue>(i));
    }

    Place(*this, c.options_frame, left, 92, 360, 48, L"Option buttons");
    Place(c.options_frame, c.options[0], 12, 19, 140, 21, ToggleCaption(L"Selected").c_str());
    Place(c.options_frame, c.options[1], 180, 19, 140, 21, ToggleCaption(L"Not selected").c_str());
    c.options[0].SetValue(true);

    Place(*this, c.drop_down_combo, left, 150, 110, 160);
    Place(*this, c.simple_combo, left + 120, 150, 110, 68);
    Place(*this, c.drop_down_list, left + 240, 150, 110, 160);
    for (forms::ComboBox* combo : {&c.drop_down_combo, &c.simple_combo, &c.drop_down_list}) {
        combo->AddItem(L"Combo box");
        combo->AddItem(L"Second item");
        combo->AddItem(L"Third item");
        combo->SetListIndex(0);
    }

    Place(*this, c.drives, left, 236, 110, 160);
    Place(*this, c.text, left + 120, 236, 230, 24, L"Text box, flat client edge");

    Place(*this, c.header, left, 272, 360, 22);

    Place(*this, c.progress, left, 306, 240, 18);
    c.progress.SetValue(40);
    Place(*this, c.smooth_progress, left, 334, 240, 18);
    c.smooth_progress.SetSmooth(true);
    c.smooth_progress.SetValue(75);
    Place(*this, c.vertical_progress, left + 260, 306, 20, 80);
    c.vertical_progress.SetOrientation(forms::ProgressOrientation::Vertical);
    c.vertical_progress.SetValue(60);
    Place(*this, c.smooth_vertical_progress, left + 296, 306, 20, 80);
    c.smooth_vertical_progress.SetOrientation(forms::ProgressOrientation::Vertical);
    c.smooth_vertical_progress.SetSmooth(true);
    c.smooth_vertical_progress.SetValue(30);

    Place(*this, c.list, left, 400, 170, 90);
    Place(*this, c.data_list, left + 185, 400, 170, 90);
    for (forms::ListBox* list : {&c.list, static_cast<forms::ListBox*>(&c.data_list)}) {
        list->AddItem(list == &c.list ? L"List box" : L"Data list");
        list->AddItem(L"Second item");
        list->AddItem(L"Third item");
        list->SetListIndex(1);
    }
}

int GalleryForm::Pixels(int pixels_at_96) const {
    return forms::TwipsToPixels(pixels_at_96 * kTwipsPerPixel, DpiSetting().x);
}

void GalleryForm::LayWindowParts(GalleryColumn& column, int left) {
    column.bordered_grid =
        CreateGrid(Window(), Pixels(left), Pixels(504), Pixels(170), Pixels(84), true);
    column.bare_grid =
        CreateGrid(Window(), Pixels(left + 185), Pixels(504), Pixels(170), Pixels(84), false);
    for (const auto& [caption, width] : kHeaderItems)
        column.header.AddItem(caption, Pixels(width));
    FitToList(column.simple_combo.Window());
}

void GalleryForm::FitToList(HWND simple_combo) {
    // The list keeps a whole number of items and the combo box paints
    // nothing below it: take off what the list leaves empty at this DPI.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(simple_combo, &info) || !info.hwndList)
        return;
    RECT combo{}, list{};
    GetWindowRect(simple_combo, &combo);
    GetWindowRect(info.hwndList, &list);
    const int empty = combo.bottom - list.bottom;
    if (empty > 0) {
        SetWindowPos(simple_combo, nullptr, 0, 0, combo.right - combo.left,
                     combo.bottom - combo.top - empty, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void GalleryForm::DisableColumn(GalleryColumn& c) {
    const HWND windows[] = {c.push.Window(),
                            c.checks[0].Window(),
                            c.checks[1].Window(),
                            c.checks[2].Window(),
                            c.options_frame.Window(),
                            c.options[0].Window(),
                            c.options[1].Window(),
                            c.drop_down_combo.Window(),
                            c.simple_combo.Window(),
                            c.drop_down_list.Window(),
                            c.drives.Window(),
                            c.text.Window(),
                            c.header.Window(),
                            c.progress.Window(),
                            c.smooth_progress.Window(),
                            c.vertical_progress.Window(),
                            c.smooth_vertical_progress.Window(),
                            c.list.Window(),
                            c.data_list.Window(),
                            c.bordered_grid,
                            c.bare_grid};
    for (HWND window : windows)
        EnableWindow(window, FALSE);
}

void GalleryForm::Form_Load() {
    LayWindowParts(enabled_, 12);
    LayWindowParts(disabled_, 12 + kColumnWidth);
    DisableColumn(disabled_);
    if (skinned_)
        skin::AttachSkin(Window());
}

void GalleryForm::Form_Unload() {
    if (skinned_)
        skin::DetachSkin(Window());
}

}  // namespace taverel::gallery
