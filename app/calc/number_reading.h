// Reading numbers the way the calculator does: the locale-aware validation
// test and the locale-free reading of the leading number the calculation
// uses. Portable; no window code. Writing them is number_writing.h.
//
// Choices made here where the calculator's rules leave room:
// - Blanks are the space, the tab and the line feed (U+0020, U+0009, U+000A):
//   the characters ParseLeadingNumber drops, so that text IsNumericText trims
//   always reads the same. Other spaces (U+3000, U+00A0...) are not blanks,
//   though U+00A0 may serve as a locale's group separator.
// - Full-width digits, signs, full stop and comma (what a Chinese input
//   method types in its full-width mode) are read as their ASCII forms by the
//   validation and by the calculation's reading (WithAsciiForms); other
//   digits (Arabic-Indic, ...) do not count. Currency symbols, a trailing sign, a number in
//   parentheses, a sign before &H/&O, "nan", "inf" and "infinity" are not
//   numeric.
// - A group separator stands between digits and begins a group of exactly
//   three: "1,000" and "12,345,678.5" are numeric, "1,0,0" and "1,5" are not.
//   Someone who types "1,5" more likely means one and a half than fifteen, and
//   telling them beats answering for fifteen.
// - Text naming a number beyond the double range (1e309, 400 digits) is
//   numeric but too large: the calculation answers that the number is too
//   large rather than that it is no number. It never becomes an infinity. A
//   number too small for a double (1e-400) is numeric and reads as 0 (or the
//   nearest subnormal).
// - &H (hexadecimal) and &O (octal) literals, H and O in either case, are
//   unsigned 64-bit integers converted to double: &H10 is 16, &O17 is 15,
//   &HFFFFFFFFFFFFFFFF is 18446744073709551615. A literal above 2^64 - 1 is
//   not numeric.
#pragma once

#include "app/calc/number_locale.h"

#include <string>

namespace taverel::calc {

// The validation test: the whole text, blanks around it ignored, is one number
// by the locale's rules (sign, digits in groups of three split by the group
// separator, the decimal separator, an exponent), or an &H / &O literal,
// with the separators UsableDecimalSeparator / UsableGroupSeparator give.
// True also for a number beyond the double range.
bool IsNumericText(const std::wstring& text, const NumberLocale& locale);

// The text with every group separator that stands between two digits taken
// out: what the calculation hands to ParseLeadingNumber, so that "1,000",
// which IsNumericText accepts as a thousand, is read as a thousand and not as
// the 1 before the comma.
std::wstring WithoutGroupSeparators(const std::wstring& text, const NumberLocale& locale);

// Reads the number the text begins with, ignoring every blank, with "." as the
// only decimal separator (locale-free, as the classic
// leading-number reading of BASIC dialects does). Text that begins with no
// number gives 0. An exponent without digits ("1e", "1e+") is not read. Reading
// an &H / &O literal stops before a digit that would take it beyond 64 bits.
// A decimal number beyond the double range gives +/-infinity (the
// calculation answers such text as too large and never reads it).
double ParseLeadingNumber(const std::wstring& text);

// The text with the full-width digits ０-９, signs ＋ －, full stop ． and comma
// ， (U+FF10-FF19, U+FF0B, U+FF0D, U+FF0E, U+FF0C) replaced by their ASCII
// forms and every other character left as it is. "１６" is 16, and "１，０００"
// is a thousand wherever "1,000" is.
std::wstring WithAsciiForms(const std::wstring& text);

enum class NumericText {
    NotNumeric,  // not one number by the locale's rules
    Number,      // a number within the double range
    TooLarge,    // a number whose magnitude is beyond the double range
};

// IsNumericText's reading of the text (its full-width forms read as ASCII);
// the number goes to `value` only for
// NumericText::Number (otherwise it is untouched). The calculation reads the
// number itself with ParseLeadingNumber.
NumericText ReadNumericText(const std::wstring& text, const NumberLocale& locale, double& value);

}  // namespace taverel::calc
