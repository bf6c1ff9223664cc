// The capacity model against real formatters: sparse images of exactly N MB
// (or N sectors) formatted by mkfs.fat (the Windows layouts: -a keeps the FAT
// at its smallest sufficient size, as Windows writes it; the model's reserved
// count and cluster size are passed in), by mkntfs and by mkfs.exfat, their
// boot sectors read back and compared with the model field by field. Linux
// only; a missing formatter fails the test (tools/install-deps.sh installs
// them).
#include "app/calc/partition_size.h"
#include "app/calc/volume_capacity.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace taverel::calc;

constexpr std::uint64_t kMegabyte = kMegabyteSectors;

std::string FindTool(const char* name) {
    for (const char* dir : {"/usr/sbin/", "/sbin/", "/usr/bin/", "/bin/"}) {
        const std::string path = std::string(dir) + name;
        if (access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

std::uint64_t Little(const unsigned char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

class Image {
public:
    Image() {
        // In memory where there is a tmpfs: the formatters sync what they write.
        char pattern[] = "/dev/shm/taverel-volume-XXXXXX";
        dir_ = mkdtemp(pattern) ? pattern : "";
        path_ = dir_ + "/image";
    }
    ~Image() {
        std::remove(path_.c_str());
        rmdir(dir_.c_str());
    }
    // A sparse file of `megabytes` (or `sectors`), formatted by `command`
    // (the path is appended); false when the formatter failed.
    bool Format(std::uint64_t megabytes, const std::string& command) {
        return FormatSectors(megabytes * kMegabyte, command);
    }
    bool FormatSectors(std::uint64_t sectors, const std::string& command) {
        std::remove(path_.c_str());
        if (truncate(path_.c_str(), 0) != 0) {
            std::ofstream(path_).close();
        }
        if (truncate(path_.c_str(), static_cast<off_t>(sectors * 512)) != 0)
            return false;
        return std::system((command + " " + path_ + " >/dev/null 2>&1").c_str()) == 0;
    }
    bool ReadBootSector(unsigned char (&sector)[512]) const {
        std::ifstream in(path_, std::ios::binary);
        return static_cast<bool>(in.read(reinterpret_cast<char*>(sector), 512));
    }

private:
    std::string dir_;
    std::string path_;
};

std::uint64_t OldAnswer(int g) {
    PartitionFields fields;
    return std::stoull(CalculatePartitionSize(std::to_wstring(g), true, false, fields, {}).text);
}

std::uint64_t NewAnswer(int g) {
    PartitionFields fields;
    return std::stoull(CalculatePartitionSize(std::to_wstring(g), false, true, fields, {}).text);
}

// The sizes where the model can go wrong: N - 1 and N at the smallest figure
// that shows G (every G up to 10, then around each change of cluster size or
// of Explorer's digits, up to 128: formatting all 128 would take a minute),
// each cluster-size step +-1 MB, and the algorithms' answers for 1..32 GB.
std::set<std::uint64_t> BoundarySizes(FileSystem fs, Fat32Layout layout) {
    std::set<std::uint64_t> sizes;
    for (int g :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 16, 17, 31, 32, 33, 63, 64, 99, 100, 127, 128}) {
        const std::uint64_t n = SmallestUnitsShowing(g, kMegabyte, fs, layout);
        sizes.insert({n - 1, n});
    }
    if (fs == FileSystem::Fat32) {
        // 64, 128, 256 MB; 8, 16, 32 GB and 1.1 % above them.
        for (std::uint64_t step : {64, 128, 256, 8192, 8282, 16384, 16564, 32768, 33128})
            sizes.insert({step - 1, step, step + 1});
        sizes.insert(33);  // about the smallest FAT32
    }
    if (fs == FileSystem::Exfat) {
        // The smallest, the 256 MB and 32 GB steps, the sizes where a FAT
        // sized for the whole volume just passes its 1 MB boundary (8 GB steps
        // at 32 KB clusters, 32 GB steps at 128 KB), and a 64000 MB partition.
        for (std::uint64_t step : {7, 256, 32768, 8192, 16384, 24576, 65536, 98304, 131072})
            sizes.insert({step, step + 1});
        sizes.insert({255, 32767, 64000});
    }
    for (int g = 1; g <= 32; ++g)
        sizes.insert({OldAnswer(g), NewAnswer(g)});
    return sizes;
}

void CheckFat32(Fat32Layout layout) {
    const std::string mkfs = FindTool("mkfs.fat");
    ASSERT_FALSE(mkfs.empty()) << "mkfs.fat not found: install dosfstools (tools/install-deps.sh)";
    Image image;
    int compared = 0;
    for (std::uint64_t mb : BoundarySizes(FileSystem::Fat32, layout)) {
        const Volume model = Fat32Volume(mb * kMegabyte, layout);
        if (model.fit != VolumeFit::Fits)
            continue;
        const std::string command = mkfs + " -a -F 32 -f 2 -S 512 -h 0 --invariant -s " +
                                    std::to_string(model.sectors_per_cluster) + " -R " +
                                    std::to_string(model.reserved_sectors);
        ASSERT_TRUE(image.Format(mb, command)) << mb << " MB: " << command;
        unsigned char boot[512];
        ASSERT_TRUE(image.ReadBootSector(boot));
        const std::uint64_t reserved = Little(boot + 14, 2);
        const std::uint64_t fats = boot[16];
        const std::uint64_t total = Little(boot + 32, 4);
        const std::uint64_t fat = Little(boot + 36, 4);
        const std::uint64_t spc = boot[13];
        const std::uint64_t clusters = (total - reserved - fats * fat) / spc;
        SCOPED_TRACE(std::to_string(mb) + " MB");
        EXPECT_EQ(total, model.total_sectors);
        EXPECT_EQ(reserved, model.reserved_sectors);
        EXPECT_EQ(fat, model.fat_sectors);
        EXPECT_EQ(clusters, model.clusters);
        EXPECT_EQ(clusters * spc * 512, model.capacity_bytes);
        if (layout == Fat32Layout::Win7) {
            EXPECT_EQ((reserved + fats * fat) % 8192, 0u);  // the data region on 4 MB
        }
        ++compared;
    }
    EXPECT_GE(compared, 60);
}

TEST(FormattedVolume, Fat32OfWindowsXpMatchesMkfsFat) {
    CheckFat32(Fat32Layout::Xp);
}

TEST(FormattedVolume, Fat32OfWindows7MatchesMkfsFat) {
    CheckFat32(Fat32Layout::Win7);
}

TEST(FormattedVolume, NtfsMatchesMkntfs) {
    const std::string mkntfs = FindTool("mkntfs");
    ASSERT_FALSE(mkntfs.empty()) << "mkntfs not found: install ntfs-3g (tools/install-deps.sh)";
    Image image;
    int compared = 0;
    for (std::uint64_t mb : BoundarySizes(FileSystem::Ntfs, Fat32Layout::Win7)) {
        const Volume model = NtfsVolume(mb * kMegabyte);
        ASSERT_TRUE(image.Format(mb, mkntfs + " -F -f -q -s 512 -c 4096 -p 0 -H 255 -S 63"))
            << mb << " MB";
        unsigned char boot[512];
        ASSERT_TRUE(image.ReadBootSector(boot));
        const std::uint64_t spc = boot[13];
        const std::uint64_t counted = Little(boot + 40, 8);
        SCOPED_TRACE(std::to_string(mb) + " MB");
        EXPECT_EQ(spc, model.sectors_per_cluster);
        EXPECT_EQ(counted / spc, model.clusters);
        EXPECT_EQ(counted / spc * spc * 512, model.capacity_bytes);
        ++compared;
    }
    EXPECT_GE(compared, 60);
}

// Sizes to try every cluster Windows offers at (64 KB FAT32 clusters need
// 4 GB): whole MB, and a partition that fills a disk (not whole MB).
constexpr std::uint64_t kEveryClusterSectors[] = {4103 * kMegabyte, 4104 * kMegabyte - 1};

TEST(FormattedVolume, EveryClusterOfFat32AndNtfsMatchesTheFormatters) {
    Image image;
    for (std::uint64_t sectors : kEveryClusterSectors) {
        for (std::uint32_t spc = 1; spc <= 4096; spc *= 2) {
            const Volume fat32 = Fat32Volume(sectors, Fat32Layout::Win7, spc);
            const Volume ntfs = NtfsVolume(sectors, spc);
            SCOPED_TRACE(std::to_string(sectors) + " sectors, " + std::to_string(spc));
            unsigned char boot[512];
            if (spc <= 128) {
                ASSERT_TRUE(image.FormatSectors(
                    sectors, FindTool("mkfs.fat") + " -a -F 32 -f 2 -S 512 -h 0 --invariant -s " +
                                 std::to_string(spc) + " -R " +
                                 std::to_string(fat32.reserved_sectors)));
                ASSERT_TRUE(image.ReadBootSector(boot));
                EXPECT_EQ(
                    (Little(boot + 32, 4) - fat32.reserved_sectors - 2 * fat32.fat_sectors) / spc,
                    fat32.clusters);
            }
            ASSERT_TRUE(image.FormatSectors(sectors, FindTool("mkntfs") + " -F -f -q -s 512 -c " +
                                                         std::to_string(spc * 512) +
                                                         " -p 0 -H 255 -S 63"));
            ASSERT_TRUE(image.ReadBootSector(boot));
            EXPECT_EQ(Little(boot + 40, 8) / spc, ntfs.clusters);
        }
    }
}

// exFAT: both the model and mkfs.exfat write one FAT after the boot region,
// then the cluster heap, and count the clusters that fit in it; where no
// cluster is given, mkfs.exfat picks its own (it reads Microsoft's table as
// the model does). They differ in two documented ways, pinned here:
// - clusters above 1 MB: Windows aligns the FAT and the heap to the cluster,
//   mkfs.exfat to 1 MB only; the model's heap is mkfs.exfat's moved up to the
//   next cluster boundary;
// - where a FAT sized for the whole volume just passes its boundary,
//   mkfs.exfat starts the heap one boundary on; the model keeps it where the
//   FAT for the clusters that really fit still ends, one MB earlier.
TEST(FormattedVolume, ExfatMatchesMkfsExfatButForTheDocumentedDifferences) {
    const std::string mkfs = FindTool("mkfs.exfat");
    ASSERT_FALSE(mkfs.empty())
        << "mkfs.exfat not found: install exfatprogs (tools/install-deps.sh)";
    std::vector<std::pair<std::uint64_t, std::uint32_t>> cases;  // sectors, spc (0: default)
    for (std::uint64_t mb : BoundarySizes(FileSystem::Exfat, Fat32Layout::Win7))
        cases.emplace_back(mb * kMegabyte, 0);
    for (std::uint64_t sectors : kEveryClusterSectors) {
        for (std::uint32_t spc = 1; spc <= 65536; spc *= 2)
            cases.emplace_back(sectors, spc);
    }
    Image image;
    int compared = 0;
    int moved_by_the_fat = 0;
    for (const auto& [sectors, spc] : cases) {
        const Volume model = ExfatVolume(sectors, spc);
        SCOPED_TRACE(std::to_string(sectors) + " sectors, " + std::to_string(spc));
        ASSERT_EQ(model.fit, VolumeFit::Fits);
        const std::string cluster = spc == 0 ? "" : " -c " + std::to_string(spc * 512);
        ASSERT_TRUE(image.FormatSectors(sectors, mkfs + cluster));
        unsigned char boot[512];
        ASSERT_TRUE(image.ReadBootSector(boot));
        const std::uint64_t fat = Little(boot + 84, 4);
        const std::uint64_t heap = Little(boot + 88, 4);
        const std::uint64_t clusters = Little(boot + 92, 4);
        const std::uint64_t cluster_sectors = std::uint64_t{1} << boot[109];
        EXPECT_EQ(cluster_sectors, model.sectors_per_cluster);
        EXPECT_EQ(clusters, (sectors - heap) / cluster_sectors);
        EXPECT_GE(model.fat_sectors * 128, model.clusters + 2);
        if (cluster_sectors > kMegabyte) {
            EXPECT_EQ(heap % kMegabyte, 0u);
            EXPECT_EQ(model.fat_offset, cluster_sectors);
            EXPECT_EQ(model.heap_offset,
                      (heap + cluster_sectors - 1) / cluster_sectors * cluster_sectors);
        } else if (model.heap_offset != heap) {
            EXPECT_EQ(heap, model.heap_offset + kMegabyte);
            EXPECT_GT(fat, model.heap_offset - model.fat_offset);
            EXPECT_EQ(model.clusters, clusters + kMegabyte / cluster_sectors);
            ++moved_by_the_fat;
        } else {
            EXPECT_EQ(Little(boot + 80, 4), model.fat_offset);
            EXPECT_EQ(clusters * cluster_sectors * 512, model.capacity_bytes);
            ++compared;
        }
    }
    EXPECT_GE(compared, 80);
    EXPECT_GE(moved_by_the_fat, 5);
}

}  // namespace
