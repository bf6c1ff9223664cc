// The text Windows Explorer shows for a byte count: the shell's byte-size
// formatter (StrFormatByteSizeW), which truncates to three significant digits.
// Portable; no window code.
#pragma once

#include <cstdint>
#include <string>

namespace taverel::calc {

// The largest byte count the shell's formatter takes (it takes a signed
// 64-bit count).
inline constexpr std::uint64_t kLargestSizeTextBytes = 0x7FFFFFFFFFFFFFFF;

// "n bytes" below 1024; otherwise the smallest of KB, MB, GB, TB, PB, EB
// (powers of 1024) in which the count is below 1000 units, with 2 decimals
// below 10 units, 1 below 100 and none above: "3.99 GB", "59.9 GB", "999 GB",
// "0.97 TB". The value is truncated, never rounded. From a terabyte unit on,
// the shell first drops the bytes below a whole MB, so a count a few bytes
// past a step such as 1.01 TB still shows the step below ("1.00 TB"). The
// decimal separator is ".", as on the Chinese and English systems Taverel is
// for. Counts above kLargestSizeTextBytes are not defined.
std::wstring ExplorerSizeText(std::uint64_t bytes);

}  // namespace taverel::calc
