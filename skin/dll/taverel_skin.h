/* taverel_skin.h: the Taverel skin for any Windows program, through
   taverel-skin.dll (taverel-skin-x64.dll and taverel-skin-x86.dll in a
   release). Plain C (C89), usable from C and C++; every function is WINAPI
   (__stdcall) and exported under its plain name on x86 as well, so it can be
   declared from any language that calls DLLs, or taken with GetProcAddress.

   Link with the import library (taverel-skin-ARCH.lib for MSVC,
   taverel-skin-ARCH.dll.a for mingw-w64) and keep the DLL beside your
   program, or load it yourself by its full path: LoadLibraryExW with an
   absolute path, never a bare name that the loader would search for.

   Threads. Every function acts on windows of the calling thread: call
   TaverelAttachSkin and TaverelDetachSkin from the thread that created the
   window. Any number of UI threads may skin their own windows at once;
   TaverelAttachSkin and TaverelDetachSkin refuse (0) a window of another
   thread or process. A thread may end with windows still skinned: what the
   skin made for them is released as the thread ends.
   Nothing is allocated for the caller, nothing is to be freed, and no C++
   exception leaves the DLL.

   Unloading. The first call of TaverelAttachSkin with a window keeps the DLL
   in the process until the process ends: skinned windows run code of the
   DLL at every message, so FreeLibrary after that point does not unload it
   (and must not). Before that call the DLL can be loaded and freed as often
   as you like.

   What the skin takes over, and what it leaves to you:
   - The window and all its descendants when it is a form or dialog box
     (#32770); a control created later is not skinned by itself. Dialogs,
     message boxes, owned windows and combo box lists that appear beside a
     skinned window are taken over as they become active or ask for colours.
   - Push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON) are made owner-drawn and
     given a rounded region while skinned; check boxes, radio buttons, combo
     boxes, headers and progress bars are painted in the skin's look; edits,
     list boxes and WS_EX_CLIENTEDGE windows get a flat frame.
   - A window gives itself back when it is destroyed; giving it back earlier
     restores only what the skin changed (type bits, region, procedure).
   - Reserved on skinned windows: the window properties PROCADDR, PASSPROC,
     OLDSTYLE, MOUSEFLAG, TIMERID, OLDSTATE, ALPHALEVEL, HDINDEX, HMINDEX,
     HDC0 to HDC3 and BMP0 to BMP3, and timer 1 of a push button (its fade). */
#ifndef TAVEREL_SKIN_H
#define TAVEREL_SKIN_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Skins the window: a form or dialog box with every descendant window, or a
   single control. Call it once the window and its controls exist, for
   example from WM_INITDIALOG. Returns 1 when the window was taken over, 0
   when the handle is NULL, the window is skinned already (a second call does
   not walk its children again) or belongs to another thread. */
int WINAPI TaverelAttachSkin(HWND window);

/* Gives the window back (a form's descendants first): its own procedure,
   style and region, the skin's properties removed. Optional: a skinned
   window gives itself back when destroyed. Returns 1 when the window was
   given back, 0 when the handle is NULL, the window is not skinned, or it
   belongs to another thread (each thread gives back its own). When
   your own subclass was installed after the skin's, the skin stays in the
   chain only passing messages on until your subclass leaves. */
int WINAPI TaverelDetachSkin(HWND window);

/* 1 while the window is skinned (taken over and not given back), else 0.
   Tells whether a pop-up was taken over, or a window gave itself back. */
int WINAPI TaverelIsSkinned(HWND window);

/* The DLL's version: major in bits 16 to 23, minor in bits 8 to 15, patch in
   bits 0 to 7; version 1.2.3 is 0x010203. */
DWORD WINAPI TaverelSkinVersion(void);

#ifdef __cplusplus
}
#endif

#endif /* TAVEREL_SKIN_H */
