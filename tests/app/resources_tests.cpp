// The application icon as compiled into the executable, and the skin being
// attached on Load and detached on Unload.
#include "app/ui/form1.h"
#include "app/ui/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/recording_starter.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace taverel::app::testing {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colour_count;
    BYTE reserved;
    WORD planes;
    WORD bit_count;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

TEST(ApplicationIconTest, HasTheFourImagesInTheirSizesAndDepths) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDI_TAVEREL), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(header, nullptr);
    ASSERT_EQ(header->count, 4);
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
    std::set<std::pair<int, int>> images;
    for (int i = 0; i < header->count; ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        EXPECT_EQ(entries[i].width, entries[i].height);
        images.insert({size, entries[i].bit_count});
    }
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{{32, 8}, {256, 32}, {32, 32}, {48, 24}}));
}

TEST(ApplicationIconTest, BothWindowsCarryTheIcon) {
    RecordingStarter starter;
    Form1 form(starter, nullptr);
    form.Show();
    form.Command1_Click();
    for (HWND window : {form.Window(), form.ExplanationWindow()->Window()}) {
        EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    }
}

TEST(SkinLifeTest, LoadAttachesTheSkinAndUnloadTakesItOffBeforeTheWindowsGo) {
    RecordingStarter starter;
    Form1 form(starter, nullptr);
    form.Show();
    EXPECT_NE(GetPropW(form.Window(), L"PROCADDR"), nullptr);
    EXPECT_NE(GetPropW(form.Command2.Window(), L"PROCADDR"), nullptr);
    EXPECT_NE(GetPropW(form.Text1.Window(), L"PROCADDR"), nullptr);

    bool detached = false;
    bool controls_still_there = false;
    const auto unload = form.Unload;
    form.Unload = [&] {
        unload();
        controls_still_there = IsWindow(form.Command2.Window()) != FALSE;
        detached = GetPropW(form.Window(), L"PROCADDR") == nullptr &&
                   GetPropW(form.Command2.Window(), L"PROCADDR") == nullptr;
    };
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(controls_still_there);
    EXPECT_TRUE(detached);
    EXPECT_FALSE(form.IsOpen());
}

}  // namespace
}  // namespace taverel::app::testing
