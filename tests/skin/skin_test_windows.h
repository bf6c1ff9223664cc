// Test windows named like the classes the skin recognises, each with a
// recording procedure underneath the skin: it records every message it gets
// and, for one chosen message, returns a chosen value instead of running the
// real control procedure.
#pragma once

#include "platform/win.h"
#include "platform/window_class_names.h"
#include "tests/skin/visual_state_print.h"
#include "tests/support/pixels.h"
#include "tests/support/test_windows.h"

#include <string>
#include <vector>

namespace taverel::skin::testing {

struct Recorded {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

class Recorder {
public:
    static Recorder& Instance();
    void Clear() { records_.clear(); }
    // For `message` the recording procedure returns `result` without running
    // the control's own procedure.
    void Answer(UINT message, LRESULT result) {
        canned_message_ = message;
        canned_result_ = result;
        canned_ = true;
    }
    void StopAnswering() { canned_ = false; }
    // Records of one message to one window, in order.
    std::vector<Recorded> Of(HWND window, UINT message) const;
    const std::vector<Recorded>& All() const { return records_; }

    // Set by a test, run inside the recording procedure before it answers:
    // lets a test act from within a forwarded message.
    void (*on_message)(HWND window, UINT message) = nullptr;

    LRESULT Record(WNDPROC real, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    std::vector<Recorded> records_;
    bool canned_ = false;
    UINT canned_message_ = 0;
    LRESULT canned_result_ = 0;
};

// Registers (once) the form, command button, option button, text box, frame
// and check box classes under the forms layer's names
// (platform/window_class_names.h), all recording. Buttons superclass BUTTON,
// the text box EDIT, the rest DefWindowProc.
void RegisterTestClasses();

// A visible top-level test form at (x, y) with the given client size.
HWND CreateTestForm(int x, int y, int width, int height);
HWND CreateChild(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style, int x,
                 int y, int width, int height);

// A form like the calculator's main window: two command buttons, a frame with
// two option buttons, two text boxes: eight windows in all.
struct MainLikeTree {
    HWND form;
    HWND calculate;
    HWND explain;
    HWND frame;
    HWND option1;
    HWND option2;
    HWND text1;
    HWND text2;
};
MainLikeTree CreateMainLikeTree(int x, int y);

// Readable dump of a sequence of records.
std::string Dump(const std::vector<Recorded>& records);

// One message of an expected sequence, as in Wine's message tests.
enum ExpectedFlags { Exact = 0, Optional = 1, AnyLParam = 2 };
struct Expected {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    int flags = Exact;
};
// Compares, in order, what `window` received since the last Clear with
// `expected`, leaving out the noise the platform adds (hit tests, cursor
// queries). "" when they agree, else both sequences in full.
std::string CompareSequence(HWND window, const std::vector<Expected>& expected);

using taverel::testing::MovePointerTo;
// True when the button's window shows its state image n (sampled, corners
// left out).
bool ShowsState(HWND button, VisualState state);
// Real pointer input: onto the middle of `button` until its fade to Hover
// has run out, then away to (2, 2) until the fade back has; the stored
// state and what the window shows are checked at each end. Fatal failures
// end it early (wrap the call in ASSERT_NO_FATAL_FAILURE).
void ExpectHoverAndBack(HWND button);

using taverel::testing::WindowPixel;
// Pixel of a push button's state image n.
COLORREF StatePixel(HWND window, int state, int x, int y);

}  // namespace taverel::skin::testing
