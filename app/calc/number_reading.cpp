// The calculator's number reading. Decimal text is turned into a double by
// std::from_chars: exact (correctly rounded), locale-free and the same on
// Linux and on Windows, unlike strtod, whose decimal point follows the C
// locale.
#include "app/calc/number_reading.h"

#include <charconv>
#include <cmath>
#include <cstdint>
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

// The digits after a decimal separator, from s[i] on, each lowering the
// exponent; `i` is left after the last. True when there was any.
bool ReadFractionDigits(std::wstring_view s, std::size_t& i, DecimalParts& parts) {
    bool any = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        parts.digits.push_back(static_cast<char>(s[i]));
        --parts.exponent;
        any = true;
    }
    return any;
}

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

    const wchar_t decimal = UsableDecimalSeparator(locale);
    const wchar_t group = UsableGroupSeparator(locale);
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
        any_digit = ReadFractionDigits(s, i, parts) || any_digit;
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
    const wchar_t group = UsableGroupSeparator(locale);
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
        any_digit = ReadFractionDigits(s, i, parts) || any_digit;
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

}  // namespace taverel::calc
