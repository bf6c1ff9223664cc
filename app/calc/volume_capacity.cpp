#include "app/calc/volume_capacity.h"

#include "app/calc/size_text.h"

#include <string>

namespace taverel::calc {
namespace {

// FAT32: two copies of the table, as every Windows format writes.
constexpr std::uint64_t kFatCopies = 2;
// Each FAT sector holds 128 four-byte cluster entries.
constexpr std::uint64_t kFatEntriesPerSector = kSectorBytes / 4;
// Entries 0 and 1 of the FAT are reserved and name no cluster.
constexpr std::uint64_t kReservedFatEntries = 2;
// The reserved area of the 2000/XP layout (boot sector, FSInfo, backup boot).
constexpr std::uint64_t kXpReservedSectors = 32;
// Vista and later start the data region on a 4 MB boundary of the volume.
constexpr std::uint64_t kWin7DataAlignmentSectors = 8192;
// Fewer clusters than this make a FAT16 volume, not FAT32.
constexpr std::uint64_t kFat32SmallestClusterCount = 65525;
// Cluster numbers are 28 bits and the top few are markers.
constexpr std::uint64_t kFat32LargestClusterCount = 0x0FFFFFF5;
// The boot sector counts sectors in 32 bits.
constexpr std::uint64_t kFat32LargestTotalSectors = 0xFFFFFFFF;
// Windows 2000 and later refuse to format FAT32 above 32 GB themselves.
constexpr std::uint64_t kWindowsFat32LargestSectors = 32 * kGigabyteBytes / kSectorBytes;
// Vista and later keep the smaller cluster up to about 1.1 % above 8, 16 and
// 32 GB (measured by a formatter author; the exact threshold is not
// published). 2000/XP switch at the power of two itself.
constexpr std::uint64_t kWin7ClusterStepMarginPerMille = 11;

// Windows' default FAT32 clusters: 512 bytes up to 64 MB, doubling at 128 MB
// and 256 MB; 4 KB up to 8 GB, doubling at 16 and 32 GB; 32 KB beyond. A
// size equal to a step's limit still gets that step's cluster.
struct ClusterStep {
    std::uint64_t up_to_sectors;
    std::uint32_t sectors_per_cluster;
    bool win7_margin;  // the limit moves up by the margin above in the win7 layout
};

constexpr std::uint64_t kGigabyteSectors = kGigabyteBytes / kSectorBytes;
constexpr ClusterStep kFat32ClusterSteps[] = {
    {64 * kMegabyteSectors, 1, false},  {128 * kMegabyteSectors, 2, false},
    {256 * kMegabyteSectors, 4, false}, {8 * kGigabyteSectors, 8, true},
    {16 * kGigabyteSectors, 16, true},  {32 * kGigabyteSectors, 32, true},
};
constexpr std::uint32_t kFat32LargestSectorsPerCluster = 64;

// NTFS: 4 KB clusters, the default of Windows 7 and later up to 16 TB.
constexpr std::uint32_t kNtfsSectorsPerCluster = 8;
// The backup boot sector in the volume's last sector is not in the count.
constexpr std::uint64_t kNtfsBackupBootSectors = 1;
// NTFS cluster numbers of Windows' driver are 32 bits.
constexpr std::uint64_t kNtfsLargestClusterCount = 0xFFFFFFFF;
// mkntfs cannot fit the metadata of 4 KB clusters in 1 MB, nor that of large
// clusters in ten or so of them (Windows' own floor is not published).
constexpr std::uint64_t kNtfsSmallestSectors = 2 * kMegabyteSectors;
constexpr std::uint64_t kNtfsSmallestClusterCount = 16;

std::uint32_t Fat32SectorsPerCluster(std::uint64_t total_sectors, Fat32Layout layout) {
    for (const ClusterStep& step : kFat32ClusterSteps) {
        std::uint64_t limit = step.up_to_sectors;
        if (step.win7_margin && layout == Fat32Layout::Win7)
            limit += limit * kWin7ClusterStepMarginPerMille / 1000;
        if (total_sectors <= limit)
            return step.sectors_per_cluster;
    }
    return kFat32LargestSectorsPerCluster;
}

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

// The smallest FAT (sectors) that has an entry for every cluster left after
// the reserved area and both FATs: what Windows writes (the published
// shortcut formula gives a few sectors more).
std::uint64_t SmallestFatSectors(std::uint64_t total, std::uint64_t reserved, std::uint64_t spc) {
    std::uint64_t low = 1;
    std::uint64_t high = CeilDiv(total / spc + kReservedFatEntries, kFatEntriesPerSector);
    while (low < high) {
        const std::uint64_t fat = low + (high - low) / 2;
        const std::uint64_t used = reserved + kFatCopies * fat;
        const std::uint64_t clusters = used < total ? (total - used) / spc : 0;
        if (kFatEntriesPerSector * fat >= clusters + kReservedFatEntries)
            high = fat;
        else
            low = fat + 1;
    }
    return low;
}

}  // namespace

Volume Fat32Volume(std::uint64_t total_sectors, Fat32Layout layout,
                   std::uint32_t sectors_per_cluster) {
    Volume v;
    v.total_sectors = total_sectors;
    if (total_sectors > kFat32LargestTotalSectors) {
        v.fit = VolumeFit::TooLarge;
        return v;
    }
    const std::uint64_t spc = sectors_per_cluster != 0
                                  ? sectors_per_cluster
                                  : Fat32SectorsPerCluster(total_sectors, layout);
    v.sectors_per_cluster = static_cast<std::uint32_t>(spc);
    std::uint64_t reserved = kXpReservedSectors;
    std::uint64_t fat = SmallestFatSectors(total_sectors, reserved, spc);
    std::uint64_t data_start = reserved + kFatCopies * fat;
    if (layout == Fat32Layout::Win7) {
        // The reserved area grows to the boundary; the FAT then only needs
        // entries for the clusters that remain, and what it gives back goes
        // to the reserved area too, so the data region stays where it is.
        data_start = CeilDiv(data_start, kWin7DataAlignmentSectors) * kWin7DataAlignmentSectors;
        if (data_start < total_sectors) {
            fat = CeilDiv((total_sectors - data_start) / spc + kReservedFatEntries,
                          kFatEntriesPerSector);
            reserved = data_start - kFatCopies * fat;
        }
    }
    v.reserved_sectors = static_cast<std::uint32_t>(reserved);
    v.fat_sectors = static_cast<std::uint32_t>(fat);
    v.clusters = data_start < total_sectors ? (total_sectors - data_start) / spc : 0;
    v.windows_formats = total_sectors <= kWindowsFat32LargestSectors;
    if (v.clusters < kFat32SmallestClusterCount) {
        v.fit = VolumeFit::TooSmall;
    } else if (v.clusters > kFat32LargestClusterCount) {
        v.fit = VolumeFit::TooLarge;
    }
    v.capacity_bytes = v.clusters * spc * kSectorBytes;
    return v;
}

Volume NtfsVolume(std::uint64_t total_sectors, std::uint32_t sectors_per_cluster) {
    Volume v;
    v.total_sectors = total_sectors;
    const std::uint64_t spc =
        sectors_per_cluster != 0 ? sectors_per_cluster : kNtfsSectorsPerCluster;
    v.sectors_per_cluster = static_cast<std::uint32_t>(spc);
    if (total_sectors < kNtfsSmallestSectors) {
        v.fit = VolumeFit::TooSmall;
        return v;
    }
    v.clusters = (total_sectors - kNtfsBackupBootSectors) / spc;
    if (v.clusters > kNtfsLargestClusterCount || v.clusters < kNtfsSmallestClusterCount) {
        v.fit = v.clusters < kNtfsSmallestClusterCount ? VolumeFit::TooSmall : VolumeFit::TooLarge;
        v.clusters = 0;
        return v;
    }
    v.capacity_bytes = v.clusters * spc * kSectorBytes;
    return v;
}

Volume FormattedVolume(std::uint64_t total_sectors, FileSystem fs, Fat32Layout layout,
                       std::uint32_t sectors_per_cluster) {
    switch (fs) {
        case FileSystem::Fat32:
            break;
        case FileSystem::Ntfs:
            return NtfsVolume(total_sectors, sectors_per_cluster);
        case FileSystem::Exfat:
            return ExfatVolume(total_sectors, sectors_per_cluster);
    }
    return Fat32Volume(total_sectors, layout, sectors_per_cluster);
}

std::uint64_t LargestClusterBytes(FileSystem fs) {
    switch (fs) {
        case FileSystem::Fat32:
            return 64 * 1024;
        case FileSystem::Ntfs:
            return 2 * 1024 * 1024;
        case FileSystem::Exfat:
            break;
    }
    return 32 * 1024 * 1024;
}

ClusterRange WindowsClusterRange(std::uint64_t total_sectors, FileSystem fs, Fat32Layout layout) {
    // A larger cluster only ever means fewer clusters, so the sizes that fit
    // are one run of the list.
    ClusterRange range;
    for (std::uint64_t bytes = kSmallestClusterBytes; bytes <= LargestClusterBytes(fs);
         bytes *= 2) {
        const auto spc = static_cast<std::uint32_t>(bytes / kSectorBytes);
        if (FormattedVolume(total_sectors, fs, layout, spc).fit != VolumeFit::Fits)
            continue;
        if (range.smallest_bytes == 0)
            range.smallest_bytes = bytes;
        range.largest_bytes = bytes;
    }
    return range;
}

bool ShowsWholeGigabytes(const Volume& volume, std::uint64_t g) {
    if (volume.fit != VolumeFit::Fits || g == 0 || g > kLargestShownGigabytes)
        return false;
    const wchar_t* zeros = g < 10 ? L".00" : g < 100 ? L".0" : L"";
    return ExplorerSizeText(volume.capacity_bytes) == std::to_wstring(g) + zeros + L" GB";
}

std::uint64_t SmallestUnitsShowing(std::uint64_t g, std::uint64_t unit_sectors, FileSystem fs,
                                   Fat32Layout layout) {
    if (g == 0 || g > kLargestShownGigabytes)
        return 0;
    // The volume holds less than the partition, so the search starts at G GB
    // of partition. A cluster-size step or the 4 MB alignment can make a
    // larger partition hold a little less, so the search goes on past the
    // first size that holds too much, as far as the largest overhead (the
    // FATs of 512-byte clusters, 1/32 of the size, and the alignment; exFAT
    // spends far less on both).
    const std::uint64_t wanted_sectors = g * kGigabyteSectors;
    const std::uint64_t last_sectors =
        wanted_sectors + wanted_sectors / 32 + kWin7DataAlignmentSectors + 2 * unit_sectors;
    for (std::uint64_t units = CeilDiv(wanted_sectors, unit_sectors);
         units * unit_sectors <= last_sectors; ++units) {
        if (ShowsWholeGigabytes(FormattedVolume(units * unit_sectors, fs, layout), g))
            return units;
    }
    return 0;
}

}  // namespace taverel::calc
