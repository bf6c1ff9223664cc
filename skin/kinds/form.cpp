// Forms and dialog boxes: the skin draws nothing of its own on them (their
// frame is the border every window gets), but taking one over brings its
// whole tree along, and giving it back gives the tree back first.
#include "skin/attach.h"
#include "skin/kinds/kind_table.h"

namespace taverel::skin {

namespace {

void TakeOverChildren(HWND form) {
    EnumChildWindows(form, SkinChildCallback, 0);
}

void GiveBackChildren(HWND form) {
    EnumChildWindows(form, UnskinChildCallback, 0);
}

}  // namespace

KindEntryPoints FormKind() {
    KindEntryPoints k;
    k.take_over = TakeOverChildren;
    k.give_back = GiveBackChildren;
    return k;
}

}  // namespace taverel::skin
