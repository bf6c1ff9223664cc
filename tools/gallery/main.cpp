// taverel-skin-gallery: shows the gallery window until it is closed.
// --plain shows it without the skin.
#include "forms/form_set.h"
#include "platform/win.h"
#include "tools/gallery/gallery_form.h"

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    // Any DLL loaded by name from here on comes from the system directory,
    // never from the program's folder, where a planted one may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool plain = command_line && std::wcsstr(command_line, L"--plain");
    taverel::forms::FormSet open_forms;
    taverel::gallery::GalleryForm gallery(&open_forms, !plain);
    gallery.Show();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
