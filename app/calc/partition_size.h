// The arithmetic the whole program exists for: the MB figure to type into a
// partitioning tool so that Windows shows a FAT32 partition as exactly G GB.
// No window code here; it builds on Linux as well.
#pragma once

#include "app/calc/number_locale.h"
#include "app/calc/number_text.h"

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
    ArithmeticFault,  // overflow, invalid operation or division by zero, or a size
                      // beyond the double range: say the number is too large,
                      // leave the result box as it is
};

struct CalculationResult {
    CalculationOutcome outcome = CalculationOutcome::Result;
    std::wstring text;  // the result text when outcome is Result
};

// The size G that the calculation reads from text that validation accepted:
// the leading number of the text with its group separators taken out, so
// that "1,000" is a thousand, as validation saw it, and not the 1 before the
// comma.
double ReadPartitionSize(const std::wstring& input, const NumberLocale& locale);

// Runs the check and then the old and/or new algorithm, in that order, as the
// main window's "开始计算" does; the result text is that of the last one run.
CalculationResult CalculatePartitionSize(const std::wstring& input, bool old_selected,
                                         bool new_selected, PartitionFields& fields,
                                         const NumberLocale& locale);

}  // namespace taverel::calc
