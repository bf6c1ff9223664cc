#include "app/ui/program_starter.h"

#include "platform/handles.h"
#include "platform/win.h"

#include <vector>

namespace taverel::app {

void SystemProgramStarter::Start(const std::wstring& application,
                                 const std::wstring& command_line) {
    // CreateProcessW may write into the command line: it gets its own copy.
    std::vector<wchar_t> writable(command_line.begin(), command_line.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(application.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        // Nothing waits for the program: its handles go at once.
        const platform::KernelHandle thread(process.hThread);
        const platform::KernelHandle started(process.hProcess);
    }
}

std::wstring SystemDirectoryFile(const std::wstring& file_name) {
    std::vector<wchar_t> directory(MAX_PATH);
    UINT length = GetSystemDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
    if (length >= directory.size()) {
        directory.resize(length + 1);
        length = GetSystemDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
    }
    std::wstring path(directory.data(), length);
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path + file_name;
}

}  // namespace taverel::app
