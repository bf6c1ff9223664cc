#include "app/cli/capacity_commands.h"

#include "app/calc/number_reading.h"
#include "app/calc/partition_size.h"
#include "app/calc/shown_size.h"
#include "app/calc/size_text.h"
#include "app/cli/calc_cli.h"

#include <optional>

namespace taverel::cli {
namespace {

using calc::FileSystem;
using calc::VolumeFit;

const wchar_t kNoWindowsFat32Note[] =
    L"note: Windows' own format makes no FAT32 above 32 GB; other formatters do\n";

std::wstring N(std::uint64_t value) {
    return std::to_wstring(value);
}

// One error line: the program, the value as given, what is wrong with it.
int Fail(int status, const std::wstring& value, const std::wstring& problem, std::wstring& err) {
    err += L"taverel-calc: '" + value + L"' " + problem + L"\n";
    return status;
}

// The digits of an operand (full-width ones read as ASCII) as a whole number;
// more than 64 bits hold saturates at the largest, which every command then
// answers as out of range. Nothing for text that is not all digits.
std::optional<std::uint64_t> WholeOperand(const std::wstring& text) {
    const std::wstring digits = calc::WithAsciiForms(text);
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    constexpr std::uint64_t kLargest = ~std::uint64_t{0};
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - L'0');
        value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
    }
    return value;
}

// The whole number `digits` names; else an error naming `shown` (the operand
// as given, its unit included).
std::optional<std::uint64_t> ReadWhole(const std::wstring& digits, const std::wstring& shown,
                                       std::wstring& err, int& status) {
    const std::optional<std::uint64_t> value = WholeOperand(digits);
    if (!value)
        status = Fail(kExitNotNumeric, shown,
                      calc::IsNumericText(digits, calc::NumberLocale{}) ? L"is not a whole number"
                                                                        : L"is not a number",
                      err);
    return value;
}

std::wstring FsName(FileSystem fs) {
    switch (fs) {
        case FileSystem::Fat32:
            break;
        case FileSystem::Ntfs:
            return L"NTFS";
        case FileSystem::Exfat:
            return L"exFAT";
    }
    return L"FAT32";
}

const wchar_t* LayoutName(calc::Fat32Layout layout) {
    return layout == calc::Fat32Layout::Xp ? L"xp" : L"win7";
}

// The old and new answers for a whole G, as whole MB.
std::uint64_t Answer(std::uint64_t g, bool old_algorithm) {
    calc::PartitionFields fields;
    const calc::CalculationResult r = calc::CalculatePartitionSize(
        N(g), old_algorithm, !old_algorithm, fields, calc::NumberLocale{});
    return calc::WholeNumberText(r.text).value_or(0);
}

std::wstring Shows(std::uint64_t megabytes, FileSystem fs, calc::Fat32Layout layout) {
    const calc::Volume v = calc::FormattedVolume(megabytes * calc::kMegabyteSectors, fs, layout);
    return v.fit == VolumeFit::Fits ? calc::ExplorerSizeText(v.capacity_bytes) : L"-";
}

std::wstring Figure(std::uint64_t units) {
    return units == 0 ? L"-" : N(units);
}

}  // namespace

bool TakeClusterSize(const std::wstring& text, CapacityOptions& options, std::wstring& problem) {
    const std::optional<std::uint64_t> bytes = WholeOperand(text);
    const std::uint64_t largest = calc::LargestClusterBytes(options.fs);
    if (!bytes || *bytes < calc::kSmallestClusterBytes || *bytes > largest ||
        (*bytes & (*bytes - 1)) != 0) {
        problem = L"'" + text + L"' is no cluster size for " + FsName(options.fs) +
                  L": a power of two from " + N(calc::kSmallestClusterBytes) + L" to " +
                  N(largest) + L" bytes";
        return false;
    }
    options.cluster_bytes = *bytes;
    return true;
}

int CheckPartition(const std::wstring& text, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err) {
    int status = kExitOk;
    const bool in_sectors = text.size() > 1 && text.back() == L's';
    const std::optional<std::uint64_t> count =
        ReadWhole(in_sectors ? text.substr(0, text.size() - 1) : text, text, err, status);
    if (!count)
        return status;
    // Beyond these no byte count fits in 64 bits; every file system ends long before.
    constexpr std::uint64_t kLargestMegabytes = std::uint64_t{1} << 40;
    constexpr std::uint64_t kLargestSectors = std::uint64_t{1} << 55;
    if (in_sectors && *count >= kLargestSectors)
        return Fail(kExitOutOfRange, text, L"is 2^64 bytes or more, beyond every file system", err);
    const std::wstring unit = in_sectors ? L"" : L"MB ";
    const std::wstring fs = FsName(options.fs);
    std::uint64_t sectors = *count;
    if (!in_sectors)
        sectors = *count <= kLargestMegabytes ? *count * calc::kMegabyteSectors : 0;
    if (options.cluster_bytes != 0) {
        const calc::ClusterRange offered =
            calc::WindowsClusterRange(sectors, options.fs, options.layout);
        if (offered.smallest_bytes != 0 && (options.cluster_bytes < offered.smallest_bytes ||
                                            options.cluster_bytes > offered.largest_bytes))
            return Fail(kExitUsage, L"--cluster " + N(options.cluster_bytes),
                        L"is not offered for " + fs + L" on " + text + (in_sectors ? L"" : L" MB") +
                            L": Windows' format offers " + N(offered.smallest_bytes) + L" to " +
                            N(offered.largest_bytes) + L" bytes there",
                        err);
    }
    const auto spc = static_cast<std::uint32_t>(options.cluster_bytes / calc::kSectorBytes);
    const calc::Volume v = calc::FormattedVolume(sectors, options.fs, options.layout, spc);
    if ((!in_sectors && *count > kLargestMegabytes) || v.fit == VolumeFit::TooLarge)
        return Fail(kExitOutOfRange, text, unit + L"is more than " + fs + L" can hold", err);
    if (*count == 0 || v.fit == VolumeFit::TooSmall)
        return Fail(kExitOutOfRange, text,
                    unit + L"is too small for " + fs +
                        (options.fs == FileSystem::Fat32 ? L" (fewer than 65525 clusters)" : L""),
                    err);
    const std::uint64_t cluster = std::uint64_t{v.sectors_per_cluster} * calc::kSectorBytes;
    if (in_sectors)
        out += L"partition: " + N(sectors) + L" sectors (" + N(sectors * calc::kSectorBytes) +
               L" bytes)\n";
    else
        out += L"partition: " + N(*count) + L" MB (" + N(sectors) + L" sectors)\n";
    if (options.fs == FileSystem::Fat32)
        out += L"file system: FAT32, " + std::wstring(LayoutName(options.layout)) + L" layout\n";
    else
        out += L"file system: " + fs + L"\n";
    out += L"cluster: " + N(cluster) + L" bytes\n";
    if (options.fs == FileSystem::Fat32) {
        out += L"reserved sectors: " + N(v.reserved_sectors) + L"\n";
        out += L"FAT sectors: 2 x " + N(v.fat_sectors) + L"\n";
    } else if (options.fs == FileSystem::Exfat) {
        out += L"FAT offset: " + N(v.fat_offset) + L" sectors\n";
        out += L"FAT sectors: 1 x " + N(v.fat_sectors) + L"\n";
        out += L"cluster heap offset: " + N(v.heap_offset) + L" sectors\n";
    }
    out += L"clusters: " + N(v.clusters) + L"\n";
    out += L"capacity: " + N(v.capacity_bytes) + L"\n";
    out += L"shows: " + calc::ExplorerSizeText(v.capacity_bytes) + L"\n";
    if (!v.windows_formats)
        out += kNoWindowsFat32Note;
    return kExitOk;
}

int PrintSizeText(const std::wstring& text, std::wstring& out, std::wstring& err) {
    int status = kExitOk;
    const std::optional<std::uint64_t> bytes = ReadWhole(text, text, err, status);
    if (!bytes)
        return status;
    if (*bytes > calc::kLargestSizeTextBytes)
        return Fail(kExitOutOfRange, text,
                    L"is more bytes than Explorer takes (" + N(calc::kLargestSizeTextBytes) + L")",
                    err);
    out += calc::ExplorerSizeText(*bytes) + L"\n";
    return kExitOk;
}

int PrintExactFigures(const std::wstring& text, const CapacityOptions& options, std::wstring& out,
                      std::wstring& err) {
    int status = kExitOk;
    const std::optional<std::uint64_t> g = ReadWhole(text, text, err, status);
    if (!g)
        return status;
    if (*g == 0 || *g > calc::kLargestShownGigabytes)
        return Fail(kExitOutOfRange, text,
                    L"GB is never shown as such: Explorer writes whole GB from 1 to 999 only", err);
    struct Line {
        const wchar_t* label;
        std::uint64_t unit_sectors;
        FileSystem fs;
    };
    const Line lines[] = {{L"fat32", calc::kMegabyteSectors, FileSystem::Fat32},
                          {L"ntfs", calc::kMegabyteSectors, FileSystem::Ntfs},
                          {L"exfat", calc::kMegabyteSectors, FileSystem::Exfat},
                          {L"fat32 cylinders", calc::kCylinderSectors, FileSystem::Fat32},
                          {L"ntfs cylinders", calc::kCylinderSectors, FileSystem::Ntfs}};
    bool windows_formats = true;
    for (const Line& line : lines) {
        const std::uint64_t units =
            calc::SmallestUnitsShowing(*g, line.unit_sectors, line.fs, options.layout);
        out += std::wstring(line.label) + L": " + Figure(units);
        if (units != 0 && line.unit_sectors == calc::kCylinderSectors)
            out += L" (" + N(units * line.unit_sectors * calc::kSectorBytes) + L" bytes)";
        out += L"\n";
        if (units != 0 && line.fs == FileSystem::Fat32)
            windows_formats =
                windows_formats &&
                calc::Fat32Volume(units * line.unit_sectors, options.layout).windows_formats;
    }
    if (!windows_formats)
        out += kNoWindowsFat32Note;
    return kExitOk;
}

std::wstring TableHeader() {
    return L"G\told\told FAT32\tnew\tnew FAT32\tnew NTFS\tsmallest FAT32\tsmallest NTFS\t"
           L"smallest exFAT\n";
}

int PrintTableRows(const std::wstring& range, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err) {
    const std::size_t dots = range.find(L"..");
    const std::wstring from_text = range.substr(0, dots);
    const std::wstring to_text = dots == std::wstring::npos ? from_text : range.substr(dots + 2);
    const std::optional<std::uint64_t> from = WholeOperand(from_text);
    const std::optional<std::uint64_t> to = WholeOperand(to_text);
    if (!from || !to)
        return Fail(kExitNotNumeric, range, L"is not G or a range FROM..TO of whole GB", err);
    if (*from == 0 || *from > *to || *to > calc::kLargestShownGigabytes)
        return Fail(kExitOutOfRange, range, L"is not within 1..999 GB, FROM up to TO", err);
    for (std::uint64_t g = *from; g <= *to; ++g) {
        const std::uint64_t old_mb = Answer(g, true);
        const std::uint64_t new_mb = Answer(g, false);
        out += N(g) + L"\t" + N(old_mb) + L"\t" + Shows(old_mb, FileSystem::Fat32, options.layout) +
               L"\t" + N(new_mb) + L"\t" + Shows(new_mb, FileSystem::Fat32, options.layout) +
               L"\t" + Shows(new_mb, FileSystem::Ntfs, options.layout) + L"\t" +
               Figure(calc::SmallestUnitsShowing(g, calc::kMegabyteSectors, FileSystem::Fat32,
                                                 options.layout)) +
               L"\t" +
               Figure(calc::SmallestUnitsShowing(g, calc::kMegabyteSectors, FileSystem::Ntfs,
                                                 options.layout)) +
               L"\t" +
               Figure(calc::SmallestUnitsShowing(g, calc::kMegabyteSectors, FileSystem::Exfat,
                                                 options.layout)) +
               L"\n";
    }
    return kExitOk;
}

}  // namespace taverel::cli
