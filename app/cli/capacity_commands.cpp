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

std::optional<std::uint64_t> ReadWhole(const std::wstring& text, std::wstring& err, int& status) {
    const std::optional<std::uint64_t> value = WholeOperand(text);
    if (!value)
        status = Fail(kExitNotNumeric, text,
                      calc::IsNumericText(text, calc::NumberLocale{}) ? L"is not a whole number"
                                                                      : L"is not a number",
                      err);
    return value;
}

const wchar_t* FsName(FileSystem fs) {
    return fs == FileSystem::Ntfs ? L"NTFS" : L"FAT32";
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

int CheckPartition(const std::wstring& text, const CapacityOptions& options, std::wstring& out,
                   std::wstring& err) {
    int status = kExitOk;
    const std::optional<std::uint64_t> mb = ReadWhole(text, err, status);
    if (!mb)
        return status;
    // Beyond this no sector count fits in 64 bits; both file systems end long before.
    constexpr std::uint64_t kLargestMegabytes = std::uint64_t{1} << 40;
    const std::uint64_t sectors = *mb <= kLargestMegabytes ? *mb * calc::kMegabyteSectors : 0;
    const calc::Volume v = calc::FormattedVolume(sectors, options.fs, options.layout);
    if (*mb > kLargestMegabytes || v.fit == VolumeFit::TooLarge)
        return Fail(kExitOutOfRange, text,
                    L"MB is more than " + std::wstring(FsName(options.fs)) + L" can hold", err);
    if (*mb == 0 || v.fit == VolumeFit::TooSmall)
        return Fail(kExitOutOfRange, text,
                    L"MB is too small for " + std::wstring(FsName(options.fs)) +
                        (options.fs == FileSystem::Fat32 ? L" (fewer than 65525 clusters)" : L""),
                    err);
    const std::uint64_t cluster = std::uint64_t{v.sectors_per_cluster} * calc::kSectorBytes;
    out += L"partition: " + N(*mb) + L" MB (" + N(v.total_sectors) + L" sectors)\n";
    if (options.fs == FileSystem::Fat32) {
        out += L"file system: FAT32, " + std::wstring(LayoutName(options.layout)) + L" layout\n";
        out += L"cluster: " + N(cluster) + L" bytes\n";
        out += L"reserved sectors: " + N(v.reserved_sectors) + L"\n";
        out += L"FAT sectors: 2 x " + N(v.fat_sectors) + L"\n";
    } else {
        out += L"file system: NTFS\n";
        out += L"cluster: " + N(cluster) + L" bytes\n";
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
    const std::optional<std::uint64_t> bytes = ReadWhole(text, err, status);
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
    const std::optional<std::uint64_t> g = ReadWhole(text, err, status);
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
    return L"G\told\told FAT32\tnew\tnew FAT32\tnew NTFS\tsmallest FAT32\tsmallest NTFS\n";
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
               L"\n";
    }
    return kExitOk;
}

}  // namespace taverel::cli
