/* A stand-in for a msimg32.dll planted beside the program. When any process
   loads it, it leaves the file "planted-dll-ran" in its own folder. Its
   exports forward to gdi32, so a program that imports msimg32 starts with it
   as it would with the real one. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

static void LeaveMarker(HINSTANCE self) {
    wchar_t path[MAX_PATH + 32];
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    if (length == 0)
        return;
    lstrcpyW(path + length, L"planted-dll-ran");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        LeaveMarker(self);
    return TRUE;
}

/* For rundll32: lets the test load this DLL on purpose and so prove that a
   load leaves the marker. */
void CALLBACK Load(HWND window, HINSTANCE instance, LPSTR command_line, int show) {
    (void)window;
    (void)instance;
    (void)command_line;
    (void)show;
}
