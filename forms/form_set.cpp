#include "forms/form_set.h"

#include "platform/win.h"

namespace taverel::forms {

void FormSet::Closed() {
    if (open_ > 0 && --open_ == 0)
        PostQuitMessage(0);
}

}  // namespace taverel::forms
