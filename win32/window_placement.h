// A window's size and place kept for the user's next start, in the user's part of the
// registry (never beside the program: that may be a disc).
#pragma once

#include <windows.h>

namespace win32 {

// Keeps the window's normal (not maximized) rectangle, at the window's resolution, and
// whether it was maximized, under HKEY_CURRENT_USER\`subkey`.
void SaveWindowPlacement(HWND window, const wchar_t* subkey);

// Gives the window what was kept, its size scaled to the window's resolution now and at
// least `minimum` (outer pixels); a place no monitor shows any more keeps the window
// where it is. False when nothing was kept (or it cannot be read): the window is untouched.
bool RestoreWindowPlacement(HWND window, const wchar_t* subkey, SIZE minimum, int showCommand);

}  // namespace win32
