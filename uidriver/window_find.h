// Finding top-level windows and child controls by class, title/text, id and process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "uidriver/wait.h"

namespace uidriver {

// A top-level window. Empty strings and 0 match anything; strings match exactly.
struct WindowQuery {
  std::wstring className{};  // (the braces let callers name only the fields they need)
  std::wstring title{};
  DWORD processId = 0;
  bool visibleOnly = true;
};

inline constexpr int kAnyId = -1;

// A child control anywhere below a window (children of children included).
struct ChildQuery {
  std::wstring className{};  // e.g. L"ListBox", L"Edit", L"Button"; compared ignoring case
  int id = kAnyId;         // the control id (GetDlgCtrlID)
  std::wstring text{};       // the window text, exact
  bool visibleOnly = false;
};

std::vector<HWND> FindWindows(const WindowQuery& query);
HWND FindWindowNow(const WindowQuery& query);  // nullptr when there is none
// The first matching window once there is one, or nullptr after the time-out.
HWND WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout);
// True once the window is off the screen: hidden, destroyed, or never a window.
bool WaitForWindowGone(HWND window, Milliseconds timeout = kDefaultTimeout);

std::vector<HWND> FindChildren(HWND parent, const ChildQuery& query);
HWND FindChild(HWND parent, const ChildQuery& query);  // nullptr when there is none
HWND WaitForChild(HWND parent, const ChildQuery& query, Milliseconds timeout = kDefaultTimeout);

// Without a taskbar, Wine shows the notification area as a window of its own, which comes
// up at the top left, over a program's windows, soon after the program adds its icon
// (Windows has no such window). Once it shows (within `wait`), it goes to the screen's far
// corner, below `keepAbove`, so that tests and screenshots see what a user of Windows would.
void MoveWineTrayAside(HWND keepAbove, Milliseconds wait = Milliseconds{3000});

std::wstring ClassName(HWND window);
// The window text, read with WM_GETTEXT (works across processes).
std::wstring WindowText(HWND window);

}  // namespace uidriver
