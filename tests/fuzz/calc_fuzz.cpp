// Fuzzes the calculator's number reading and writing: nothing crashes and the
// functions agree with each other.
// Input: byte 0 picks the locale; byte 1 picks what to check; the rest is the
// text (two bytes per UTF-16 unit, so separators, blanks, U+00A0 and U+3000 all
// occur) or, for the number writers, eight bytes of a double.
#include "app/calc/partition_size.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using taverel::calc::CalculatePartitionSize;
using taverel::calc::CalculationOutcome;
using taverel::calc::FormatWholeNumber;
using taverel::calc::IsNumericText;
using taverel::calc::NumberLocale;
using taverel::calc::NumberToText;
using taverel::calc::NumericText;
using taverel::calc::ParseLeadingNumber;
using taverel::calc::PartitionFields;
using taverel::calc::ReadNumericText;
using taverel::calc::WithoutGroupSeparators;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "calc_fuzz: %s\n", what);
        std::abort();
    }
}

NumberLocale PickLocale(std::uint8_t b) {
    static const NumberLocale kLocales[] = {
        {L'.', L','},  {L',', L'.'}, {L',', L' '},  {L'.', L'\0'}, {L',', L'\xA0'},
        {L'.', L'\''}, {L'.', L'.'}, {L'\0', L','}, {L'e', L'-'},  // last three are broken on
                                                                   // purpose
    };
    return kLocales[b % (sizeof kLocales / sizeof kLocales[0])];
}

// Text of a number in the grammar IsNumericText accepts, for the locale.
bool IsValidNumberText(const std::wstring& text, const NumberLocale& locale) {
    return !text.empty() && IsNumericText(text, locale);
}

void CheckText(const std::wstring& text, const NumberLocale& locale) {
    const bool numeric = IsNumericText(text, locale);
    // The calculation's reading of the size.
    const double leading =
        ParseLeadingNumber(WithoutGroupSeparators(taverel::calc::WithAsciiForms(text), locale));
    double read = 0;
    const NumericText kind = ReadNumericText(text, locale, read);
    Check((kind != NumericText::NotNumeric) == numeric, "ReadNumericText disagrees");
    if (kind == NumericText::Number) {
        Check(std::isfinite(read), "numeric text read as non-finite by the locale");
        Check(std::isfinite(leading), "numeric text parsed to a non-finite number");
        // With "." as the decimal separator the two readings are the same number.
        const bool dot = locale.decimal_separator == L'.' || locale.decimal_separator == L'\0' ||
                         locale.decimal_separator == L'e';
        if (dot)
            Check(read == leading, "the locale and the calculation's readings differ");
    }
    PartitionFields fields;
    for (int flags = 0; flags < 4; ++flags) {
        const bool old_selected = (flags & 1) != 0;
        const bool new_selected = (flags & 2) != 0;
        const auto r = CalculatePartitionSize(text, old_selected, new_selected, fields, locale);
        Check((r.outcome == CalculationOutcome::InputError) == !numeric,
              "input-error outcome does not match IsNumericText");
        if (r.outcome == CalculationOutcome::Result) {
            Check(r.text.empty() == (flags == 0), "result text missing or unexpected");
            if (!r.text.empty())
                Check(IsValidNumberText(r.text, locale), "result text is not a number text");
        } else {
            Check(r.text.empty(), "text with a non-result outcome");
        }
        if (r.outcome == CalculationOutcome::ArithmeticFault)
            Check(kind == NumericText::TooLarge || std::fabs(leading) > 8.7e12,
                  "arithmetic fault below 2^53 MB");
        if (r.outcome == CalculationOutcome::NotPositive)
            Check(leading < 0.003, "a size above 0.003 GB refused as not positive");
    }
}

void CheckNumber(double x, const NumberLocale& locale) {
    const std::wstring general = NumberToText(x, locale);
    const std::wstring whole = FormatWholeNumber(x);
    if (!std::isfinite(x))
        return;
    Check(IsValidNumberText(general, locale), "NumberToText wrote no number");
    double back = 0;
    Check(ReadNumericText(general, locale, back) == NumericText::Number,
          "NumberToText text unreadable");
    Check(back == x || std::fabs(back - x) <= std::fabs(x) * 1e-14,
          "NumberToText text is not the number to 15 digits");
    Check(general.size() <= 24, "NumberToText text too long");
    Check(IsValidNumberText(whole, locale), "FormatWholeNumber wrote no number");
    const double w = ParseLeadingNumber(whole);
    Check(w == std::trunc(w), "FormatWholeNumber is not whole");
    Check(std::fabs(w - x) <= 0.5, "FormatWholeNumber is not the nearest whole number");
    if (std::fabs(x - std::trunc(x)) == 0.5)
        Check(std::fabs(w) > std::fabs(x), "a half was not rounded away from zero");
    for (wchar_t c : whole)
        Check(c == L'-' || (c >= L'0' && c <= L'9'), "FormatWholeNumber wrote a stray character");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const NumberLocale locale = PickLocale(data[0]);
    const std::uint8_t mode = data[1];
    data += 2;
    size -= 2;

    if (mode % 4 == 0 && size >= 8) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        CheckNumber(x, locale);
        return 0;
    }
    std::wstring text;
    if (mode % 4 == 1) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    } else {
        // Bytes as characters: mostly ASCII, which reaches the grammar fastest.
        for (std::size_t i = 0; i < size; ++i)
            text.push_back(static_cast<wchar_t>(data[i]));
    }
    CheckText(text, locale);
    return 0;
}
