// exFAT as Windows' own format lays it out: the boot region (the main and
// the backup boot sectors with their extensions, 24 sectors), one FAT, and
// the cluster heap. Windows starts the FAT and the heap each on a boundary of
// max(1 MB, cluster) from the volume's start, so the heap begins two or more
// boundaries in. The allocation bitmap, the up-case table and the root
// directory are files in the heap: Explorer counts them as used space, not as
// missing capacity, so the capacity is every cluster of the heap.
#include "app/calc/volume_capacity.h"

namespace taverel::calc {
namespace {

constexpr std::uint64_t kBootRegionSectors = 24;
constexpr std::uint64_t kAlignmentSectors = kMegabyteSectors;
// Four bytes per FAT entry; entries 0 and 1 name no cluster.
constexpr std::uint64_t kFatEntryBytes = 4;
constexpr std::uint64_t kReservedFatEntries = 2;
// Cluster numbers are 32 bits and the top ten are markers.
constexpr std::uint64_t kLargestClusterCount = 0xFFFFFFF5;
// Microsoft's table of default clusters begins at 7 MB (as it does for NTFS).
constexpr std::uint64_t kSmallestSectors = 7 * kMegabyteSectors;
// The up-case table Windows writes: the compressed form of the recommended
// table, 5836 bytes.
constexpr std::uint64_t kUpcaseTableBytes = 5836;

// Windows' defaults: 4 KB up to 256 MB, 32 KB up to 32 GB, 128 KB up to
// 256 TB; a size equal to a limit still takes the smaller cluster, as the
// same table's FAT32 and NTFS rows read (129-256 MB, 257-512 MB). Above
// 256 TB the table gives none.
struct ClusterStep {
    std::uint64_t up_to_sectors;
    std::uint32_t sectors_per_cluster;
};
constexpr std::uint64_t kGigabyteSectors = kGigabyteBytes / kSectorBytes;
constexpr ClusterStep kClusterSteps[] = {
    {256 * kMegabyteSectors, 8},
    {32 * kGigabyteSectors, 64},
    {256 * 1024 * kGigabyteSectors, 256},
};

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

std::uint32_t DefaultSectorsPerCluster(std::uint64_t total_sectors) {
    for (const ClusterStep& step : kClusterSteps) {
        if (total_sectors <= step.up_to_sectors)
            return step.sectors_per_cluster;
    }
    return 0;
}

std::uint64_t FatSectors(std::uint64_t clusters) {
    return CeilDiv((clusters + kReservedFatEntries) * kFatEntryBytes, kSectorBytes);
}

}  // namespace

Volume ExfatVolume(std::uint64_t total_sectors, std::uint32_t sectors_per_cluster) {
    Volume v;
    v.total_sectors = total_sectors;
    const std::uint64_t spc =
        sectors_per_cluster != 0 ? sectors_per_cluster : DefaultSectorsPerCluster(total_sectors);
    v.sectors_per_cluster = static_cast<std::uint32_t>(spc);
    if (spc == 0) {
        v.fit = VolumeFit::TooLarge;
        return v;
    }
    if (total_sectors < kSmallestSectors) {
        v.fit = VolumeFit::TooSmall;
        return v;
    }
    const std::uint64_t boundary = spc > kAlignmentSectors ? spc : kAlignmentSectors;
    const auto clusters_from = [&](std::uint64_t heap) {
        return heap < total_sectors ? (total_sectors - heap) / spc : 0;
    };
    // The FAT needs an entry for each cluster that really fits in the heap.
    // A FAT sized for the whole volume gives a heap start that always holds
    // it; one boundary earlier may hold it too, as the heap there has fewer
    // clusters than the whole volume. The earliest start that holds its FAT
    // is the layout with the smallest FAT the format allows.
    v.fat_offset = CeilDiv(kBootRegionSectors, boundary) * boundary;
    std::uint64_t heap =
        v.fat_offset + CeilDiv(FatSectors(clusters_from(v.fat_offset)), boundary) * boundary;
    while (heap - boundary > v.fat_offset &&
           FatSectors(clusters_from(heap - boundary)) <= heap - boundary - v.fat_offset)
        heap -= boundary;
    v.heap_offset = heap;
    v.clusters = clusters_from(heap);
    if (v.clusters > kLargestClusterCount) {
        v.fit = VolumeFit::TooLarge;
        v.clusters = 0;
        return v;
    }
    v.fat_sectors = static_cast<std::uint32_t>(FatSectors(v.clusters));
    // The heap must hold the allocation bitmap, the up-case table and the
    // root directory, each in whole clusters.
    const std::uint64_t cluster_bytes = spc * kSectorBytes;
    const std::uint64_t metadata_clusters = CeilDiv(CeilDiv(v.clusters, 8), cluster_bytes) +
                                            CeilDiv(kUpcaseTableBytes, cluster_bytes) + 1;
    if (v.clusters < metadata_clusters) {
        v.fit = VolumeFit::TooSmall;
        v.clusters = 0;
        return v;
    }
    v.capacity_bytes = v.clusters * cluster_bytes;
    return v;
}

}  // namespace taverel::calc
