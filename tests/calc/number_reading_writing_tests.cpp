// Reading numbers (number_reading.h) and writing them (number_writing.h),
// with our choices for the open cases pinned down.
#include "app/calc/number_reading.h"
#include "app/calc/number_writing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <limits>
#include <string>

namespace {

using taverel::calc::FormatWholeNumber;
using taverel::calc::IsNumericText;
using taverel::calc::NumberLocale;
using taverel::calc::NumberToText;
using taverel::calc::NumericText;
using taverel::calc::ParseLeadingNumber;
using taverel::calc::ReadNumericText;
using taverel::calc::WithoutGroupSeparators;

const NumberLocale kCommaGroups{L'.', L','};
const NumberLocale kCommaDecimal{L',', L'.'};
const NumberLocale kBlankGroups{L',', L' '};
const NumberLocale kNoGroups{L'.', L'\0'};

std::string Narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s)
        out.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    return out;
}

TEST(IsNumericText, AcceptsNumbersByTheLocaleRules) {
    for (const wchar_t* text : {L"4",
                                L" 4 ",
                                L"\t4\n",
                                L"+4",
                                L"-4",
                                L"1.5",
                                L".5",
                                L"5.",
                                L"-.5",
                                L"1e3",
                                L"1E3",
                                L"1e+3",
                                L"1e-3",
                                L"1.5e3",
                                L"5.e3",
                                L"1,000",
                                L"1,000,000.25",
                                L"12,345,678",
                                L"1234,567",
                                L"-1,000e3",
                                L"0",
                                L"-0",
                                L"007",
                                L"&H10",
                                L"&h10",
                                L"&HfF",
                                L"&O17",
                                L"&o17",
                                L"&H0000000000000000001",
                                L"&HFFFFFFFFFFFFFFFF",
                                L"&O1777777777777777777777",
                                L"1e-400",
                                L"0e99999999999999999999",
                                L"1.7976931348623157e308",
                                L"-1.7976931348623157e308",
                                L"0.1e309",
                                L"１６",
                                L"－１，０００．５",
                                L"＋4"}) {
        EXPECT_TRUE(IsNumericText(text, kCommaGroups)) << Narrow(text);
    }
}

TEST(IsNumericText, RejectsEverythingElse) {
    for (const wchar_t* text : {L"",
                                L" ",
                                L"\t\n",
                                L"abc",
                                L"4GB",
                                L"4 5",
                                L"4\r",
                                L"\x3000"
                                L"4",
                                L"+",
                                L"-",
                                L".",
                                L"e3",
                                L".e3",
                                L"1e",
                                L"1e+",
                                L"1e3.5",
                                L"1.5.5",
                                L"--4",
                                L"+-4",
                                L"4-",
                                L"4+",
                                L"(4)",
                                L"$4",
                                L"4$",
                                L"\xA5"
                                L"4",
                                L"4%",
                                L",1",
                                L"1,",
                                L"1,,0",
                                L"1,.5",
                                L"1.5,0",
                                L"1,0,0",  // groups after a separator have three digits
                                L"1,5",
                                L"1,00",
                                L"1,0000",
                                L"1,000,00",
                                L"12,34,567",
                                L"1e1,000",
                                L"&",
                                L"&H",
                                L"&O",
                                L"&HG",
                                L"&O8",
                                L"&H 10",
                                L"-&H10",
                                L"&H10.5",
                                L"&H10000000000000000",
                                L"&O2000000000000000000000",
                                L"nan",
                                L"NaN",
                                L"inf",
                                L"-inf",
                                L"infinity",
                                L"Infinity",
                                L"\xFF14\xFF27\xFF22",  // full-width "4GB"
                                L"\x0664",              // an Arabic-Indic 4
                                L"0x10",
                                L"1d3"}) {
        EXPECT_FALSE(IsNumericText(text, kCommaGroups)) << Narrow(text);
    }
    EXPECT_FALSE(IsNumericText(std::wstring(L"4\0", 2), kCommaGroups));
    EXPECT_FALSE(IsNumericText(std::wstring(L"4\0"
                                            L"5",
                                            3),
                               kNoGroups));
}

TEST(IsNumericText, FollowsTheLocaleSeparators) {
    EXPECT_TRUE(IsNumericText(L"2,5", kCommaDecimal));
    EXPECT_TRUE(IsNumericText(L"1.000,5", kCommaDecimal));
    EXPECT_FALSE(IsNumericText(L"1,000.5", kCommaDecimal));
    EXPECT_TRUE(IsNumericText(L"1 000,5", kBlankGroups));
    EXPECT_FALSE(IsNumericText(L"4 5", kBlankGroups));  // a blank between digits is no group
    EXPECT_FALSE(IsNumericText(L"4  5", kBlankGroups));
    EXPECT_FALSE(IsNumericText(L"1,000", kNoGroups));
    EXPECT_TRUE(IsNumericText(L"1000.5", kNoGroups));
    // Separators that would clash with the grammar are not used as such.
    EXPECT_TRUE(IsNumericText(L"1.5", NumberLocale{L'\0', L','}));
    EXPECT_TRUE(IsNumericText(L"1.5", NumberLocale{L'e', L','}));
    EXPECT_FALSE(IsNumericText(L"1.5.0", NumberLocale{L'.', L'.'}));
    EXPECT_FALSE(IsNumericText(L"1-5", NumberLocale{L'.', L'-'}));
}

TEST(ReadNumericText, ReadsTheLocaleValue) {
    double v = 0;
    ASSERT_EQ(ReadNumericText(L"1,000.25", kCommaGroups, v), NumericText::Number);
    EXPECT_EQ(v, 1000.25);
    ASSERT_EQ(ReadNumericText(L"1.000,25", kCommaDecimal, v), NumericText::Number);
    EXPECT_EQ(v, 1000.25);
    ASSERT_EQ(ReadNumericText(L"&HFFFFFFFFFFFFFFFF", kCommaGroups, v), NumericText::Number);
    EXPECT_EQ(v, 18446744073709551616.0);
    ASSERT_EQ(ReadNumericText(L"1e-400", kCommaGroups, v), NumericText::Number);
    EXPECT_EQ(v, 0.0);
    ASSERT_EQ(ReadNumericText(L"1.7976931348623157e308", kCommaGroups, v), NumericText::Number);
    EXPECT_EQ(v, std::numeric_limits<double>::max());
}

TEST(ReadNumericText, NumbersBeyondTheDoubleRangeAreTooLargeNotNonNumeric) {
    const std::wstring four_hundred_digits(400, L'9');
    for (const std::wstring& text :
         {std::wstring(L"1e309"), std::wstring(L"-1e309"), std::wstring(L" 1E400 "),
          std::wstring(L"1.7976931348623159e308"), std::wstring(L"1,000e306"), four_hundred_digits,
          L"-" + four_hundred_digits, four_hundred_digits + L".5"}) {
        double v = 7;
        EXPECT_EQ(ReadNumericText(text, kCommaGroups, v), NumericText::TooLarge) << Narrow(text);
        EXPECT_EQ(v, 7) << Narrow(text);
        EXPECT_TRUE(IsNumericText(text, kCommaGroups)) << Narrow(text);
    }
    double v = 0;
    EXPECT_EQ(ReadNumericText(L"1e309x", kCommaGroups, v), NumericText::NotNumeric);
    EXPECT_EQ(ReadNumericText(L"1,0e309", kCommaGroups, v), NumericText::NotNumeric);
}

TEST(WithoutGroupSeparators, TakesOutOnlySeparatorsBetweenDigits) {
    EXPECT_EQ(WithoutGroupSeparators(L"1,000", kCommaGroups), L"1000");
    EXPECT_EQ(WithoutGroupSeparators(L" -1,000,000.5 ", kCommaGroups), L" -1000000.5 ");
    EXPECT_EQ(WithoutGroupSeparators(L"1.000,5", kCommaDecimal), L"1000,5");
    EXPECT_EQ(WithoutGroupSeparators(L"1 000,5", kBlankGroups), L"1000,5");
    EXPECT_EQ(WithoutGroupSeparators(L",1,", kCommaGroups), L",1,");
    EXPECT_EQ(WithoutGroupSeparators(L"1,000", kNoGroups), L"1,000");
    // What validation reads is what the calculation's reading gives.
    for (const wchar_t* text : {L"1,000", L"1,000,000", L"-12,345.75e-2", L"1,000e3"}) {
        double v = 0;
        ASSERT_EQ(ReadNumericText(text, kCommaGroups, v), NumericText::Number) << Narrow(text);
        EXPECT_EQ(ParseLeadingNumber(WithoutGroupSeparators(text, kCommaGroups)), v)
            << Narrow(text);
    }
}

TEST(ParseLeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    EXPECT_EQ(ParseLeadingNumber(L"4"), 4);
    EXPECT_EQ(ParseLeadingNumber(L" 4 "), 4);
    EXPECT_EQ(ParseLeadingNumber(L"4 5"), 45);  // blanks are removed wherever they stand
    EXPECT_EQ(ParseLeadingNumber(L" 1 2\t3\n4 "), 1234);
    EXPECT_EQ(ParseLeadingNumber(L"4GB"), 4);
    EXPECT_EQ(ParseLeadingNumber(L"1,000"), 1);
    EXPECT_EQ(ParseLeadingNumber(L"2,5"), 2);
    EXPECT_EQ(ParseLeadingNumber(L"2.5"), 2.5);
    EXPECT_EQ(ParseLeadingNumber(L"-2.5"), -2.5);
    EXPECT_EQ(ParseLeadingNumber(L"+.5"), 0.5);
    EXPECT_EQ(ParseLeadingNumber(L"5."), 5);
    EXPECT_EQ(ParseLeadingNumber(L"1e3"), 1000);
    EXPECT_EQ(ParseLeadingNumber(L"1E-3"), 0.001);
    EXPECT_EQ(ParseLeadingNumber(L"1.5e+2x"), 150);
    EXPECT_EQ(ParseLeadingNumber(L"1e"), 1);
    EXPECT_EQ(ParseLeadingNumber(L"1e+"), 1);
    EXPECT_EQ(ParseLeadingNumber(L"1ex"), 1);
    EXPECT_EQ(ParseLeadingNumber(L"1.2.3"), 1.2);
    EXPECT_EQ(ParseLeadingNumber(L"2.3"), 2.3);
    EXPECT_EQ(ParseLeadingNumber(L"0.1"), 0.1);
    EXPECT_EQ(ParseLeadingNumber(L"4\r"), 4);
}

TEST(ParseLeadingNumber, TextWithoutALeadingNumberGivesZero) {
    for (const wchar_t* text : {L"", L"   ", L"abc", L"-", L"+", L".", L"-.", L"e5", L".e5", L"&",
                                L"&H", L"&Z1", L"$4", L"(4)", L"\r4", L"nan", L"inf"}) {
        const double v = ParseLeadingNumber(text);
        EXPECT_EQ(v, 0) << Narrow(text);
        EXPECT_FALSE(std::signbit(v)) << Narrow(text);
    }
}

TEST(ParseLeadingNumber, HexadecimalAndOctalLiterals) {
    EXPECT_EQ(ParseLeadingNumber(L"&H10"), 16);
    EXPECT_EQ(ParseLeadingNumber(L"&h1f"), 31);
    EXPECT_EQ(ParseLeadingNumber(L"&O17"), 15);
    EXPECT_EQ(ParseLeadingNumber(L"&O18"), 1);
    EXPECT_EQ(ParseLeadingNumber(L"&H 1 0"), 16);
    EXPECT_EQ(ParseLeadingNumber(L"&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
    // Reading stops before a digit that would go past 64 bits.
    EXPECT_EQ(ParseLeadingNumber(L"&H10000000000000000"), 1152921504606846976.0);
    EXPECT_EQ(ParseLeadingNumber(L"-&H10"), 0);
}

TEST(ParseLeadingNumber, ExtremeMagnitudes) {
    EXPECT_EQ(ParseLeadingNumber(L"1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeadingNumber(L"1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber(L"-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber(L"1e-400"), 0);
    EXPECT_EQ(ParseLeadingNumber(L"4.9406564584124654e-324"),
              std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseLeadingNumber(L"1e99999999999999999999999"),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseLeadingNumber(L"0e99999999999999999999999"), 0);
    EXPECT_EQ(ParseLeadingNumber(L"1e-99999999999999999999999"), 0);
    // Long digit strings still round correctly (the tail only counts as sticky).
    EXPECT_EQ(ParseLeadingNumber(L"0." + std::wstring(1000, L'0') + L"1e1000"), 0.1);
    EXPECT_EQ(ParseLeadingNumber(L"1" + std::wstring(1000, L'0') + L"e-1000"), 1);
    // 2^53 + 1 followed by a non-zero tail past 800 digits rounds up, not to even.
    EXPECT_EQ(ParseLeadingNumber(L"9007199254740993." + std::wstring(900, L'0') + L"1"),
              9007199254740994.0);
    EXPECT_EQ(ParseLeadingNumber(L"9007199254740993." + std::wstring(900, L'0')),
              9007199254740992.0);
}

TEST(NumberToText, WritesFifteenSignificantDigits) {
    const NumberLocale& l = kCommaGroups;
    EXPECT_EQ(NumberToText(0, l), L"0");
    EXPECT_EQ(NumberToText(-0.0, l), L"0");
    EXPECT_EQ(NumberToText(4102, l), L"4102");
    EXPECT_EQ(NumberToText(-4106, l), L"-4106");
    EXPECT_EQ(NumberToText(2357.8, l), L"2357.8");
    EXPECT_EQ(NumberToText((1.3 + 1.3) + 2.3 * 1024, l), L"2357.8");
    EXPECT_EQ(NumberToText(0.1 + 0.2, l), L"0.3");
    EXPECT_EQ(NumberToText(1.0 / 3, l), L"0.333333333333333");
    EXPECT_EQ(NumberToText(2.0 / 3, l), L"0.666666666666667");
    EXPECT_EQ(NumberToText(123456789012345.6, l), L"123456789012346");
    EXPECT_EQ(NumberToText(999999999999999.0, l), L"999999999999999");
    EXPECT_EQ(NumberToText(0.5, l), L"0.5");
    EXPECT_EQ(NumberToText(0.0001, l), L"0.0001");
    EXPECT_EQ(NumberToText(0.00012345, l), L"0.00012345");
    EXPECT_EQ(NumberToText(-0.0001, l), L"-0.0001");
}

TEST(NumberToText, UsesExponentFormFromTenToTheFifteenth) {
    const NumberLocale& l = kCommaGroups;
    EXPECT_EQ(NumberToText(1025999999999998.0, l), L"1.026E+15");
    EXPECT_EQ(NumberToText(1e15, l), L"1E+15");
    EXPECT_EQ(NumberToText(999999999999999.9, l), L"1E+15");  // rounds up to 15 digits
    EXPECT_EQ(NumberToText(-1.5e16, l), L"-1.5E+16");
    EXPECT_EQ(NumberToText(1.23456789012345678e100, l), L"1.23456789012346E+100");
    // Rounding up would name a number beyond the double range: cut instead.
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::max(), l), L"1.79769313486231E+308");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::max(), l), L"-1.79769313486231E+308");
    EXPECT_EQ(NumberToText(1.797693134862314e308, l), L"1.79769313486231E+308");
    EXPECT_EQ(NumberToText(1.79769313486230e308, l), L"1.7976931348623E+308");
    EXPECT_TRUE(IsNumericText(NumberToText(std::numeric_limits<double>::max(), l), l));
    EXPECT_EQ(NumberToText(1025999999999998.0, kCommaDecimal), L"1,026E+15");
}

TEST(NumberToText, UsesExponentFormBelowOneTenThousandth) {
    const NumberLocale& l = kCommaGroups;
    EXPECT_EQ(NumberToText(0.00001, l), L"1E-05");
    EXPECT_EQ(NumberToText(0.000099999, l), L"9.9999E-05");
    EXPECT_EQ(NumberToText(0.00009999999999999999, l), L"0.0001");  // rounds up to 15 digits
    EXPECT_EQ(NumberToText(-2.5e-300, l), L"-2.5E-300");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::denorm_min(), l), L"4.94065645841247E-324");
    EXPECT_EQ(NumberToText(1.5e-7, kCommaDecimal), L"1,5E-07");
}

TEST(NumberToText, UsesTheLocaleDecimalSeparatorAndNoGroups) {
    EXPECT_EQ(NumberToText(2357.8, kCommaDecimal), L"2357,8");
    EXPECT_EQ(NumberToText(-0.25, kCommaDecimal), L"-0,25");
    EXPECT_EQ(NumberToText(1234567.5, kCommaGroups), L"1234567.5");
    EXPECT_EQ(NumberToText(1.5, NumberLocale{L'\0', L','}), L"1.5");
}

TEST(NumberToText, NonFiniteValues) {
    const NumberLocale& l = kCommaGroups;
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity(), l), L"Infinity");
    EXPECT_EQ(NumberToText(-std::numeric_limits<double>::infinity(), l), L"-Infinity");
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::quiet_NaN(), l), L"NaN");
}

TEST(FormatWholeNumber, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(FormatWholeNumber(2.5), L"3");
    EXPECT_EQ(FormatWholeNumber(-2.5), L"-3");
    EXPECT_EQ(FormatWholeNumber(3.5), L"4");
    EXPECT_EQ(FormatWholeNumber(2.4999999999999996), L"2");
    EXPECT_EQ(FormatWholeNumber(0.49999999999999994), L"0");
    EXPECT_EQ(FormatWholeNumber(522.6667), L"523");
    EXPECT_EQ(FormatWholeNumber(2097152.5), L"2097153");
    EXPECT_EQ(FormatWholeNumber(4176900.5), L"4176901");
    EXPECT_EQ(FormatWholeNumber(-521.6667), L"-522");
    EXPECT_EQ(FormatWholeNumber(0), L"0");
    EXPECT_EQ(FormatWholeNumber(-0.0), L"0");
    EXPECT_EQ(FormatWholeNumber(-0.4), L"0");
    EXPECT_EQ(FormatWholeNumber(0.5), L"1");
    EXPECT_EQ(FormatWholeNumber(-0.5), L"-1");
}

TEST(FormatWholeNumber, WritesTheExactIntegerBeyondFifteenDigits) {
    EXPECT_EQ(FormatWholeNumber(1025999999999998.0), L"1025999999999998");
    EXPECT_EQ(FormatWholeNumber(9007199254740993.0), L"9007199254740992");
    EXPECT_EQ(FormatWholeNumber(1e20), L"100000000000000000000");
    EXPECT_EQ(FormatWholeNumber(1e23), L"99999999999999991611392");
    EXPECT_EQ(FormatWholeNumber(-1e23), L"-99999999999999991611392");
    const std::wstring max = FormatWholeNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 309u);
    EXPECT_EQ(max.substr(0, 20), L"17976931348623157081");
    EXPECT_EQ(max.substr(300), L"124858368");
    EXPECT_EQ(FormatWholeNumber(std::numeric_limits<double>::infinity()), L"Infinity");
    EXPECT_EQ(FormatWholeNumber(std::numeric_limits<double>::quiet_NaN()), L"NaN");
}

TEST(FormatWholeNumber, ReadsBackAsTheRoundedValue) {
    const struct {
        double x, whole;
    } cases[] = {{0.5, 1},
                 {1.5, 2},
                 {-7.5, -8},
                 {0.49999999999999994, 0},
                 {-0.49999999999999994, 0},
                 {1e15 + 0.5, 1e15 + 1},
                 {4503599627370495.5, 4503599627370496.0},
                 {-4503599627370495.5, -4503599627370496.0},
                 {1e300, 1e300},
                 {-3e200, -3e200}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseLeadingNumber(FormatWholeNumber(c.x)), c.whole) << c.x;
}

}  // namespace
