#include "tools/gallery/plain_dialog.h"

#include <initializer_list>

namespace taverel::gallery {

namespace {

// The flag of CreatePlainDialog, kept where the dialog manager keeps a
// dialog's own value.
bool QuitsWhenClosed(HWND dialog) {
    return GetWindowLongPtrW(dialog, DWLP_USER) != 0;
}

void Fill(HWND dialog) {
    for (const wchar_t* item : {L"Combo box", L"Second item", L"Third item"})
        SendDlgItemMessageW(dialog, COMBO_ID, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendDlgItemMessageW(dialog, COMBO_ID, CB_SETCURSEL, 0, 0);
    for (const wchar_t* item : {L"List box", L"Second item", L"Third item"})
        SendDlgItemMessageW(dialog, LIST_ID, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendDlgItemMessageW(dialog, LIST_ID, LB_SETCURSEL, 1, 0);
    SetDlgItemTextW(dialog, EDIT_ID, L"Edit control");
    CheckRadioButton(dialog, FIRST_RADIO_ID, SECOND_RADIO_ID, FIRST_RADIO_ID);
    CheckDlgButton(dialog, CHECK_ID, BST_CHECKED);
    CheckDlgButton(dialog, RIGHT_CHECK_ID, BST_CHECKED);
    CheckDlgButton(dialog, THREE_STATE_ID, BST_INDETERMINATE);
}

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lparam);
            Fill(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
                DestroyWindow(dialog);
                return TRUE;
            }
            return FALSE;
        case WM_NCDESTROY:
            if (QuitsWhenClosed(dialog))
                PostQuitMessage(0);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND CreatePlainDialog(HWND owner, bool quit_when_closed) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PLAIN_DIALOG), owner,
                              PlainDialogProc, quit_when_closed ? 1 : 0);
}

}  // namespace taverel::gallery
