// The user's decimal and group separators. A separator of more than one
// character (Windows allows up to three) is represented by its first one.
#include "app/calc/number_locale.h"

#ifdef _WIN32
#include "platform/win.h"
#else
#include <clocale>
#include <cstring>
#include <cwchar>
#endif

namespace taverel::calc {
namespace {

// Characters that already mean something in a number cannot be separators.
bool CanSeparate(wchar_t c) {
    const bool digit = c >= L'0' && c <= L'9';
    return c != L'\0' && !digit && c != L'+' && c != L'-' && c != L'e' && c != L'E' && c != L'&';
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n';
}

#ifdef _WIN32

// The first character of a locale string, or `fallback` when the call fails;
// L'\0' when the locale gives an empty string.
wchar_t LocaleCharacter(LCTYPE type, wchar_t fallback) {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 8) == 0)
        return fallback;
    return buffer[0];
}

#else

// A localeconv() string is in the C library's multibyte encoding; "" gives L'\0'.
wchar_t LocaleCharacter(const char* text, wchar_t fallback) {
    if (text == nullptr)
        return fallback;
    if (text[0] == '\0')
        return L'\0';
    std::mbstate_t state{};
    wchar_t c = L'\0';
    const std::size_t n = std::mbrtowc(&c, text, std::strlen(text), &state);
    if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2))
        return fallback;
    return c;
}

// "C", "POSIX", "C.UTF-8": the locale a program has when nobody set one.
bool IsUnchosenLocale(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0 ||
           std::strncmp(name, "C.", 2) == 0;
}

#endif

}  // namespace

wchar_t UsableDecimalSeparator(const NumberLocale& locale) {
    const wchar_t c = locale.decimal_separator;
    return CanSeparate(c) && !IsBlank(c) ? c : L'.';
}

wchar_t UsableGroupSeparator(const NumberLocale& locale) {
    const wchar_t c = locale.group_separator;
    return CanSeparate(c) && c != UsableDecimalSeparator(locale) ? c : L'\0';
}

NumberLocale CurrentNumberLocale() {
    NumberLocale locale;
#ifdef _WIN32
    locale.decimal_separator = LocaleCharacter(LOCALE_SDECIMAL, L'.');
    locale.group_separator = LocaleCharacter(LOCALE_STHOUSAND, L',');
#else
    const std::lconv* conv = std::localeconv();
    locale.decimal_separator = LocaleCharacter(conv->decimal_point, L'.');
    locale.group_separator = LocaleCharacter(conv->thousands_sep, L'\0');
    // The C locale is no choice of the user's, only the absence of one; its
    // empty separator would make "1,000" no number here while Windows, whose
    // default and Chinese and English settings all group with ",", reads a
    // thousand. Read it as Windows does.
    if (locale.group_separator == L'\0' && IsUnchosenLocale(std::setlocale(LC_NUMERIC, nullptr)))
        locale.group_separator = L',';
#endif
    if (locale.decimal_separator == L'\0')
        locale.decimal_separator = L'.';
    return locale;
}

}  // namespace taverel::calc
