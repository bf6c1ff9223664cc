// The two algorithms, each operation a double operation in the order the
// formulas write it. The fault checks stand after the sum of the old
// algorithm and after each product or quotient of the new one that can
// overflow; a non-finite result is what overflow, an
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
// Above 2^53 a double skips whole numbers, so the digits of an answer beyond it
// are noise: a figure no partitioning tool could take is refused as too large.
constexpr double kLargestExactMegabytes = 9007199254740992;  // 2^53
// No partitioning tool makes a partition of less than 1 MB.
constexpr double kSmallestMegabytes = 1;

CalculationResult Fault() {
    return {CalculationOutcome::ArithmeticFault, {}};
}

}  // namespace

double ReadPartitionSize(const std::wstring& input, const NumberLocale& locale) {
    return ParseLeadingNumber(WithoutGroupSeparators(WithAsciiForms(input), locale));
}

CalculationResult CalculatePartitionSize(const std::wstring& input, bool old_selected,
                                         bool new_selected, PartitionFields& fields,
                                         const NumberLocale& locale) {
    double ignored = 0;
    switch (ReadNumericText(input, locale, ignored)) {
        case NumericText::NotNumeric:
            return {CalculationOutcome::InputError, {}};
        case NumericText::TooLarge:
            // All digits, but no double holds it: the same answer as a size
            // whose bytes overflow, and nothing is computed or written.
            return Fault();
        case NumericText::Number:
            break;
    }
    // A partition has a size: 0 and less gave 8 MB or negative figures.
    if (!(ReadPartitionSize(input, locale) > 0))
        return {CalculationOutcome::NotPositive, {}};
    CalculationResult result;
    if (old_selected) {
        const double g = ReadPartitionSize(input, locale);
        const double less_one = g - kOne;
        const double doubled = less_one + less_one;
        const double mb = doubled + g * kKilo;
        if (!std::isfinite(mb) || mb > kLargestExactMegabytes)
            return Fault();
        if (mb < kSmallestMegabytes)
            return {CalculationOutcome::NotPositive, {}};
        result.text = NumberToText(mb, locale);
    }
    if (new_selected) {
        // The text is read again, as the handler does for each algorithm.
        const double g = ReadPartitionSize(input, locale);
        fields.CylinderBytes = kCylinderBytes;              // bytes in one 255 x 63 x 512 cylinder
        fields.RequestedBytes = g * kKilo * kKilo * kKilo;  // the size asked for, in bytes
        if (!std::isfinite(fields.RequestedBytes))
            return Fault();
        // Whole cylinders, rounded up by adding a half before the rounding below.
        const double q = fields.RequestedBytes / fields.CylinderBytes + kHalf;
        if (!std::isfinite(q))
            return Fault();
        fields.CylinderCount = ParseLeadingNumber(FormatWholeNumber(q));
        fields.AllocatedBytes = fields.CylinderBytes * fields.CylinderCount;  // whole cylinders
        if (!std::isfinite(fields.AllocatedBytes))
            return Fault();
        // Megabytes, again rounded up by the added half.
        const double m = fields.AllocatedBytes / kKilo / kKilo + kHalf;
        if (!std::isfinite(m) || m > kLargestExactMegabytes)
            return Fault();
        result.text = FormatWholeNumber(m);
    }
    return result;
}

}  // namespace taverel::calc
