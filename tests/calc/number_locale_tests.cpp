// The machine's own number format: whatever it is, it must be usable.
#include "app/calc/number_locale.h"
#include "app/calc/number_reading.h"
#include "app/calc/number_writing.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using taverel::calc::CurrentNumberLocale;
using taverel::calc::NumberLocale;

TEST(CurrentNumberLocale, GivesADecimalSeparatorThatIsNotADigit) {
    const NumberLocale locale = CurrentNumberLocale();
    EXPECT_NE(locale.decimal_separator, L'\0');
    EXPECT_FALSE(locale.decimal_separator >= L'0' && locale.decimal_separator <= L'9');
    EXPECT_NE(locale.group_separator, locale.decimal_separator);
    EXPECT_TRUE(taverel::calc::IsNumericText(L"4", locale));
    EXPECT_EQ(taverel::calc::NumberToText(4102, locale), L"4102");
}

// The same cases on Linux (a program's own C locale, or LANG=C.UTF-8) and on
// Windows (its default and its Chinese and English settings): "," groups.
TEST(CurrentNumberLocale, GroupsThousandsWithTheCommaOnBothBuildsWithoutALocaleChosen) {
    const NumberLocale locale = CurrentNumberLocale();
    if (locale.decimal_separator != L'.')
        GTEST_SKIP() << "a locale with another decimal separator is set";
    double value = 0;
    for (const auto& [text, number] :
         {std::pair{L"1,000", 1000.0}, {L"12,345,678.5", 12345678.5}, {L"１，０００", 1000.0}}) {
        EXPECT_EQ(taverel::calc::ReadNumericText(text, locale, value),
                  taverel::calc::NumericText::Number);
        EXPECT_EQ(value, number);
    }
    EXPECT_FALSE(taverel::calc::IsNumericText(L"1,5", locale));
}

}  // namespace
