// taverel-skin-gallery: shows the gallery window until it is closed.
#include "forms/form_set.h"
#include "platform/win.h"
#include "tools/gallery/gallery_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    taverel::gallery::GalleryForm::RegisterClasses();
    taverel::forms::FormSet open_forms;
    taverel::gallery::GalleryForm gallery(&open_forms);
    gallery.Show();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
