// The main window's check of a result against what Windows will show, and
// the note it gives: which results it looks at and what the note names.
#include "app/calc/shown_size.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using taverel::calc::CheckShownSize;
using taverel::calc::Fat32Layout;

TEST(ShownSize, OnlyWholeGigabytesAndWholeFiguresAreChecked) {
    const struct {
        double g;
        const wchar_t* figure;
    } skipped[] = {{2.3, L"2362"},     {0, L"8"},      {-4, L"-4094"},
                   {1000, L"1024003"}, {4, L"4102.5"}, {1e12, L"1.026E+15"}};
    for (const auto& c : skipped)
        EXPECT_FALSE(CheckShownSize(c.g, c.figure, Fat32Layout::Win7)) << c.g;
}

TEST(ShownSize, TheNoteNamesWhatEachFileSystemShowsAndTheSmallestFigure) {
    const struct {
        double g;
        const wchar_t* figure;
        bool shows_g;
        const wchar_t* named[3];
    } cases[] = {
        {4, L"4103", false, {L"3.99 GB", L"NTFS 则显示为 4.00 GB", L"至少要填 4108 MB"}},
        {10, L"10258", true, {L"10.0 GB", L"10.0 GB", L"10252 MB"}},
        // Beyond 32 GB Windows' own format makes no FAT32.
        {40, L"40963", false, {L"39.9 GB", L"40972 MB", L"Windows 自带的格式化做不了"}},
        // Too small for FAT32 at all.
        {1, L"20", false, {L"不能格式化为 FAT32", L"1028 MB", L"NTFS"}},
    };
    for (const auto& c : cases) {
        const auto shown = CheckShownSize(c.g, c.figure, Fat32Layout::Win7);
        ASSERT_TRUE(shown) << c.g;
        EXPECT_EQ(shown->fat32_shows_g, c.shows_g) << c.g;
        const std::wstring note = ShownSizeNote(*shown);
        for (const wchar_t* part : c.named)
            EXPECT_NE(note.find(part), std::wstring::npos) << c.g;
    }
}

}  // namespace
