// The thin program around RunCalcCli: arguments in as wide text, results out
// so that Chinese survives. On Windows the arguments come from the wide
// command line (the ANSI argv would have lost characters outside the code
// page) and text goes to a console with WriteConsoleW, elsewhere as UTF-8
// bytes. On Linux the arguments are UTF-8 and so is the output. Sizes piped
// in are read as UTF-8 (on Windows, text that is not UTF-8 in the console's
// code page). Output that cannot be written is an error (exit 74), not a
// silent success.
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
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>
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

// Standard input, unless it is missing or a console.
taverel::cli::InputReader InputReader() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE || GetFileType(input) == FILE_TYPE_CHAR)
        return {};
    return [input] {
        std::string bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        // cmd's "echo 4 |" hands on the console's code page, not UTF-8.
        if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                static_cast<int>(bytes.size()), nullptr, 0) == 0 &&
            !bytes.empty()) {
            const UINT page = GetConsoleCP() != 0 ? GetConsoleCP() : CP_OEMCP;
            std::wstring text(bytes.size(), L'\0');
            const int n = MultiByteToWideChar(page, 0, bytes.data(), static_cast<int>(bytes.size()),
                                              text.data(), static_cast<int>(text.size()));
            text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
            return text;
        }
        return taverel::cli::Utf8ToWide(bytes);
    };
}

// False when the text could not be written; a missing handle writes nothing
// and is no failure.
bool Write(DWORD which, const std::wstring& text) {
    if (text.empty())
        return true;
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return true;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode))
        return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                             nullptr) &&
               written == text.size();
    const std::string bytes = taverel::cli::WideToUtf8(text);
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool WriteOut(const std::wstring& text) {
    return Write(STD_OUTPUT_HANDLE, text);
}
void WriteErr(const std::wstring& text) {
    Write(STD_ERROR_HANDLE, text);
}
std::wstring LastWriteError() {
    return L"error " + std::to_wstring(GetLastError());
}

#else

std::vector<std::wstring> Arguments(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(taverel::cli::Utf8ToWide(argv[i]));
    return args;
}

taverel::cli::InputReader InputReader() {
    if (isatty(STDIN_FILENO))
        return {};
    return [] {
        std::string bytes;
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            bytes.append(buffer, n);
        return taverel::cli::Utf8ToWide(bytes);
    };
}

bool Write(std::FILE* stream, const std::wstring& text) {
    const std::string bytes = taverel::cli::WideToUtf8(text);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    return std::fflush(stream) == 0 && written;
}

bool WriteOut(const std::wstring& text) {
    return Write(stdout, text);
}
void WriteErr(const std::wstring& text) {
    Write(stderr, text);
}
std::wstring LastWriteError() {
    return taverel::cli::Utf8ToWide(std::strerror(errno));
}

#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Any DLL loaded by name from here on comes from the system directory,
    // never from the program's folder, where a planted one may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
#else
    // The user's number format (LANG, LC_NUMERIC...); the program starts in "C".
    std::setlocale(LC_ALL, "");
    // A closed pipe is a failed write to report, not a signal that ends us.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::wstring out;
    std::wstring err;
    int status = taverel::cli::RunCalcCli(
        Arguments(argc, argv), taverel::calc::CurrentNumberLocale(), out, err, InputReader());
    if (!WriteOut(out)) {
        err += L"taverel-calc: cannot write the output: " + LastWriteError() + L"\n";
        status = taverel::cli::kExitWriteError;
    }
    WriteErr(err);
    return status;
}
