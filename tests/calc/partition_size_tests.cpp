// The worked examples, edge cases and fault handling, with the locale
// pinned so that the results do not depend on the machine.
#include "app/calc/partition_size.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <limits>
#include <string>
#include <vector>

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
    {L"１６", L"16414", L"16387", 2089},  // full-width digits, as a Chinese input method types
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
    const std::vector<std::wstring> not_numeric = {
        L"abc",      L"   ",   L"4GB", L"4 5", L"nan", L"inf",
        L"Infinity", L"$4",    L"4-",  L"(4)", L"&H",  L"&H10000000000000000",
        L"1,,000",   L"1,0,0", L"1,5", L"1e",  L".",   L""};
    // No partition has a size of 0 or less, or one whose answer is below 1 MB.
    const std::vector<std::wstring> not_positive = {L"0",          L"-0",    L"-1",     L"-4",
                                                    L"-5",         L"0.001", L"1e-400", L"-1e3",
                                                    L" -1,000.5 ", L"－５",  L"０"};
    for (const auto* list : {&not_numeric, &not_positive}) {
        for (const std::wstring& input : *list) {
            SCOPED_TRACE(std::string(input.begin(), input.end()));
            PartitionFields fields{1, 2, 3, 4};
            const CalculationResult r =
                CalculatePartitionSize(input, true, true, fields, kCommaGroups);
            EXPECT_EQ(r.outcome, list == &not_numeric ? CalculationOutcome::InputError
                                                      : CalculationOutcome::NotPositive);
            EXPECT_EQ(r.text, L"");
            EXPECT_EQ(fields.CylinderBytes, 1);
            EXPECT_EQ(fields.RequestedBytes, 2);
            EXPECT_EQ(fields.CylinderCount, 3);
            EXPECT_EQ(fields.AllocatedBytes, 4);
        }
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
    EXPECT_EQ(Old(L" 1,000.5 "), Old(L"1000.5"));
    EXPECT_EQ(Old(L"１，０００．５"), Old(L"1000.5"));  // full-width, comma and full stop
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
    PartitionFields fields;
    // The exponent is not reached: read as 0, which is no partition size.
    EXPECT_EQ(CalculatePartitionSize(L"0,5e1", true, false, fields, kCommaDecimal).outcome,
              CalculationOutcome::NotPositive);
    for (const wchar_t* input : {L"2.3", L"2.3.4", L"2,3,4"}) {
        EXPECT_EQ(CalculatePartitionSize(input, true, false, fields, kCommaDecimal).outcome,
                  CalculationOutcome::InputError);
    }
}

TEST(EdgeCases, TheSmallestSizesAnswerAtLeastOneMegabyte) {
    // The old formula passes 1 MB at 3/1026 GB; the new one answers a whole
    // cylinder for anything above 0.
    EXPECT_EQ(Old(L"0.003"), L"1.078");
    EXPECT_EQ(New(L"0.001"), L"8");
    EXPECT_EQ(New(L"1e-300"), L"8");
    PartitionFields fields;
    EXPECT_EQ(CalculatePartitionSize(L"0.0029", true, false, fields, kCommaGroups).outcome,
              CalculationOutcome::NotPositive);
}

TEST(EdgeCases, LargeValuesAreWrittenInExponentForm) {
    EXPECT_EQ(Old(L"1e12"), L"1.026E+15");
    EXPECT_EQ(Old(L"8.7e12"), L"8.9262E+15");
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

TEST(ArithmeticFault, AnAnswerBeyondTwoToTheFiftyThirdMegabytesIsTooLarge) {
    // Beyond 2^53 a double skips whole numbers: such digits would be noise.
    // 2^43 GB is 2^53 MB; the new algorithm's whole cylinders pass it there.
    PartitionFields fields;
    EXPECT_EQ(New(L"8796093022207"), L"9007199254739974");
    EXPECT_EQ(Old(L"8778946642047"), L"9.00719925474022E+15");
    for (const wchar_t* input : {L"8796093022208", L"99999999999999999999999", L"1.6e299"})
        EXPECT_EQ(CalculatePartitionSize(input, false, true, fields, kCommaGroups).outcome,
                  CalculationOutcome::ArithmeticFault);
    for (const wchar_t* input : {L"8778946642048", L"99999999999999999999999", L"1e100"})
        EXPECT_EQ(CalculatePartitionSize(input, true, false, fields, kCommaGroups).outcome,
                  CalculationOutcome::ArithmeticFault);
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
    EXPECT_EQ(r.outcome, CalculationOutcome::NotPositive);
    // A fault of the old algorithm ends the run: the new one does not start.
    r = CalculatePartitionSize(L"1e306", true, true, fields, kCommaGroups);
    EXPECT_EQ(r.outcome, CalculationOutcome::ArithmeticFault);
    EXPECT_EQ(fields.CylinderBytes, 1);
    // Between the two limits the new algorithm works and the old one faults.
    EXPECT_EQ(New(L"8778946642048"), L"8989641361457160");
}

}  // namespace
