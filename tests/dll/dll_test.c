/* taverel-skin.dll from C: a plain dialog skinned and given back through the import library, or
   (DLL_TEST_LOAD_LIBRARY) through GetProcAddress alone, freeing the DLL under a skinned dialog. */
#include <stdio.h>
#include <windows.h>

#include "skin/dll/taverel_skin.h"
#include "tools/gallery/plain_dialog_ids.h"

static int failures, ok; /* printed on stderr, unbuffered: every line out before a crash */
#define CHECK(passed) \
    (ok = (passed), failures += !ok, fprintf(stderr, "%s: %s\n", ok ? "ok" : "FAILED", #passed))
typedef int(WINAPI* WindowCall)(HWND window);

#ifdef DLL_TEST_LOAD_LIBRARY
#define FUNCTION(name) (WindowCall)(void (*)(void)) GetProcAddress(dll, name)
static WindowCall attach, detach, is_skinned;
static wchar_t path[MAX_PATH];
static HMODULE dll;
static void Load(void) { /* by full path: this program's own, then \..\ for its folder */
    lstrcpyW(path + GetModuleFileNameW(NULL, path, MAX_PATH - 32), L"\\..\\taverel-skin.dll");
    CHECK(FreeLibrary(LoadLibraryExW(path, NULL, 0)) && !GetModuleHandleW(path)); /* it left */
    dll = LoadLibraryExW(path, NULL, 0);
    attach = FUNCTION("TaverelAttachSkin");
    detach = FUNCTION("TaverelDetachSkin");
    is_skinned = FUNCTION("TaverelIsSkinned");
}
#else
static WindowCall attach = TaverelAttachSkin, detach = TaverelDetachSkin,
                  is_skinned = TaverelIsSkinned;
#define Load()
#endif

/* Push buttons, repainted, whose top edge shows the frame of the skin's art. */
static int SkinnedButtonsShown(HWND dialog) {
    static const int ids[] = {PUSH_ID, IDOK, IDCANCEL};
    int i, shown = 0;
    RedrawWindow(dialog, NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (i = 0; i < 3; ++i) {
        HDC dc = GetWindowDC(GetDlgItem(dialog, ids[i]));
        shown += GetPixel(dc, 20, 0) == RGB(0x1B, 0x8F, 0xD5);
        ReleaseDC(GetDlgItem(dialog, ids[i]), dc);
    }
    return shown;
}

static HWND SkinnedDialog(void) {
    HWND dialog = CreateDialogW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(PLAIN_DIALOG), NULL, NULL);
    CHECK(attach(dialog) == 1 && is_skinned(GetDlgItem(dialog, IDOK)));
    CHECK(SkinnedButtonsShown(dialog) == 3);
    return dialog;
}

int main(void) {
    HWND dialog;
    Load();
    dialog = SkinnedDialog();
    CHECK(detach(dialog) == 1 && !is_skinned(GetDlgItem(dialog, IDOK)));
    CHECK(SkinnedButtonsShown(dialog) == 0); /* the platform's look again */
    DestroyWindow(dialog);
#ifdef DLL_TEST_LOAD_LIBRARY
    dialog = SkinnedDialog();
    CHECK(FreeLibrary(dll) && GetModuleHandleW(path) == dll);         /* pinned */
    CHECK(SkinnedButtonsShown(dialog) == 3 && DestroyWindow(dialog)); /* no crash */
#endif
    fprintf(stderr, "%d failed\n", failures);
    return failures;
}
