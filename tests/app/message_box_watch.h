// Watches for the message boxes of this thread while a handler shows one
// modally: records text, caption and icon of each and closes it with IDOK.
#pragma once

#include "platform/win.h"

#include <string>
#include <vector>

namespace taverel::app::testing {

struct SeenMessageBox {
    std::wstring text;
    std::wstring caption;
    bool exclamation_icon = false;
    bool has_owner = false;
};

class MessageBoxWatch {
public:
    MessageBoxWatch();
    ~MessageBoxWatch();
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    const std::vector<SeenMessageBox>& Seen() const { return seen_; }

private:
    std::vector<SeenMessageBox> seen_;
    HHOOK hook_;
};

}  // namespace taverel::app::testing
