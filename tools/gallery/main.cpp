// taverel-skin-gallery: shows the gallery window until it is closed.
// --dialog shows the plain dialog instead; --storm N the dialog a storm of
// seed N leaves (tools/gallery/storm.h); --plain shows any of them without the
// skin.
#include "forms/form_set.h"
#include "platform/win.h"
#include "skin/attach.h"
#include "tools/gallery/gallery_form.h"
#include "tools/gallery/plain_dialog.h"
#include "tools/gallery/storm.h"

#include <atomic>
#include <cwchar>

namespace {

int RunMessageLoop(HWND dialog) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (dialog && IsWindow(dialog) && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// The dialog is skinned as any program would do it, and gives itself back
// when it is destroyed.
int ShowPlainDialog(bool skinned) {
    const HWND dialog = taverel::gallery::CreatePlainDialog(nullptr, true);
    if (!dialog)
        return 1;
    if (skinned)
        taverel::skin::AttachSkin(dialog);
    return RunMessageLoop(dialog);
}

int ShowStorm(unsigned seed, bool skinned) {
    taverel::gallery::Storm storm(seed, skinned);
    std::atomic<int> step{0};
    storm.Run(2000, &step);
    // Closing the dialog now ends the program.
    SetWindowLongPtrW(storm.dialog(), DWLP_USER, 1);
    return RunMessageLoop(storm.dialog());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
    // Any DLL loaded by name from here on comes from the system directory,
    // never from the program's folder, where a planted one may lie.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool plain = command_line && std::wcsstr(command_line, L"--plain");
    if (command_line && std::wcsstr(command_line, L"--dialog"))
        return ShowPlainDialog(!plain);
    if (const wchar_t* storm = command_line ? std::wcsstr(command_line, L"--storm") : nullptr)
        return ShowStorm(static_cast<unsigned>(std::wcstoul(storm + 7, nullptr, 10)), !plain);
    taverel::forms::FormSet open_forms;
    taverel::gallery::GalleryForm gallery(&open_forms, !plain);
    gallery.Show();
    return RunMessageLoop(nullptr);
}
