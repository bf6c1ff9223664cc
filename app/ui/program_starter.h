// Starting another program without waiting for it. Behind an interface so
// that tests record what would be started instead of opening a browser.
#pragma once

#include <string>

namespace taverel::app {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // `application` is the full path of the program file; `command_line` is
    // what the program sees as its command line.
    virtual void Start(const std::wstring& application, const std::wstring& command_line) = 0;
};

// CreateProcessW with a normal, activated window; the handles are closed at
// once and nothing waits for the program. A failed start is ignored.
class SystemProgramStarter : public ProgramStarter {
public:
    void Start(const std::wstring& application, const std::wstring& command_line) override;
};

// The full path of a file in the system directory, such as rundll32.exe:
// started by that path, a file of the same name beside the program or in the
// current directory cannot stand in for it.
std::wstring SystemDirectoryFile(const std::wstring& file_name);

}  // namespace taverel::app
