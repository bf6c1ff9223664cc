// Explorer's size text on the boundaries where a digit or the unit changes.
// Under Windows (and Wine) every boundary value is compared with the shell's
// own StrFormatByteSizeW; everywhere a few are pinned to what it printed.
#include "app/calc/size_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/handles.h"
#include "platform/library.h"
#endif

namespace {

using taverel::calc::ExplorerSizeText;
using taverel::calc::kLargestSizeTextBytes;

TEST(ExplorerSizeText, PinnedToWhatTheShellPrints) {
    const struct {
        std::uint64_t bytes;
        const wchar_t* text;
    } cases[] = {
        {0, L"0 bytes"},
        {1023, L"1023 bytes"},
        {1024, L"1.00 KB"},
        {10239, L"9.99 KB"},
        {102399, L"99.9 KB"},
        {1023999, L"999 KB"},
        {1024000, L"0.97 MB"},
        {1073741823, L"0.99 GB"},
        {4289724416, L"3.99 GB"},
        {1073741824000, L"0.97 TB"},
        {1110506744054, L"1.00 TB"},  // 1.01 TB and a few bytes: below a whole MB more
        {10995116277759, L"9.99 TB"},
        {9223372036854775807, L"7.99 EB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExplorerSizeText(c.bytes), c.text) << c.bytes;
}

#ifdef _WIN32
// For each unit (KB ... EB): the unit itself and 1000 of it, and the first
// count of each decimal step from 1.00 to 999 (2, 1 and 0 decimals), each
// with its neighbours; then G GB +- 1 for G = 1..64 and a few hundred.
std::vector<std::uint64_t> BoundaryValues() {
    std::vector<std::uint64_t> values = {0, 1, 999, 1000, 1023};
    const std::uint64_t hundredths[] = {100,  101,   150,   999,   1000,  1010,
                                        9990, 10000, 10100, 99900, 100000};
    for (int unit = 1; unit <= 6; ++unit) {
        const std::uint64_t size = std::uint64_t{1} << (10 * unit);
        const std::uint64_t whole = size / 100;
        const std::uint64_t part = size % 100;
        for (std::uint64_t h : hundredths) {
            if (h > kLargestSizeTextBytes / whole - 1)
                continue;
            // The first count at h/100 units: ceil(h * size / 100).
            const std::uint64_t first = h * whole + (h * part + 99) / 100;
            values.insert(values.end(), {first - 1, first, first + 1});
        }
    }
    for (std::uint64_t g = 1; g <= 64; ++g)
        values.insert(values.end(), {(g << 30) - 1, g << 30, (g << 30) + 1});
    for (std::uint64_t g : {99, 100, 128, 256, 500, 999, 1000, 1023, 1024})
        values.insert(values.end(), {(g << 30) - 1, g << 30, (g << 30) + 1});
    values.push_back(kLargestSizeTextBytes);
    return values;
}

TEST(ExplorerSizeText, SameAsTheShellOnEveryBoundary) {
    // Loaded, not linked: the program itself never calls the shell for this.
    const taverel::platform::Module shlwapi(taverel::platform::LoadSystemLibrary(L"shlwapi.dll"));
    ASSERT_TRUE(shlwapi);
    using Format = PWSTR(WINAPI*)(LONGLONG, PWSTR, UINT);
    const auto format =
        taverel::platform::LibraryFunction<Format>(shlwapi.get(), "StrFormatByteSizeW");
    ASSERT_NE(format, nullptr);
    const std::vector<std::uint64_t> values = BoundaryValues();
    EXPECT_GE(values.size(), 300u);
    for (std::uint64_t bytes : values) {
        wchar_t text[64] = {};
        format(static_cast<LONGLONG>(bytes), text, 64);
        EXPECT_EQ(ExplorerSizeText(bytes), text) << bytes;
    }
}
#endif

}  // namespace
