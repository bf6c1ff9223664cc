// Writing numbers the way the calculator does: the general conversion of a
// result and the exact whole number. Portable; no window code. Reading them
// is number_reading.h.
#pragma once

#include "app/calc/number_locale.h"

#include <string>

namespace taverel::calc {

// The general conversion: at most 15 significant digits, rounded to nearest
// (a tie in the exact binary value goes to the even digit); no group separator;
// no trailing zeros, no bare separator; the locale's decimal separator; "-"
// for negatives; 0 and -0 give "0". Magnitudes that round to 1E+15 or more,
// and non-zero magnitudes that round to less than 0.0001, are written as a
// mantissa, "E", a sign and at least two exponent digits: 1.026E+15, 1E-05,
// -2.5E-300. The magnitudes that would round to 1.79769313486232E+308 (beyond
// the double range, so unreadable) are cut to 1.79769313486231E+308 instead.
// Infinities and NaN (never produced by the calculation, which
// checks for faults first) give "Infinity", "-Infinity" and "NaN".
std::wstring NumberToText(double value, const NumberLocale& locale);

// Rounds to a whole number, halves away from zero, and writes the exact
// integer value of that double: optional "-" and decimal digits, every digit
// exact even beyond the 15th (1e300 gives the 301 digits of the double nearest
// 10^300). A result of zero is "0", never "-0". Non-finite as NumberToText.
std::wstring FormatWholeNumber(double value);

}  // namespace taverel::calc
