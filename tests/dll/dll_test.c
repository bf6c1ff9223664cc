/* A C program using taverel-skin.dll as a program in any language does: a
   plain dialog from a template, skinned (its push buttons read back from the
   screen in the skin's look) and given back. Built twice: linked with the
   import library, and with DLL_TEST_LOAD_LIBRARY taking every function with
   GetProcAddress, which also frees the library under a skinned dialog.
   Prints a line per check; exits with the number of failures. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

#include "skin/dll/taverel_skin.h"
#include "taverel_version.h"
#include "tools/gallery/plain_dialog_ids.h"

typedef int(WINAPI* WindowCall)(HWND window);
static WindowCall attach, detach, is_skinned;
static DWORD(WINAPI* version)(void);
static int failures;

static void Check(int passed, const char* what) {
    printf("%s: %s\n", passed ? "ok" : "FAILED", what);
    failures += !passed;
}

static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    (void)dialog, (void)wparam, (void)lparam;
    return message == WM_INITDIALOG;
}

/* How many of the three push buttons show the skin's look: the middle of the
   top edge, repainted and read from what the button shows, in the colour of
   the frame of the skin's button art. */
static int SkinnedButtonsShown(HWND dialog) {
    static const int ids[] = {PUSH_ID, IDOK, IDCANCEL};
    int i, shown = 0;
    MSG message;
    RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    for (i = 0; i < 3; ++i) {
        HWND button = GetDlgItem(dialog, ids[i]);
        HDC dc = GetWindowDC(button);
        RECT box;
        GetWindowRect(button, &box);
        shown += GetPixel(dc, (box.right - box.left) / 2, 0) == RGB(0x1B, 0x8F, 0xD5);
        ReleaseDC(button, dc);
    }
    return shown;
}

static HWND SkinnedDialog(void) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(PLAIN_DIALOG), NULL,
                                     DialogProc, 0);
    Check(dialog && SkinnedButtonsShown(dialog) == 0, "the dialog opens in the platform's look");
    Check(attach(dialog) == 1 && is_skinned(dialog) && is_skinned(GetDlgItem(dialog, IDOK)),
          "TaverelAttachSkin takes the dialog and its buttons over");
    Check(SkinnedButtonsShown(dialog) == 3, "its push buttons show the skin's look");
    return dialog;
}

int main(void) {
    HWND dialog;
#ifdef DLL_TEST_LOAD_LIBRARY
    wchar_t path[MAX_PATH];
    HMODULE dll;
#endif
    setvbuf(stdout, NULL, _IONBF, 0); /* every line out before a crash */
#ifdef DLL_TEST_LOAD_LIBRARY
    /* By full path, from this program's folder, where the build puts it. */
    GetModuleFileNameW(NULL, path, MAX_PATH - 20);
    lstrcpyW(wcsrchr(path, L'\\') + 1, L"taverel-skin.dll");
    FreeLibrary(LoadLibraryExW(path, NULL, 0));
    Check(!GetModuleHandleW(path), "loaded and freed before any attach, the DLL leaves");
    dll = LoadLibraryExW(path, NULL, 0);
/* Through void (*)(void), the type that says "some function" on purpose. */
#define FUNCTION(name) (void (*)(void)) GetProcAddress(dll, name)
    attach = (WindowCall)FUNCTION("TaverelAttachSkin");
    detach = (WindowCall)FUNCTION("TaverelDetachSkin");
    is_skinned = (WindowCall)FUNCTION("TaverelIsSkinned");
    version = (DWORD(WINAPI*)(void))FUNCTION("TaverelSkinVersion");
    Check(attach && detach && is_skinned && version, "every function found by its plain name");
    if (failures)
        return failures;
#else
    attach = TaverelAttachSkin;
    detach = TaverelDetachSkin;
    is_skinned = TaverelIsSkinned;
    version = TaverelSkinVersion;
#endif
    Check(version() ==
              (TAVEREL_VERSION_MAJOR << 16 | TAVEREL_VERSION_MINOR << 8 | TAVEREL_VERSION_PATCH),
          "TaverelSkinVersion is the build's version");
    dialog = SkinnedDialog();
    Check(attach(dialog) == 0, "a second attach changes nothing");
    Check(detach(dialog) == 1 && !is_skinned(dialog) && !is_skinned(GetDlgItem(dialog, IDOK)),
          "TaverelDetachSkin gives the dialog back");
    Check(SkinnedButtonsShown(dialog) == 0 && detach(dialog) == 0, "in the platform's look");
    DestroyWindow(dialog);
#ifdef DLL_TEST_LOAD_LIBRARY
    /* Freed while a dialog is skinned: the skin's procedure must stay mapped. */
    dialog = SkinnedDialog();
    Check(FreeLibrary(dll) && GetModuleHandleW(path) == dll, "FreeLibrary leaves it loaded");
    Check(SkinnedButtonsShown(dialog) == 3, "the dialog still paints in the skin's look");
    DestroyWindow(dialog);
    Check(!IsWindow(dialog), "and is destroyed without a crash");
#endif
    printf("%d failed\n", failures);
    return failures;
}
