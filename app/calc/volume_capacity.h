// What a partition of a given size holds once Windows has formatted it: the
// FAT32 layout of Windows 2000/XP and of Vista and later, NTFS and exFAT,
// each with Windows' default cluster or one the user picks. The capacity
// Explorer shows is clusters × cluster size. Portable; no window code. Sizes
// are counts of 512-byte sectors: whole MB (2^20 bytes), as Disk Management
// and diskpart make them, whole 255 × 63 cylinders, or any count (a
// partition that ends where its disk ends).
#pragma once

#include <cstdint>

namespace taverel::calc {

enum class FileSystem { Fat32, Ntfs, Exfat };

enum class Fat32Layout {
    Xp,    // Windows 2000/XP: 32 reserved sectors, the data region wherever it falls
    Win7,  // Vista, 7, 10, 11: the data region starts on a 4 MB boundary
};

enum class VolumeFit {
    Fits,
    TooSmall,  // FAT32 needs 65525 clusters (about 33 MB), NTFS its metadata (2 MB),
               // exFAT 7 MB; a picked cluster may leave too few clusters
    TooLarge,  // beyond the file system's sector or cluster numbers
};

inline constexpr std::uint64_t kSectorBytes = 512;
inline constexpr std::uint64_t kMegabyteSectors = 2048;   // 2^20 bytes
inline constexpr std::uint64_t kCylinderSectors = 16065;  // 255 heads × 63 sectors
inline constexpr std::uint64_t kGigabyteBytes = std::uint64_t{1} << 30;
// Explorer writes no whole number of GB from 1000 on (1000 GB is "0.97 TB").
inline constexpr std::uint64_t kLargestShownGigabytes = 999;

struct Volume {
    VolumeFit fit = VolumeFit::Fits;
    std::uint64_t total_sectors = 0;
    std::uint32_t sectors_per_cluster = 0;
    std::uint32_t reserved_sectors = 0;  // FAT32 only
    std::uint32_t fat_sectors = 0;       // FAT32: one of its two FATs; exFAT: its one FAT
    std::uint64_t fat_offset = 0;        // exFAT only: the sector its FAT starts at
    std::uint64_t heap_offset = 0;       // exFAT only: the sector its first cluster starts at
    std::uint64_t clusters = 0;
    std::uint64_t capacity_bytes = 0;  // clusters × cluster size
    // FAT32 only: false when Windows' own format refuses this size (above
    // 32 GB), though other formatters make it.
    bool windows_formats = true;
};

// The volume Windows' format makes on a partition of `total_sectors`, with
// clusters of `sectors_per_cluster` (a power of two), or of Windows' default
// for the size when it is 0.
Volume Fat32Volume(std::uint64_t total_sectors, Fat32Layout layout,
                   std::uint32_t sectors_per_cluster = 0);
Volume NtfsVolume(std::uint64_t total_sectors, std::uint32_t sectors_per_cluster = 0);
Volume ExfatVolume(std::uint64_t total_sectors, std::uint32_t sectors_per_cluster = 0);
Volume FormattedVolume(std::uint64_t total_sectors, FileSystem fs, Fat32Layout layout,
                       std::uint32_t sectors_per_cluster = 0);

// The cluster sizes Windows' format takes (format /A): powers of two from
// 512 bytes up to 64 KB for FAT32, 2 MB for NTFS and 32 MB for exFAT.
inline constexpr std::uint64_t kSmallestClusterBytes = 512;
std::uint64_t LargestClusterBytes(FileSystem fs);

// Those of them that make a volume that fits on a partition of
// `total_sectors`: what Windows' format offers there. Both 0 when none does.
struct ClusterRange {
    std::uint64_t smallest_bytes = 0;
    std::uint64_t largest_bytes = 0;
};
ClusterRange WindowsClusterRange(std::uint64_t total_sectors, FileSystem fs, Fat32Layout layout);

// True when Explorer shows the volume as exactly "G GB" (whole G): its
// capacity is at least G GB and below the next step Explorer can show.
bool ShowsWholeGigabytes(const Volume& volume, std::uint64_t g);

// The smallest partition, counted in `unit_sectors` (kMegabyteSectors or
// kCylinderSectors), whose volume (default cluster) Explorer shows as exactly
// "G GB"; 0 when there is none (G of 0 or above 999, or beyond what the file
// system holds).
std::uint64_t SmallestUnitsShowing(std::uint64_t g, std::uint64_t unit_sectors, FileSystem fs,
                                   Fat32Layout layout);

}  // namespace taverel::calc
