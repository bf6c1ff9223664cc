// UTF-8 <-> std::wstring (UTF-16 on Windows, UTF-32 on Linux), independent of
// the C library's locale, which may well be "C" on Linux.
#pragma once

#include <string>

namespace taverel::cli {

// Malformed bytes (bad lead or continuation bytes, overlong forms, surrogates,
// values above U+10FFFF) each become U+FFFD.
std::wstring Utf8ToWide(const std::string& bytes);

// An unpaired UTF-16 surrogate (or an invalid UTF-32 value) becomes U+FFFD.
std::string WideToUtf8(const std::wstring& text);

}  // namespace taverel::cli
