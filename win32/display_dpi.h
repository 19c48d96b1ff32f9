// The resolution a window is shown at. Both programs are per-monitor DPI aware (their
// manifests say so); the calls that tell a window's own resolution came with later
// Windows versions, so they are looked up at run time and older systems fall back to
// the one resolution of the whole screen.
#pragma once

#include <windows.h>

namespace win32 {

// The window's resolution in dots per inch (96 at 100 %); the screen's without a window.
int WindowDpi(HWND window);

// A system metric (SM_CXSMICON, ...) at a resolution.
int SystemMetricForDpi(int index, int dpi);

// The system's fonts and sizes of window parts (SPI_GETNONCLIENTMETRICS) at a resolution.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// The outer rectangle of a window whose client area is `client`, at a resolution.
RECT OuterRectForDpi(RECT client, DWORD style, bool menu, DWORD exStyle, int dpi);

// The rectangle WM_DPICHANGED suggests (its lParam), and the new resolution (wParam).
inline RECT SuggestedRect(LPARAM lParam) { return *reinterpret_cast<const RECT*>(lParam); }
inline int NewDpi(WPARAM wParam) { return HIWORD(wParam); }

}  // namespace win32
