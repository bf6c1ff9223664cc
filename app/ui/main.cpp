// taverel.exe: the main window; with --explain the explanation window opens
// at start as well. The program ends when its last window has closed.
#include "app/ui/form1.h"
#include "app/ui/program_starter.h"
#include "forms/form_set.h"
#include "platform/win.h"

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    // Any DLL loaded by name from here on comes from the system directory,
    // never from the program's folder, where a planted one may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    taverel::forms::FormSet open_forms;
    taverel::app::SystemProgramStarter starter;
    taverel::app::Form1 main_form(starter, &open_forms);
    if (!main_form.Show()) {
        // The failed call has left its trace for a debugger; the user gets
        // a message instead of a program that silently does nothing.
        MessageBoxW(nullptr, L"无法创建主窗口。", L"Taverel", MB_OK | MB_ICONERROR);
        return 1;
    }
    if (command_line && std::wcsstr(command_line, L"--explain"))
        main_form.Command1_Click();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
