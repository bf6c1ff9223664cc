#include "app/calc/shown_size.h"

#include "app/calc/size_text.h"

namespace taverel::calc {
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
    if (!(gigabytes >= 1 && gigabytes <= static_cast<double>(kLargestShownGigabytes)) ||
        gigabytes != static_cast<double>(static_cast<std::uint64_t>(gigabytes)) || !megabytes)
        return std::nullopt;
    ShownSize s;
    s.gigabytes = static_cast<std::uint64_t>(gigabytes);
    s.megabytes = *megabytes;
    s.fat32 = Fat32Volume(s.megabytes * kMegabyteSectors, layout);
    s.ntfs = NtfsVolume(s.megabytes * kMegabyteSectors);
    s.fat32_shows_g = ShowsWholeGigabytes(s.fat32, s.gigabytes);
    s.smallest_fat32_megabytes =
        SmallestUnitsShowing(s.gigabytes, kMegabyteSectors, FileSystem::Fat32, layout);
    s.windows_formats_smallest =
        Fat32Volume(s.smallest_fat32_megabytes * kMegabyteSectors, layout).windows_formats;
    return s;
}

std::wstring ShownSizeTitle(const ShownSize& shown) {
    return L"Windows 显示的不是 " + std::to_wstring(shown.gigabytes) + L" GB";
}

std::wstring ShownSizeNote(const ShownSize& shown) {
    const std::wstring g = std::to_wstring(shown.gigabytes) + L" GB";
    std::wstring note;
    if (shown.fat32.fit != VolumeFit::Fits)
        note = L"这个大小不能格式化为 FAT32。";
    else if (!shown.fat32.windows_formats)
        note = L"格式化为 FAT32 后显示为 " + ExplorerSizeText(shown.fat32.capacity_bytes) +
               L"（Windows 自带的格式化做不了 32 GB 以上的 FAT32）。";
    else
        note = L"格式化为 FAT32 后，Windows 显示为 " +
               ExplorerSizeText(shown.fat32.capacity_bytes) + L"。";
    if (shown.ntfs.fit == VolumeFit::Fits)
        note += L"\n格式化为 NTFS 则显示为 " + ExplorerSizeText(shown.ntfs.capacity_bytes) + L"。";
    const std::wstring smallest = std::to_wstring(shown.smallest_fat32_megabytes) + L" MB";
    if (shown.smallest_fat32_megabytes == 0)
        note += L"\nFAT32 无法显示为整 " + g + L"。";
    else if (shown.windows_formats_smallest)
        note += L"\n要让 FAT32 显示为 " + g + L"，至少要填 " + smallest + L"。";
    else
        note += L"\nFAT32 要显示为 " + g + L" 至少要 " + smallest +
                L"，但 Windows 自带的格式化做不了这么大的 FAT32，要用其他格式化工具。";
    return note;
}

}  // namespace taverel::calc
