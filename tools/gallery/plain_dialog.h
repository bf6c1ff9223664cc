// A plain dialog box made from a template of the platform's own controls
// (push, default push, auto radio, auto check, one with its box at the
// right, 3-state, group box, edit, combo box, list box): what a program that
// did not use our forms layer hands the skin.
#pragma once

#include "platform/win.h"
#include "tools/gallery/plain_dialog_ids.h"

namespace taverel::gallery {

// Creates the dialog (PLAIN_DIALOG of plain_dialog_ids.h), modeless and
// visible, from the template in the program's own module (plain_dialog.rc
// must be linked into the executable). With `quit_when_closed` closing it
// ends the thread's message loop. nullptr when the template is missing.
HWND CreatePlainDialog(HWND owner, bool quit_when_closed);

}  // namespace taverel::gallery
