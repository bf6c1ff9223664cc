// The two algorithms, each operation a double operation in the order the
// formulas write it. The fault checks stand after the sum of the old
// algorithm and after steps 2, 3, 5 and 6 of the new one; a non-finite result is what overflow, an
// invalid operation or a division by zero leaves behind (no operation here can bring an infinity or
// a NaN back to a finite value), so std::isfinite finds every fault without relying on
// floating-point traps or flags.
#include "app/calc/partition_size.h"

#include <cmath>

namespace taverel::calc {
namespace {

constexpr double kOne = 1;
constexpr double kKilo = 1024;
constexpr double kHalf = 0.5;
constexpr double kCylinderBytes = 8225280;  // 512 bytes × 255 heads × 63 sectors

CalculationResult Fault() {
    return {CalculationOutcome::ArithmeticFault, {}};
}

}  // namespace

CalculationResult CalculatePartitionSize(const std::wstring& input, bool old_selected,
                                         bool new_selected, PartitionFields& fields,
                                         const NumberLocale& locale) {
    if (!IsNumericText(input, locale))
        return {CalculationOutcome::InputError, {}};

    CalculationResult result;
    if (old_selected) {
        const double g = ParseLeadingNumber(input);
        const double less_one = g - kOne;
        const double doubled = less_one + less_one;
        const double mb = doubled + g * kKilo;
        if (!std::isfinite(mb))
            return Fault();
        result.text = NumberToText(mb, locale);
    }
    if (new_selected) {
        // The text is read again, as the handler does for each algorithm.
        const double g = ParseLeadingNumber(input);
        fields.CylinderBytes = kCylinderBytes;              // step 1
        fields.RequestedBytes = g * kKilo * kKilo * kKilo;  // step 2
        if (!std::isfinite(fields.RequestedBytes))
            return Fault();
        const double q = fields.RequestedBytes / fields.CylinderBytes + kHalf;  // step 3
        if (!std::isfinite(q))
            return Fault();
        fields.CylinderCount = ParseLeadingNumber(FormatWholeNumber(q));      // step 4
        fields.AllocatedBytes = fields.CylinderBytes * fields.CylinderCount;  // step 5
        if (!std::isfinite(fields.AllocatedBytes))
            return Fault();
        const double m = fields.AllocatedBytes / kKilo / kKilo + kHalf;  // step 6
        if (!std::isfinite(m))
            return Fault();
        result.text = FormatWholeNumber(m);  // step 7
    }
    return result;
}

}  // namespace taverel::calc
