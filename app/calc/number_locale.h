// The parts of the user's number format that the validation depends on.
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

}  // namespace taverel::calc
