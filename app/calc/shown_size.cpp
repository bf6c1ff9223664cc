#include "app/calc/shown_size.h"

#include "app/calc/size_text.h"

#include <cmath>

namespace taverel::calc {
namespace {

// Beyond this many MB no sector count fits in 64 bits; both file systems end
// long before, so a larger figure is simply too large for either.
constexpr std::uint64_t kLargestModelledMegabytes = std::uint64_t{1} << 40;

std::uint64_t Sectors(std::uint64_t megabytes) {
    return (megabytes < kLargestModelledMegabytes ? megabytes : kLargestModelledMegabytes) *
           kMegabyteSectors;
}

std::wstring Gb(std::uint64_t g) {
    return std::to_wstring(g) + L" GB";
}

std::wstring Mb(std::uint64_t mb) {
    return std::to_wstring(mb) + L" MB";
}

// "格式化为 FAT32 后显示为 3.99 GB，填的数太小。" and the like; for a whole G,
// whether the figure is short of G or past it.
std::wstring WhatItShows(const wchar_t* fs, const Volume& volume, const ShownSize& shown) {
    if (volume.fit == VolumeFit::TooSmall)
        return std::wstring(L"这个大小太小，不能格式化为 ") + fs + L"。";
    if (volume.fit == VolumeFit::TooLarge)
        return std::wstring(L"这个大小太大，不能格式化为 ") + fs + L"。";
    std::wstring line =
        std::wstring(L"格式化为 ") + fs + L" 后显示为 " + ExplorerSizeText(volume.capacity_bytes);
    if (shown.beyond_whole_gigabytes)
        return line + L"。";
    const bool short_of_g = volume.capacity_bytes < shown.gigabytes * kGigabyteBytes;
    return line + (short_of_g ? L"，填的数太小。" : L"，填的数太大。");
}

// "格式化为 NTFS 则显示为 4.00 GB。" where it shows G (or G is past whole
// GB), else what it shows and whether the figure is short of G or past it;
// nothing where the file system cannot hold the figure.
std::wstring OtherFileSystemShows(const std::wstring& fs, const Volume& volume, bool shows_g,
                                  const ShownSize& shown) {
    if (volume.fit != VolumeFit::Fits)
        return {};
    if (shown.beyond_whole_gigabytes || shows_g)
        return L"\n格式化为 " + fs + L" 则显示为 " + ExplorerSizeText(volume.capacity_bytes) +
               L"。";
    return L"\n" + WhatItShows(fs.c_str(), volume, shown);
}

// "填 4097 MB，NTFS 才显示为 4 GB。" where the figure misses G.
std::wstring SmallestFigure(const wchar_t* fs, bool shows_g, std::uint64_t smallest,
                            const ShownSize& shown) {
    if (shown.beyond_whole_gigabytes || shows_g || smallest == 0)
        return {};
    return L"\n填 " + Mb(smallest) + L"，" + fs + L" 才显示为 " + Gb(shown.gigabytes) + L"。";
}

}  // namespace

std::optional<std::uint64_t> WholeNumberText(const std::wstring& text) {
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    std::uint64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    return value;
}

std::optional<ShownSize> CheckShownSize(double gigabytes, const std::wstring& result_text,
                                        Fat32Layout layout) {
    const std::optional<std::uint64_t> megabytes = WholeNumberText(result_text);
    const double beyond = static_cast<double>(kLargestShownGigabytes) + 1;
    if (!megabytes || !(gigabytes >= 1) || !std::isfinite(gigabytes) ||
        (gigabytes < beyond && gigabytes != std::floor(gigabytes)))
        return std::nullopt;
    ShownSize s;
    s.beyond_whole_gigabytes = gigabytes >= beyond;
    s.gigabytes = s.beyond_whole_gigabytes ? 0 : static_cast<std::uint64_t>(gigabytes);
    s.megabytes = *megabytes;
    s.fat32 = Fat32Volume(Sectors(s.megabytes), layout);
    s.ntfs = NtfsVolume(Sectors(s.megabytes));
    s.exfat = ExfatVolume(Sectors(s.megabytes));
    if (s.beyond_whole_gigabytes) {
        s.exfat_instead = true;
        return s;
    }
    s.fat32_shows_g = ShowsWholeGigabytes(s.fat32, s.gigabytes);
    s.ntfs_shows_g = ShowsWholeGigabytes(s.ntfs, s.gigabytes);
    s.exfat_shows_g = ShowsWholeGigabytes(s.exfat, s.gigabytes);
    s.smallest_fat32_megabytes =
        SmallestUnitsShowing(s.gigabytes, kMegabyteSectors, FileSystem::Fat32, layout);
    s.smallest_ntfs_megabytes =
        SmallestUnitsShowing(s.gigabytes, kMegabyteSectors, FileSystem::Ntfs, layout);
    s.smallest_exfat_megabytes =
        SmallestUnitsShowing(s.gigabytes, kMegabyteSectors, FileSystem::Exfat, layout);
    s.windows_formats_smallest =
        Fat32Volume(s.smallest_fat32_megabytes * kMegabyteSectors, layout).windows_formats;
    s.exfat_instead = !s.windows_formats_smallest;
    return s;
}

bool ShownSizeSurprises(const ShownSize& shown) {
    return shown.beyond_whole_gigabytes || !shown.fat32_shows_g ||
           (shown.exfat_instead && !(shown.exfat_shows_g && shown.ntfs_shows_g));
}

std::wstring ShownSizeTitle(const ShownSize& shown) {
    if (shown.beyond_whole_gigabytes)
        return L"Windows 从 1000 GB 起显示 TB";
    return L"Windows 显示的不是 " + Gb(shown.gigabytes);
}

std::wstring ShownSizeNote(const ShownSize& shown) {
    const bool fat32_fits = shown.fat32.fit == VolumeFit::Fits;
    bool beyond_windows_format = fat32_fits && !shown.fat32.windows_formats;
    std::wstring note;
    if (shown.beyond_whole_gigabytes)
        note = L"整 GB 只显示 1 到 999 GB，从 1000 GB 起显示 TB。\n";
    note += WhatItShows(L"FAT32", shown.fat32, shown);
    if (!shown.beyond_whole_gigabytes) {
        const std::wstring g = Gb(shown.gigabytes);
        if (shown.smallest_fat32_megabytes == 0) {
            note += L"\nFAT32 无法显示为整 " + g + L"。";
        } else {
            note +=
                L"\n填 " + Mb(shown.smallest_fat32_megabytes) + L"，FAT32 才显示为 " + g + L"。";
            beyond_windows_format = beyond_windows_format || !shown.windows_formats_smallest;
        }
    }
    if (beyond_windows_format)
        note += L"\nWindows 自带的格式化做不了 32 GB 以上的 FAT32。";
    // Where Windows formats exFAT instead, exFAT beside NTFS, in one line
    // when Explorer shows both alike.
    const bool alike =
        shown.exfat_instead && shown.exfat.fit == VolumeFit::Fits &&
        shown.ntfs.fit == VolumeFit::Fits &&
        ExplorerSizeText(shown.exfat.capacity_bytes) == ExplorerSizeText(shown.ntfs.capacity_bytes);
    const std::wstring exfat_figure =
        SmallestFigure(L"exFAT", shown.exfat_shows_g, shown.smallest_exfat_megabytes, shown);
    const std::wstring ntfs_figure =
        SmallestFigure(L"NTFS", shown.ntfs_shows_g, shown.smallest_ntfs_megabytes, shown);
    if (alike)
        return note +
               OtherFileSystemShows(L"exFAT 或 NTFS", shown.ntfs, shown.ntfs_shows_g, shown) +
               exfat_figure + ntfs_figure;
    if (shown.exfat_instead)
        note +=
            OtherFileSystemShows(L"exFAT", shown.exfat, shown.exfat_shows_g, shown) + exfat_figure;
    return note + OtherFileSystemShows(L"NTFS", shown.ntfs, shown.ntfs_shows_g, shown) +
           ntfs_figure;
}

}  // namespace taverel::calc
