// The gallery window: every kind of control the skin paints, once enabled
// (left column) and once disabled (right column), skinned from its Load event
// and given back on Unload.
#pragma once

#include "forms/combo_box.h"
#include "forms/command_button.h"
#include "forms/drive_list.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/header.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/option_button.h"
#include "forms/progress_bar.h"
#include "forms/text_box.h"
#include "forms/tri_state_check_box.h"

#include <array>

namespace taverel::gallery {

// One column of the gallery: a full set of controls.
struct GalleryColumn {
    forms::Label heading;
    forms::CommandButton push;
    std::array<forms::TriStateCheckBox, 3> checks;
    forms::Frame options_frame;
    std::array<forms::OptionButton, 2> options;
    forms::ComboBox drop_down_combo{forms::ComboStyle::DropDownCombo};
    forms::ComboBox simple_combo{forms::ComboStyle::Simple};
    forms::ComboBox drop_down_list{forms::ComboStyle::DropDownList};
    forms::DriveList drives;
    forms::TextBox text;
    forms::Header header;
    forms::ProgressBar progress;
    forms::ProgressBar smooth_progress;
    forms::ProgressBar vertical_progress;
    forms::ProgressBar smooth_vertical_progress;
    forms::ListBox list;
    forms::DataList data_list;
    HWND bordered_grid = nullptr;
    HWND bare_grid = nullptr;
};

class GalleryForm : public forms::Form {
public:
    // `skinned` false shows the same window as the platform draws it, for comparison.
    GalleryForm(forms::FormSet* set, bool skinned);
    ~GalleryForm() override;

private:
    void Lay(GalleryColumn& column, int left, const wchar_t* heading);
    void Form_Load();
    void Form_Unload();
    // A length of the 96-DPI layout at the window's DPI.
    int Pixels(int pixels_at_96) const;
    // The parts placed in pixels once the window exists: grids, header
    // items, the simple combo's height.
    void LayWindowParts(GalleryColumn& column, int left);
    static void FitToList(HWND simple_combo);
    static void DisableColumn(GalleryColumn& column);

    GalleryColumn enabled_;
    GalleryColumn disabled_;
    bool skinned_;
};

}  // namespace taverel::gallery
