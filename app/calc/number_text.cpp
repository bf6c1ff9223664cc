// The calculator's number reading and writing. Decimal text is turned into a double
// by std::from_chars and doubles into digits by std::to_chars: both are exact
// (correctly rounded), locale-free and give the same result on Linux and on
// Windows, unlike strtod/printf whose decimal point follows the C locale and
// whose exponent the Windows C runtime writes with three digits.
#include "app/calc/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <system_error>

namespace taverel::calc {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n';
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
bool IsExponentLetter(wchar_t c) {
    return c == L'e' || c == L'E';
}

// Characters that already mean something in a number cannot be separators.
bool CanSeparate(wchar_t c) {
    return c != L'\0' && !IsDigit(c) && c != L'+' && c != L'-' && !IsExponentLetter(c) && c != L'&';
}

wchar_t DecimalSeparatorOf(const NumberLocale& locale) {
    const wchar_t c = locale.decimal_separator;
    return CanSeparate(c) && !IsBlank(c) ? c : L'.';
}

// L'\0' when the locale has no usable group separator.
wchar_t GroupSeparatorOf(const NumberLocale& locale) {
    const wchar_t c = locale.group_separator;
    return CanSeparate(c) && c != DecimalSeparatorOf(locale) ? c : L'\0';
}

// Value of one digit of an &H / &O literal, or -1.
int LiteralDigit(wchar_t c, unsigned base) {
    int v = -1;
    if (c >= L'0' && c <= L'9')
        v = c - L'0';
    else if (c >= L'a' && c <= L'f')
        v = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        v = c - L'A' + 10;
    return v >= 0 && static_cast<unsigned>(v) < base ? v : -1;
}

// The base of the literal prefix "&H" / "&O" at s[0..1], or 0.
unsigned LiteralBase(std::wstring_view s) {
    if (s.size() < 2 || s[0] != L'&')
        return 0;
    if (s[1] == L'H' || s[1] == L'h')
        return 16;
    if (s[1] == L'O' || s[1] == L'o')
        return 8;
    return 0;
}

struct LiteralReading {
    std::uint64_t value = 0;
    std::size_t digits = 0;   // digits read
    bool overflowed = false;  // stopped before a digit that would pass 2^64 - 1
};

LiteralReading ReadLiteralDigits(std::wstring_view s, unsigned base) {
    LiteralReading r;
    for (wchar_t c : s) {
        const int d = LiteralDigit(c, base);
        if (d < 0)
            break;
        const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
        if (r.value > (limit - static_cast<std::uint64_t>(d)) / base) {
            r.overflowed = true;
            break;
        }
        r.value = r.value * base + static_cast<std::uint64_t>(d);
        ++r.digits;
    }
    return r;
}

// The digits and exponent of a decimal number as read from text: the value is
// (digits as an integer) × 10^exponent.
struct DecimalParts {
    bool negative = false;
    std::string digits;         // ASCII digits, integer and fraction run together
    std::int64_t exponent = 0;  // already reduced by the count of fraction digits
};

constexpr std::int64_t kExponentCap = 1000000000;  // far beyond any double; no overflow

// Adds one exponent digit with saturation, so "1e99999999999999999999" is safe.
std::int64_t AppendExponentDigit(std::int64_t e, wchar_t c) {
    e = e * 10 + (c - L'0');
    return e > kExponentCap ? kExponentCap : e;
}

// Correctly rounded double of the parts; false when the magnitude is beyond the
// double range. Too small a magnitude gives (signed) zero or a subnormal.
bool DecimalToDouble(const DecimalParts& parts, double& out) {
    std::size_t first = parts.digits.find_first_not_of('0');
    const double zero = parts.negative ? -0.0 : 0.0;
    if (first == std::string::npos) {
        out = zero;
        return true;
    }
    std::string digits = parts.digits.substr(first);
    std::int64_t exponent = parts.exponent;
    // 800 significant digits decide the rounding of any double (at most 767
    // matter); a non-zero tail is kept as one sticky digit.
    constexpr std::size_t kKeep = 800;
    if (digits.size() > kKeep) {
        const bool tail = digits.find_first_not_of('0', kKeep) != std::string::npos;
        exponent += static_cast<std::int64_t>(digits.size() - kKeep);
        digits.resize(kKeep);
        if (tail) {
            digits.push_back('1');
            exponent -= 1;
        }
    }
    // Decimal exponent of the leading digit: the magnitude is in [10^lead, 10^(lead+1)).
    const std::int64_t lead = exponent + static_cast<std::int64_t>(digits.size()) - 1;
    if (lead > 400)
        return false;
    if (lead < -400) {
        out = zero;
        return true;
    }
    std::string text = digits + "e" + std::to_string(exponent);
    double value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        if (lead > 0)
            return false;
        value = 0;  // underflow: rounds to zero
    } else if (r.ec != std::errc() || !std::isfinite(value)) {
        return false;
    }
    out = parts.negative ? -value : value;
    return true;
}

NumericText ReadLocaleNumber(const std::wstring& text, const NumberLocale& locale, double& value) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    const std::wstring_view s(text.data() + begin, end - begin);
    if (s.empty())
        return NumericText::NotNumeric;

    if (const unsigned base = LiteralBase(s)) {
        const LiteralReading r = ReadLiteralDigits(s.substr(2), base);
        if (r.overflowed || r.digits == 0 || r.digits != s.size() - 2)
            return NumericText::NotNumeric;
        value = static_cast<double>(r.value);
        return NumericText::Number;
    }

    const wchar_t decimal = DecimalSeparatorOf(locale);
    const wchar_t group = GroupSeparatorOf(locale);
    DecimalParts parts;
    std::size_t i = 0;
    if (s[i] == L'+' || s[i] == L'-') {
        parts.negative = s[i] == L'-';
        ++i;
    }
    bool any_digit = false;
    bool grouped = false;          // a group separator has been passed
    std::size_t group_digits = 0;  // digits since it (or since the start)
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            parts.digits.push_back(static_cast<char>(s[i]));
            any_digit = true;
            ++group_digits;
        } else if (group != L'\0' && s[i] == group && group_digits > 0 &&
                   (!grouped || group_digits == 3)) {
            grouped = true;
            group_digits = 0;
        } else {
            break;
        }
    }
    if (grouped && group_digits != 3)
        return NumericText::NotNumeric;
    if (i < s.size() && s[i] == decimal) {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            parts.digits.push_back(static_cast<char>(s[i]));
            --parts.exponent;
            any_digit = true;
        }
    }
    if (!any_digit)
        return NumericText::NotNumeric;
    if (i < s.size() && IsExponentLetter(s[i])) {
        ++i;
        bool negative_exponent = false;
        if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
            negative_exponent = s[i] == L'-';
            ++i;
        }
        if (i >= s.size() || !IsDigit(s[i]))
            return NumericText::NotNumeric;
        std::int64_t e = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i)
            e = AppendExponentDigit(e, s[i]);
        parts.exponent += negative_exponent ? -e : e;
    }
    if (i != s.size())
        return NumericText::NotNumeric;
    return DecimalToDouble(parts, value) ? NumericText::Number : NumericText::TooLarge;
}

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

std::wstring WithAsciiForms(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) {
        if ((c >= L'\xFF10' && c <= L'\xFF19') || c == L'\xFF0B' || c == L'\xFF0C' ||
            c == L'\xFF0D' || c == L'\xFF0E')
            c = static_cast<wchar_t>(c - 0xFEE0);  // the full-width block mirrors ASCII
    }
    return out;
}

NumericText ReadNumericText(const std::wstring& typed, const NumberLocale& locale, double& value) {
    const std::wstring text = WithAsciiForms(typed);
    double read = 0;
    const NumericText kind = ReadLocaleNumber(text, locale, read);
    if (kind != NumericText::Number)
        return kind;
    // By construction the calculation's reading is then a number no larger in
    // magnitude; this keeps "numeric text reads as a finite number" a promise
    // rather than an argument.
    if (!std::isfinite(ParseLeadingNumber(WithoutGroupSeparators(text, locale))))
        return NumericText::TooLarge;
    value = read;
    return NumericText::Number;
}

bool IsNumericText(const std::wstring& text, const NumberLocale& locale) {
    double ignored = 0;
    return ReadNumericText(text, locale, ignored) != NumericText::NotNumeric;
}

std::wstring WithoutGroupSeparators(const std::wstring& text, const NumberLocale& locale) {
    const wchar_t group = GroupSeparatorOf(locale);
    if (group == L'\0')
        return text;
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between_digits =
            i > 0 && IsDigit(text[i - 1]) && i + 1 < text.size() && IsDigit(text[i + 1]);
        if (text[i] != group || !between_digits)
            out.push_back(text[i]);
    }
    return out;
}

double ParseLeadingNumber(const std::wstring& text) {
    std::wstring s;
    s.reserve(text.size());
    for (wchar_t c : text) {
        if (!IsBlank(c))
            s.push_back(c);
    }

    if (const unsigned base = LiteralBase(s))
        return static_cast<double>(ReadLiteralDigits(std::wstring_view(s).substr(2), base).value);

    DecimalParts parts;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) {
        parts.negative = s[i] == L'-';
        ++i;
    }
    bool any_digit = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        parts.digits.push_back(static_cast<char>(s[i]));
        any_digit = true;
    }
    if (i < s.size() && s[i] == L'.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            parts.digits.push_back(static_cast<char>(s[i]));
            --parts.exponent;
            any_digit = true;
        }
    }
    if (!any_digit)
        return 0.0;
    if (i < s.size() && IsExponentLetter(s[i])) {
        std::size_t j = i + 1;
        bool negative_exponent = false;
        if (j < s.size() && (s[j] == L'+' || s[j] == L'-')) {
            negative_exponent = s[j] == L'-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            std::int64_t e = 0;
            for (; j < s.size() && IsDigit(s[j]); ++j)
                e = AppendExponentDigit(e, s[j]);
            parts.exponent += negative_exponent ? -e : e;
        }
    }
    double value = 0;
    if (!DecimalToDouble(parts, value))
        return parts.negative ? -kInfinity : kInfinity;
    return value;
}

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

    const wchar_t decimal = DecimalSeparatorOf(locale);
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
