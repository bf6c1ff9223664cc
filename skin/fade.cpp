#include "skin/fade.h"

#include "skin/engine_state.h"
#include "skin/properties.h"

namespace taverel::skin {

const UINT_PTR FadeTimerId = reinterpret_cast<UINT_PTR>(&FadeTimerId);

UINT_PTR StartFadeTimer(HWND window) {
    if (GetSkinProp(window, prop::TimerId) != 0)
        return 0;
    // The ticks come back as WM_TIMER to the button itself; no timer procedure.
    // TIMERID holds the identifier the ticks carry; SetTimer's result only
    // tells success for a timer of a window.
    const UINT_PTR id = SetTimer(window, FadeTimerId, FadeInterval, nullptr) ? FadeTimerId : 0;
    SetSkinProp(window, prop::TimerId, static_cast<INT_PTR>(id));
    return id;
}

BOOL StopFadeTimer(HWND window) {
    const INT_PTR id = GetSkinProp(window, prop::TimerId);
    if (id == 0)
        return FALSE;
    const BOOL result = KillTimer(window, static_cast<UINT_PTR>(id));
    SetSkinProp(window, prop::TimerId, 0);
    return result;
}

platform::LeaveNoticeService RequestMouseLeave(HWND window) {
    const platform::LeaveNoticeService service = TrackMouseEventAvailable()
                                                     ? platform::LeaveNoticeService::User32
                                                     : platform::LeaveNoticeService::Comctl32;
    platform::RequestLeaveNotice(window, service);
    return service;
}

}  // namespace taverel::skin
