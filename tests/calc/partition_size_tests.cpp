// The worked examples, edge cases and fault handling, with the locale
// pinned so that the results do not depend on the machine.
#include "app/calc/partition_size.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <limits>
#include <string>

namespace {

using taverel::calc::CalculatePartitionSize;
using taverel::calc::CalculationOutcome;
using taverel::calc::CalculationResult;
using taverel::calc::NumberLocale;
using taverel::calc::PartitionFields;

const NumberLocale kCommaGroups{L'.', L','};   // en-US, zh-CN
const NumberLocale kCommaDecimal{L',', L'.'};  // de-DE

std::wstring Old(const std::wstring& input, const NumberLocale& locale = kCommaGroups) {
    PartitionFields fields;
    const CalculationResult r = CalculatePartitionSize(input, true, false, fields, locale);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result)
        << "input " << std::string(input.begin(), input.end());
    return r.text;
}

std::wstring New(const std::wstring& input, const NumberLocale& locale = kCommaGroups) {
    PartitionFields fields;
    const CalculationResult r = CalculatePartitionSize(input, false, true, fields, locale);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result)
        << "input " << std::string(input.begin(), input.end());
    return r.text;
}

struct Example {
    const wchar_t* input;
    const wchar_t* old_text;
    const wchar_t* new_text;
    double cylinders;
};

const Example kWorkedExamples[] = {
    {L"4", L"4102", L"4103", 523},
    {L"1", L"1024", L"1028", 131},
    {L"2", L"2050", L"2056", 262},
    {L"5", L"5128", L"5123", 653},
    {L"10", L"10258", L"10245", 1306},
    {L"20", L"20518", L"20482", 2611},
    {L"100", L"102598", L"102407", 13055},
    {L"1000", L"1025998", L"1024003", 130542},
    {L"1.5", L"1537", L"1538", 196},
    {L"2.3", L"2357.8", L"2362", 301},
    {L"0", L"-2", L"8", 1},
    {L"-4", L"-4106", L"-4094", -522},
    {L"4079", L"4185052", L"4176901", 532480},
    {L"16065", L"16482688", L"16450568", 2097153},
};

TEST(WorkedExamples, OldAndNewAlgorithmGiveTheKnownFiguresForCommonSizes) {
    for (const Example& e : kWorkedExamples) {
        SCOPED_TRACE(std::string(e.input, e.input + std::wcslen(e.input)));
        EXPECT_EQ(Old(e.input), e.old_text);
        EXPECT_EQ(New(e.input), e.new_text);
        PartitionFields fields;
        CalculatePartitionSize(e.input, false, true, fields, kCommaGroups);
        EXPECT_EQ(fields.CylinderCount, e.cylinders);
    }
}

TEST(WorkedExamples, FourGigabytesLeavesTheIntermediateValuesOfTheExplanation) {
    PartitionFields fields;
    const CalculationResult r = CalculatePartitionSize(L"4", false, true, fields, kCommaGroups);
    ASSERT_EQ(r.outcome, CalculationOutcome::Result);
    EXPECT_EQ(r.text, L"4103");
    EXPECT_EQ(fields.CylinderBytes, 8225280.0);
    EXPECT_EQ(fields.RequestedBytes, 4294967296.0);
    EXPECT_EQ(fields.CylinderCount, 523.0);
    EXPECT_EQ(fields.AllocatedBytes, 4301821440.0);
}

TEST(WorkedExamples, ExactHalvesRoundAwayFromZero) {
    // 16065: Q = 2097152.5 exactly; 4079: M = 4176900.5 exactly.
    PartitionFields fields;
    CalculatePartitionSize(L"16065", false, true, fields, kCommaGroups);
    EXPECT_EQ(fields.RequestedBytes / fields.CylinderBytes + 0.5, 2097152.5);
    EXPECT_EQ(fields.CylinderCount, 2097153.0);
    CalculatePartitionSize(L"4079", false, true, fields, kCommaGroups);
    EXPECT_EQ(fields.AllocatedBytes / 1024 / 1024 + 0.5, 4176900.5);
}

TEST(EdgeCases, BlanksAroundTheNumberAreAccepted) {
    EXPECT_EQ(Old(L" 4 "), L"4102");
    EXPECT_EQ(New(L" 4 "), L"4103");
    EXPECT_EQ(New(L"\t4\n"), L"4103");
}

TEST(EdgeCases, TextThatIsNotANumberIsAnInputErrorAndTouchesNothing) {
    for (const wchar_t* input :
         {L"", L"   ", L"abc", L"4GB", L"4 5", L"nan", L"inf", L"Infinity", L"$4", L"4-", L"(4)",
          L"&H", L"&H10000000000000000", L"1,,000", L"1,0,0", L"1,5", L"1e", L"."}) {
        SCOPED_TRACE(std::string(input, input + std::wcslen(input)));
        PartitionFields fields{1, 2, 3, 4};
        const CalculationResult r = CalculatePartitionSize(input, true, true, fields, kCommaGroups);
        EXPECT_EQ(r.outcome, CalculationOutcome::InputError);
        EXPECT_EQ(r.text, L"");
        EXPECT_EQ(fields.CylinderBytes, 1);
        EXPECT_EQ(fields.RequestedBytes, 2);
        EXPECT_EQ(fields.CylinderCount, 3);
        EXPECT_EQ(fields.AllocatedBytes, 4);
    }
}

TEST(EdgeCases, ExponentTextIsReadAsItsValue) {
    EXPECT_EQ(Old(L"1e3"), L"1025998");
    EXPECT_EQ(New(L"1e3"), L"1024003");
}

TEST(EdgeCases, HexadecimalAndOctalLiterals) {
    EXPECT_EQ(Old(L"&H10"), L"16414");
    EXPECT_EQ(New(L"&H10"), L"16387");
    EXPECT_EQ(Old(L"&O17"), Old(L"15"));
    EXPECT_EQ(New(L"&o17"), New(L"15"));
}

TEST(EdgeCases, GroupSeparatorsAreReadAsTheNumberValidationAccepted) {
    EXPECT_EQ(Old(L"1,000"), L"1025998");
    EXPECT_EQ(New(L"1,000"), L"1024003");
    EXPECT_EQ(Old(L"1,000,000"), Old(L"1000000"));
    EXPECT_EQ(New(L"1,000,000"), New(L"1000000"));
    EXPECT_EQ(Old(L" -1,000.5 "), Old(L"-1000.5"));
    // Where the comma is no group separator the text is no number at all.
    PartitionFields fields;
    EXPECT_EQ(
        CalculatePartitionSize(L"1,000", true, true, fields, NumberLocale{L'.', L'\0'}).outcome,
        CalculationOutcome::InputError);
}

TEST(EdgeCases, CommaDecimalLocale) {
    // "2,3" is numeric there but read as 2 (ParseLeadingNumber knows only "."),
    // and results are written with the locale's comma.
    EXPECT_EQ(Old(L"2,3", kCommaDecimal), L"2050");
    EXPECT_EQ(Old(L"1.000", kCommaDecimal), L"1025998");  // "." groups the thousands there
    EXPECT_EQ(Old(L"0,5e1", kCommaDecimal), Old(L"0"));   // the exponent is not reached
    PartitionFields fields;
    for (const wchar_t* input : {L"2.3", L"2.3.4", L"2,3,4"}) {
        EXPECT_EQ(CalculatePartitionSize(input, true, false, fields, kCommaDecimal).outcome,
                  CalculationOutcome::InputError);
    }
}

TEST(EdgeCases, ZeroAndNegatives) {
    EXPECT_EQ(Old(L"0"), L"-2");
    EXPECT_EQ(New(L"0"), L"8");
    EXPECT_EQ(Old(L"-0"), L"-2");
    EXPECT_EQ(New(L"-0"), L"8");
    EXPECT_EQ(Old(L"-1"), L"-1028");
    EXPECT_EQ(New(L"-1"), L"-1019");  // Q = -130.04 gives -130 cylinders
}

TEST(EdgeCases, LargeValuesAreWrittenInExponentForm) {
    EXPECT_EQ(Old(L"1e12"), L"1.026E+15");
    EXPECT_EQ(Old(L"1e100"), L"1.026E+103");
    EXPECT_EQ(Old(L"-1e12"), L"-1.026E+15");
    // The new algorithm's whole number is written out in full.
    EXPECT_EQ(New(L"1e12"), L"1024000000000002");
}

TEST(EdgeCases, SwitchingAlgorithmsAlternatesTheResult) {
    PartitionFields fields;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(CalculatePartitionSize(L"4", true, false, fields, kCommaGroups).text, L"4102");
        EXPECT_EQ(CalculatePartitionSize(L"4", false, true, fields, kCommaGroups).text, L"4103");
    }
}

TEST(Selection, TheLastAlgorithmThatRunsGivesTheText) {
    PartitionFields fields;
    CalculationResult r = CalculatePartitionSize(L"4", true, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result);
    EXPECT_EQ(r.text, L"4103");
    EXPECT_EQ(fields.CylinderCount, 523);
    r = CalculatePartitionSize(L"4", false, false, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result);
    EXPECT_EQ(r.text, L"");
    // Validation runs even when no algorithm is selected.
    EXPECT_EQ(CalculatePartitionSize(L"x", false, false, fields, kCommaGroups).outcome,
              CalculationOutcome::InputError);
}

TEST(Selection, OnlyTheNewAlgorithmWritesTheFields) {
    PartitionFields fields{1, 2, 3, 4};
    CalculatePartitionSize(L"4", true, false, fields, kCommaGroups);
    EXPECT_EQ(fields.CylinderBytes, 1);
    EXPECT_EQ(fields.RequestedBytes, 2);
    EXPECT_EQ(fields.CylinderCount, 3);
    EXPECT_EQ(fields.AllocatedBytes, 4);
}

TEST(ArithmeticFault, NewAlgorithmStopsWhenTheBytesOverflowAndKeepsWhatItWrote) {
    PartitionFields fields{1, 2, 3, 4};
    const CalculationResult r = CalculatePartitionSize(L"1e300", false, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    EXPECT_EQ(r.text, L"");
    EXPECT_EQ(fields.CylinderBytes, 8225280.0);
    EXPECT_TRUE(std::isinf(fields.RequestedBytes));
    EXPECT_EQ(fields.CylinderCount, 3);
    EXPECT_EQ(fields.AllocatedBytes, 4);
}

TEST(ArithmeticFault, NewAlgorithmJustBelowTheLimitStillWorks) {
    // 1.6e299 GB is 1.7e308 bytes: the largest sizes stay finite.
    PartitionFields fields;
    const CalculationResult r =
        CalculatePartitionSize(L"1.6e299", false, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result);
    EXPECT_TRUE(std::isfinite(fields.AllocatedBytes));
    EXPECT_EQ(r.text.size(), 303u);  // the exact integer, every digit written
    const CalculationResult n =
        CalculatePartitionSize(L"-1.6e299", false, true, fields, kCommaGroups);
    EXPECT_EQ(n.outcome, CalculationOutcome::Result);
    EXPECT_EQ(n.text, L"-" + r.text);
}

TEST(ArithmeticFault, TheLimitOfTheNewAlgorithmIsTheLargestDoubleInBytes) {
    // 1.6742321987285425e299 GB is exactly the largest double in bytes; the next
    // double up overflows the requested bytes. (The whole-cylinder product
    // cannot overflow once that has not: the cylinders never round up past
    // the largest double.)
    PartitionFields fields;
    CalculationResult r =
        CalculatePartitionSize(L"1.6742321987285425e299", false, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::Result);
    EXPECT_EQ(fields.RequestedBytes, std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isfinite(fields.AllocatedBytes));
    r = CalculatePartitionSize(L"1.6742321987285427e299", false, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    EXPECT_TRUE(std::isinf(fields.RequestedBytes));
}

TEST(ArithmeticFault, ASizeBeyondTheDoubleRangeIsTooLargeAndTouchesNothing) {
    const std::wstring four_hundred_digits(400, L'9');
    for (const std::wstring& input : {std::wstring(L"1e309"), std::wstring(L"-1e309"),
                                      std::wstring(L"1,000e306"), four_hundred_digits}) {
        for (int flags = 0; flags < 4; ++flags) {
            PartitionFields fields{1, 2, 3, 4};
            const CalculationResult r =
                CalculatePartitionSize(input, flags & 1, flags & 2, fields, kCommaGroups);
            EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault) << input.size() << flags;
            EXPECT_EQ(r.text, L"");
            EXPECT_EQ(fields.CylinderBytes, 1);
            EXPECT_EQ(fields.RequestedBytes, 2);
        }
    }
    // In a locale whose reading stops early the size is still too large.
    PartitionFields fields;
    EXPECT_EQ(CalculatePartitionSize(L"1,5e309", true, true, fields, kCommaDecimal).outcome,
              CalculationOutcome::ArithmeticFault);
}

TEST(ArithmeticFault, OldAlgorithmFaultsAfterItsSum) {
    PartitionFields fields{1, 2, 3, 4};
    CalculationResult r = CalculatePartitionSize(L"1e306", true, false, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    EXPECT_EQ(r.text, L"");
    r = CalculatePartitionSize(L"-1e306", true, false, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    // A fault of the old algorithm ends the run: the new one does not start.
    r = CalculatePartitionSize(L"1e306", true, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    EXPECT_EQ(fields.CylinderBytes, 1);
    // Between the two limits the old algorithm works and the new one faults.
    EXPECT_EQ(Old(L"1e300"), L"1.026E+303");
}

}  // namespace
