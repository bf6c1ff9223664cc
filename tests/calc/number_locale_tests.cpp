// The machine's own number format: whatever it is, it must be usable.
#include "app/calc/number_locale.h"
#include "app/calc/number_text.h"

#include <gtest/gtest.h>

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

}  // namespace
