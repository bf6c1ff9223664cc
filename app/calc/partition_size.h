// The arithmetic the whole program exists for: the MB figure to type into a
// partitioning tool so that Windows shows a FAT32 partition as exactly G GB.
// No window code here; it builds on Linux as well.
#pragma once

#include "app/calc/number_locale.h"
#include "app/calc/number_reading.h"
#include "app/calc/number_writing.h"

#include <string>

namespace taverel::calc {

// The four values the new algorithm leaves behind (the main window keeps
// them). Each run of the new algorithm overwrites them one by one; a fault
// stops the run and leaves the values already written in place.
struct PartitionFields {
    double CylinderBytes = 0;
    double RequestedBytes = 0;
    double CylinderCount = 0;
    double AllocatedBytes = 0;
};

enum class CalculationOutcome {
    Result,           // `text` holds the result (empty when neither algorithm is selected)
    InputError,       // the text is not a number: tell the user, empty the size box
    NotPositive,      // a number, but no partition: 0 or less, or an answer below
                      // 1 MB; told and handled as InputError
    ArithmeticFault,  // overflow, invalid operation or division by zero, a size
                      // beyond the double range, or an answer above 2^53 MB,
                      // where a double no longer holds every whole number: say
                      // the number is too large, leave the result box as it is
};

// What the user is told for each refused size (the window's message boxes
// and taverel-calc's error lines).
inline constexpr wchar_t kNotNumericText[] = L"请输入纯数字！";
inline constexpr wchar_t kNotPositiveText[] = L"分区大小必须大于 0（结果至少 1 MB）！";
inline constexpr wchar_t kTooLargeText[] = L"数值太大，无法计算！";

struct CalculationResult {
    CalculationOutcome outcome = CalculationOutcome::Result;
    std::wstring text;  // the result text when outcome is Result
};

// The size G that the calculation reads from text that validation accepted:
// the leading number of the text with its full-width forms read as ASCII and
// its group separators taken out, so that "1,000" is a thousand, as
// validation saw it, and not the 1 before the comma.
double ReadPartitionSize(const std::wstring& input, const NumberLocale& locale);

// Runs the checks and then the old and/or new algorithm, in that order, as the
// main window's "开始计算" does; the result text is that of the last one run.
// A size of 0 or less is refused before either runs; the old algorithm's
// answer below 1 MB (sizes under 0.003 GB) is refused after it (the new one
// answers at least one cylinder, 8 MB, for any size above 0).
CalculationResult CalculatePartitionSize(const std::wstring& input, bool old_selected,
                                         bool new_selected, PartitionFields& fields,
                                         const NumberLocale& locale);

}  // namespace taverel::calc
