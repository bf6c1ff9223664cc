// The open forms of a program. When the last one has closed the message loop
// is told to end, whichever form that was.
#pragma once

namespace taverel::forms {

class FormSet {
public:
    void Opened() { ++open_; }
    // Posts WM_QUIT when no form is left open.
    void Closed();
    int OpenCount() const { return open_; }

private:
    int open_ = 0;
};

}  // namespace taverel::forms
