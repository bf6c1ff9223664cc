#include "platform/mouse_tracking.h"

#include "platform/common_controls.h"
#include "platform/library.h"

#include <commctrl.h>

namespace taverel::platform {

BOOL RequestLeaveNotice(HWND window, LeaveNoticeService service) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = 0;
    if (service == LeaveNoticeService::User32)
        return TrackMouseEvent(&request);
    const auto track =
        LibraryFunction<decltype(&_TrackMouseEvent)>(CommonControlsLibrary(), "_TrackMouseEvent");
    return track ? track(&request) : FALSE;
}

}  // namespace taverel::platform
