// The parts of the user's number format that reading and writing numbers
// depend on.
#pragma once

namespace taverel::calc {

// A group separator of L'\0' means the locale has none.
struct NumberLocale {
    wchar_t decimal_separator = L'.';
    wchar_t group_separator = L',';
};

// On Windows from the user's locale; on Linux from the C library's locale,
// where the C locale (no locale set) groups with "," as Windows does.
NumberLocale CurrentNumberLocale();

// The separators the calculator reads and writes numbers with. A decimal
// separator that is a digit, a sign, E, & or a blank (space, tab, line feed)
// counts as "."; a group separator that is such a character (blanks aside:
// U+00A0 and the space may group) or equals the decimal separator, or is
// L'\0', is none (L'\0').
wchar_t UsableDecimalSeparator(const NumberLocale& locale);
wchar_t UsableGroupSeparator(const NumberLocale& locale);

}  // namespace taverel::calc
