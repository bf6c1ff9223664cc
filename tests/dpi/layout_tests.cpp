// The layout of the main window, the explanation window and the gallery at
// the DPI this run's Wine prefix is set to (the executable runs at 96, 120,
// 144 and 192 DPI): nothing outside its parent, no overlapping siblings,
// captions and labels with room for their text.
#include "app/ui/explanation_picture.h"
#include "app/ui/form1.h"
#include "app/ui/form2.h"
#include "app/ui/program_starter.h"
#include "forms/window_class.h"
#include "platform/dpi.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_windows.h"
#include "tests/support/window_layout.h"
#include "tools/gallery/gallery_form.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace taverel::testing {
namespace {

std::string Lines(const std::vector<std::string>& faults) {
    std::string all;
    for (const std::string& fault : faults)
        all += fault + "\n";
    return all;
}

#define EXPECT_NO_FAULTS(faults) EXPECT_TRUE((faults).empty()) << Lines(faults)

class LayoutTest : public ::testing::Test {
protected:
    const int dpi = platform::SystemDpi();
};

TEST_F(LayoutTest, MainWindow) {
    app::SystemProgramStarter starter;
    app::Form1 form(starter, nullptr);
    form.Show();
    PumpMessages();
    EXPECT_EQ(form.DpiSetting().y, dpi);
    EXPECT_EQ(platform::WindowDpi(form.Window()), dpi);
    // The designed positions give the two option buttons one shared row of
    // 15 twips; it stays, so 96 DPI keeps its pixels, and grows only by the
    // rounding of the conversion to pixels.
    const HWND option1 = form.Option1.Window();
    const HWND option2 = form.Option2.Window();
    const auto option_rows = [&](HWND first, HWND second, const RECT& overlap) {
        return first == option1 && second == option2 &&
               overlap.bottom - overlap.top <= forms::TwipsToPixels(15, dpi) + 1;
    };
    EXPECT_NO_FAULTS(PlacementFaults(form.Window(), option_rows));
    EXPECT_NO_FAULTS(CaptionFaults(form.Window(), dpi));
    // With the font Wine substitutes for 宋体, wider than the real one, "MB"
    // ends two pixels (at 96 DPI) past the frame's client area; it must not
    // stand out further at any other DPI.
    const auto mb_overhang = [&](const forms::Label& label, int overhang) {
        return &label == &form.Label4 && overhang <= platform::ScaleToDpi(2, dpi) + 1;
    };
    EXPECT_NO_FAULTS(LabelFaults(form, mb_overhang));
}

TEST_F(LayoutTest, ExplanationWindowLabelsStandInThePicturesLowerStrip) {
    app::SystemProgramStarter starter;
    app::Form2 form(starter, nullptr);
    form.Show();
    PumpMessages();
    RECT client{};
    GetClientRect(form.Window(), &client);
    // The picture spans the client area, its hidden last column aside.
    BITMAP picture{};
    ASSERT_TRUE(GetObjectW(form.Picture(), sizeof picture, &picture));
    EXPECT_EQ(picture.bmWidth, client.right + 1);
    EXPECT_EQ(picture.bmHeight, client.bottom);
    const app::ExplanationPictureLayout layout = app::ExplanationPictureLayoutAt(dpi);
    for (const forms::Label* label : {&form.Label1, &form.Label2}) {
        const RECT box = label->PixelBounds();
        SCOPED_TRACE(label == &form.Label1 ? "notice" : "link");
        EXPECT_GE(box.top, layout.strip_top());
        EXPECT_LE(box.bottom, layout.strip_bottom());
        EXPECT_GE(box.left, 0);
        EXPECT_LE(box.right, client.right);
    }
    EXPECT_LT(form.Label1.PixelBounds().right, form.Label2.PixelBounds().left);
    EXPECT_NO_FAULTS(PlacementFaults(form.Window()));
}

TEST_F(LayoutTest, Gallery) {
    gallery::GalleryForm form(nullptr, true);
    form.Show();
    PumpMessages();
    EXPECT_NO_FAULTS(PlacementFaults(form.Window()));
    EXPECT_NO_FAULTS(CaptionFaults(form.Window(), dpi));
    EXPECT_NO_FAULTS(LabelFaults(form));

    int headers = 0, simple_combos = 0;
    for (HWND child = GetWindow(form.Window(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(child);
        RECT box{};
        GetWindowRect(child, &box);
        if (std::wstring(kind) == WC_HEADERW) {
            // The items take the same share of the header at every DPI.
            ++headers;
            const int count = static_cast<int>(SendMessageW(child, HDM_GETITEMCOUNT, 0, 0));
            ASSERT_EQ(count, 4);
            RECT last{};
            SendMessageW(child, HDM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
            EXPECT_NEAR(last.right * 360.0 / (box.right - box.left), 310.0, 2.0);
        }
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        const bool simple = std::wstring(kind) == forms::kComboBoxClass.name &&
                            (GetWindowLongW(child, GWL_STYLE) & 3) == CBS_SIMPLE;
        if (simple && GetComboBoxInfo(child, &info) && info.hwndList) {
            // Nothing of the combo box shows under its list.
            ++simple_combos;
            RECT list{};
            GetWindowRect(info.hwndList, &list);
            EXPECT_EQ(list.bottom, box.bottom) << Describe(child);
        }
    }
    EXPECT_EQ(headers, 2);
    EXPECT_EQ(simple_combos, 2);
}

}  // namespace
}  // namespace taverel::testing
