#include "platform/failure_trace.h"

#include <string>

namespace taverel::platform {

void TraceFailedCall(const wchar_t* call, const wchar_t* subject, DWORD error) {
    std::wstring text = L"Taverel: ";
    text += call;
    text += L"(";
    text += subject ? subject : L"";
    text += L") failed, error ";
    text += std::to_wstring(error);
    text += L"\n";
    OutputDebugStringW(text.c_str());
}

}  // namespace taverel::platform
