// The calculator's number writing. Doubles are turned into digits by
// std::to_chars: exact, locale-free and the same on Linux and on Windows,
// unlike printf, whose decimal point follows the C locale and whose exponent
// the Windows C runtime writes with three digits.
#include "app/calc/number_writing.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace taverel::calc {
namespace {

std::wstring NonFiniteText(double value) {
    if (std::isnan(value))
        return L"NaN";
    return value < 0 ? L"-Infinity" : L"Infinity";
}

std::wstring Widen(std::string_view s) {
    return std::wstring(s.begin(), s.end());
}

// Nearest whole number, halves away from zero. Not std::round: mingw-w64's
// round adds 0.5 and floors, so 0.49999999999999994 gives 1 there. Taking the
// integer part and comparing the (exactly representable) fraction is exact.
double RoundHalfAwayFromZero(double x) {
    if (!(std::fabs(x) < 4503599627370496.0))  // 2^52: already whole
        return x;
    const double whole = static_cast<double>(static_cast<std::int64_t>(x));
    const double fraction = x - whole;
    if (fraction >= 0.5)
        return whole + 1;
    if (fraction <= -0.5)
        return whole - 1;
    return whole;
}

}  // namespace

std::wstring NumberToText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return L"0";

    // "d.ddddddddddddddde±XX": the value rounded to 15 significant digits.
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 14);
    const std::string_view sci(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const std::size_t e_at = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e_at)) {
        if (c != '.')
            digits.push_back(c);
    }
    const int exponent = std::atoi(std::string(sci.substr(e_at + 1)).c_str());
    // Rounded to 15 digits, the magnitudes from 1.797693134862315E+308 up to
    // the largest double would read 1.79769313486232E+308, which is beyond
    // the double range and so not numeric text (a plain 15-digit number-to-text
    // conversion has exactly this flaw). Those few are cut to 15 digits instead, so every text
    // written here reads back.
    if (exponent == 308 && digits > "179769313486231")
        digits = "179769313486231";
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const wchar_t decimal = UsableDecimalSeparator(locale);
    std::wstring text = value < 0 ? L"-" : L"";
    if (exponent >= 15 || exponent < -4) {
        text += static_cast<wchar_t>(digits[0]);
        if (digits.size() > 1) {
            text += decimal;
            text += Widen(std::string_view(digits).substr(1));
        }
        text += exponent < 0 ? L"E-" : L"E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += L'0';
        text += std::to_wstring(magnitude);
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text += Widen(digits);
            text.append(whole - digits.size(), L'0');
        } else {
            text += Widen(std::string_view(digits).substr(0, whole));
            text += decimal;
            text += Widen(std::string_view(digits).substr(whole));
        }
    } else {
        text += L'0';
        text += decimal;
        text.append(static_cast<std::size_t>(-exponent - 1), L'0');
        text += Widen(digits);
    }
    return text;
}

std::wstring FormatWholeNumber(double value) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const double whole = RoundHalfAwayFromZero(value);
    if (whole == 0)
        return L"0";
    char buffer[400];  // DBL_MAX has 309 digits
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    return Widen(std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)));
}

}  // namespace taverel::calc
