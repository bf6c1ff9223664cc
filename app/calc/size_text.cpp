#include "app/calc/size_text.h"

namespace taverel::calc {
namespace {

constexpr std::uint64_t kKilobyte = 1024;   // below it the count is written in bytes
constexpr unsigned kUnitShift = 10;         // each unit is 1024 of the one below
constexpr std::uint64_t kUnitLimit = 1000;  // a unit is used below 1000 of it
constexpr int kTerabyteUnit = 4;            // KB is 1 ... TB is 4
constexpr unsigned kMegabyteShift = 20;     // the shell drops bytes below 1 MB from TB on
const wchar_t* const kUnitNames[] = {L"", L"KB", L"MB", L"GB", L"TB", L"PB", L"EB"};

}  // namespace

std::wstring ExplorerSizeText(std::uint64_t bytes) {
    if (bytes < kKilobyte)
        return std::to_wstring(bytes) + L" bytes";
    int unit = 1;
    while (unit < 6 && bytes >= (kUnitLimit << (kUnitShift * unit)))
        ++unit;

    // Whole units and the bytes left over, at most 40 bits each, so the
    // truncated hundredths below fit in 64 bits without rounding.
    std::uint64_t count = bytes;
    unsigned shift = kUnitShift * static_cast<unsigned>(unit);
    if (unit >= kTerabyteUnit) {
        count >>= kMegabyteShift;
        shift -= kMegabyteShift;
    }
    const std::uint64_t whole = count >> shift;
    const std::uint64_t rest = count & ((std::uint64_t{1} << shift) - 1);
    const int decimals = whole < 10 ? 2 : whole < 100 ? 1 : 0;
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const std::uint64_t fraction = (rest * scale) >> shift;

    std::wstring text = std::to_wstring(whole);
    if (decimals > 0) {
        std::wstring digits = std::to_wstring(fraction);
        text +=
            L'.' + std::wstring(static_cast<std::size_t>(decimals) - digits.size(), L'0') + digits;
    }
    return text + L' ' + kUnitNames[unit];
}

}  // namespace taverel::calc
