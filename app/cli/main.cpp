// The thin program around RunCalcCli: arguments in as wide text, results out
// so that Chinese survives. On Windows the arguments come from the wide
// command line (the ANSI argv would have lost characters outside the code
// page) and text goes to a console with WriteConsoleW, elsewhere as UTF-8
// bytes. On Linux the arguments are UTF-8 and so is the output.
#include "app/calc/number_locale.h"
#include "app/cli/calc_cli.h"
#include "app/cli/utf8.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/handles.h"
#include "platform/win.h"

#include <shellapi.h>
#else
#include <clocale>
#include <cstdio>
#endif

namespace {

#ifdef _WIN32

std::vector<std::wstring> Arguments(int, char**) {
    std::vector<std::wstring> args;
    int count = 0;
    // The block CommandLineToArgvW allocates belongs to the caller.
    const taverel::platform::LocalMemory<LPWSTR> list(
        CommandLineToArgvW(GetCommandLineW(), &count));
    if (!list)
        return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(list.get()[i]);
    return args;
}

void Write(DWORD which, const std::wstring& text) {
    if (text.empty())
        return;
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = taverel::cli::WideToUtf8(text);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void WriteOut(const std::wstring& text) {
    Write(STD_OUTPUT_HANDLE, text);
}
void WriteErr(const std::wstring& text) {
    Write(STD_ERROR_HANDLE, text);
}

#else

std::vector<std::wstring> Arguments(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(taverel::cli::Utf8ToWide(argv[i]));
    return args;
}

void Write(std::FILE* stream, const std::wstring& text) {
    const std::string bytes = taverel::cli::WideToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

void WriteOut(const std::wstring& text) {
    Write(stdout, text);
}
void WriteErr(const std::wstring& text) {
    Write(stderr, text);
}

#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Any DLL loaded by name from here on comes from the system directory,
    // never from the program's folder, where a planted one may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
#endif
#ifndef _WIN32
    // The user's number format (LANG, LC_NUMERIC...); the program starts in "C".
    std::setlocale(LC_ALL, "");
#endif
    std::wstring out;
    std::wstring err;
    const int status = taverel::cli::RunCalcCli(Arguments(argc, argv),
                                                taverel::calc::CurrentNumberLocale(), out, err);
    WriteOut(out);
    WriteErr(err);
    return status;
}
