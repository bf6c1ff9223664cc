// Whether the figure the calculator wrote for G GB really shows as G GB once
// Windows has formatted it, and what to tell the user when it does not.
// Portable; no window code.
#pragma once

#include "app/calc/volume_capacity.h"

#include <cstdint>
#include <optional>
#include <string>

namespace taverel::calc {

// The whole number a result text names ("4103"); nothing when it names no
// whole positive number (a fraction, a negative, an exponent form) or one of
// more than 19 digits.
std::optional<std::uint64_t> WholeNumberText(const std::wstring& text);

struct ShownSize {
    std::uint64_t gigabytes = 0;  // G, as typed (its whole part from 1000 on)
    // G is 1000 or more: Explorer shows TB there, never a whole number of GB.
    bool beyond_whole_gigabytes = false;
    std::uint64_t megabytes = 0;  // the figure written for it
    Volume fat32;                 // a partition of exactly that many MB, formatted
    Volume ntfs;
    Volume exfat;
    bool fat32_shows_g = false;
    bool ntfs_shows_g = false;
    bool exfat_shows_g = false;
    std::uint64_t smallest_fat32_megabytes = 0;  // the smallest that shows G; 0: none
    std::uint64_t smallest_ntfs_megabytes = 0;
    std::uint64_t smallest_exfat_megabytes = 0;
    bool windows_formats_smallest = false;  // Windows' own format makes that FAT32
    // Windows' own format makes no FAT32 for this G (above 32 GB): there it
    // formats exFAT or NTFS, so the note is about those as well.
    bool exfat_instead = false;
};

// The check for a whole G of 1..999, or any G from 1000 on, and a whole-MB
// result; nothing for other input (a fraction of a GB below 1000, a size
// below 1 GB).
std::optional<ShownSize> CheckShownSize(double gigabytes, const std::wstring& result_text,
                                        Fat32Layout layout);

// True when the user should be told: FAT32 will not show G, G is beyond
// what Explorer writes in GB, or, above 32 GB, exFAT or NTFS will not show G.
bool ShownSizeSurprises(const ShownSize& shown);

// The user's note, in Chinese, one short line per fact: what FAT32 shows and
// whether the figure is too small or too large for G, the figure that shows
// G on FAT32, what NTFS shows (with its own figure when NTFS misses G too),
// and, once, that Windows' own format makes no FAT32 above 32 GB; there,
// what exFAT shows as well (one line for both when they show the same) with
// its own figure. From 1000 GB on: that Explorer shows TB there, and what
// it shows.
std::wstring ShownSizeTitle(const ShownSize& shown);
std::wstring ShownSizeNote(const ShownSize& shown);

}  // namespace taverel::calc
