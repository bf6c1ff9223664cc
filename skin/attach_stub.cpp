// Placeholder until the engine lands: attaching and detaching change nothing.
#include "skin/attach.h"

namespace taverel::skin {

int AttachSkin(HWND) {
    return 0;
}
int DetachSkin(HWND) {
    return 0;
}

}  // namespace taverel::skin
