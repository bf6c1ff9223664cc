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
// whole positive number (a fraction, a negative, an exponent form).
std::optional<std::uint64_t> WholeNumberText(const std::wstring& text);

struct ShownSize {
    std::uint64_t gigabytes = 0;  // G, as typed
    std::uint64_t megabytes = 0;  // the figure written for it
    Volume fat32;                 // a partition of exactly that many MB, formatted
    Volume ntfs;
    bool fat32_shows_g = false;
    std::uint64_t smallest_fat32_megabytes = 0;  // the smallest that shows G; 0: none
    bool windows_formats_smallest = false;       // Windows' own format makes that FAT32
};

// The check for a whole G of 1..999 and a whole-MB result; nothing for other
// input (a fraction of a GB, a size no figure can show).
std::optional<ShownSize> CheckShownSize(double gigabytes, const std::wstring& result_text,
                                        Fat32Layout layout);

// The user's note, in Chinese: what FAT32 and NTFS will show and the
// smallest figure that shows exactly G on FAT32 (or that Windows' own format
// cannot make FAT32 that large). For a check where FAT32 shows G.
std::wstring ShownSizeTitle(const ShownSize& shown);
std::wstring ShownSizeNote(const ShownSize& shown);

}  // namespace taverel::calc
