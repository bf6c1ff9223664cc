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
    } skipped[] = {{2.3, L"2362"}, {0, L"8"},      {-4, L"-4094"},
                   {0.5, L"514"},  {4, L"4102.5"}, {1e12, L"1.026E+15"},
                   {1e4, L"1E+07"}};
    for (const auto& c : skipped)
        EXPECT_FALSE(CheckShownSize(c.g, c.figure, Fat32Layout::Win7)) << c.g;
}

TEST(ShownSize, TheNoteNamesWhatEachFileSystemShowsAndTheSmallestFigure) {
    const struct {
        double g;
        const wchar_t* figure;
        bool shows_g;
        const wchar_t* named[4];
    } cases[] = {
        {4, L"4103", false, {L"3.99 GB，填的数太小", L"NTFS 则显示为 4.00 GB", L"填 4108 MB", L""}},
        {10, L"10258", true, {L"10.0 GB", L"10.0 GB", L"10252 MB", L""}},
        // Beyond 32 GB Windows' own format makes no FAT32.
        {40, L"40963", false, {L"39.9 GB", L"40972 MB", L"Windows 自带的格式化做不了", L""}},
        // Too small for FAT32 at all.
        {1, L"20", false, {L"太小，不能格式化为 FAT32", L"1028 MB", L"NTFS", L""}},
        // The old algorithm at 64 GB is past it on both: each figure that shows 64.
        {64,
         L"65662",
         false,
         {L"64.1 GB，填的数太大", L"填 65556 MB，FAT32", L"NTFS 后显示为 64.1 GB，填的数太大",
          L"填 65537 MB，NTFS"}},
        // From 1000 GB on Explorer shows TB.
        {1000,
         L"1024003",
         false,
         {L"1 到 999", L"FAT32 后显示为 999 GB", L"NTFS 则显示为 0.97 TB", L"32 GB"}},
    };
    for (const auto& c : cases) {
        const auto shown = CheckShownSize(c.g, c.figure, Fat32Layout::Win7);
        ASSERT_TRUE(shown) << c.g;
        EXPECT_EQ(shown->fat32_shows_g, c.shows_g) << c.g;
        EXPECT_EQ(ShownSizeSurprises(*shown), !c.shows_g) << c.g;
        const std::wstring note = ShownSizeNote(*shown);
        for (const wchar_t* part : c.named)
            EXPECT_NE(note.find(part), std::wstring::npos) << c.g;
        // The 32 GB caveat at most once, and every line short enough to read.
        EXPECT_EQ(note.find(L"32 GB 以上"), note.rfind(L"32 GB 以上")) << c.g;
        for (std::size_t begin = 0, end = 0; end != std::wstring::npos; begin = end + 1) {
            end = note.find(L'\n', begin);
            EXPECT_LE(note.substr(begin, end - begin).size(), 40u) << c.g;
        }
    }
}

// Above 32 GB, where Windows' own format makes exFAT or NTFS but no FAT32,
// the note gives exFAT beside NTFS (one line when Explorer shows both
// alike), and a figure FAT32 would show as G is no longer enough.
TEST(ShownSize, AboveThirtyTwoGigabytesTheNoteGivesExfatBesideNtfs) {
    const struct {
        double g;
        const wchar_t* figure;
        const wchar_t* named[2];
    } cases[] = {
        {54,
         L"55402",
         {L"\n格式化为 exFAT 或 NTFS 后显示为 54.1 GB，填的数太大。", L"填 55299 MB，exFAT"}},
        {64, L"65539", {L"\n格式化为 exFAT 后显示为 63.9 GB，填的数太小。", L"填 65540 MB，exFAT"}},
        {1000, L"1024003", {L"\n格式化为 exFAT 则显示为 999 GB。", L"NTFS 则显示为 0.97 TB"}},
    };
    for (const auto& c : cases) {
        const auto shown = CheckShownSize(c.g, c.figure, Fat32Layout::Win7);
        ASSERT_TRUE(shown) << c.g;
        EXPECT_TRUE(ShownSizeSurprises(*shown)) << c.g;
        for (const wchar_t* part : c.named)
            EXPECT_NE(ShownSizeNote(*shown).find(part), std::wstring::npos) << c.g;
    }
    const auto below = CheckShownSize(31, L"31742", Fat32Layout::Win7);
    ASSERT_TRUE(below);
    EXPECT_EQ(ShownSizeNote(*below).find(L"exFAT"), std::wstring::npos);
}

}  // namespace
