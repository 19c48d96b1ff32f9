// Window enumeration behind the driver's queries.
#include "uidriver/window_find.h"

#include <cwctype>

#include "uidriver/controls.h"

namespace uidriver {
namespace {

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

bool Matches(HWND window, const WindowQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  if (query.processId != 0) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != query.processId) return false;
  }
  if (!query.className.empty() && !SameIgnoringCase(ClassName(window), query.className)) return false;
  if (!query.title.empty() && WindowText(window) != query.title) return false;
  return true;
}

bool Matches(HWND window, const ChildQuery& query) {
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  if (query.id != kAnyId && GetDlgCtrlID(window) != query.id) return false;
  if (!query.className.empty() && !SameIgnoringCase(ClassName(window), query.className)) return false;
  if (!query.text.empty() && WindowText(window) != query.text) return false;
  return true;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> FindWindows(const WindowQuery& query) {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> found;
  for (HWND window : all) {
    if (Matches(window, query)) found.push_back(window);
  }
  return found;
}

HWND FindWindowNow(const WindowQuery& query) {
  const auto found = FindWindows(query);
  return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(const WindowQuery& query, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowNow(query)) != nullptr; }, timeout);
  return found;
}

bool WaitForWindowGone(HWND window, Milliseconds timeout) {
  // Hidden counts as gone: Wine may take seconds to destroy a window it has already
  // taken off the screen (it waits for a window manager that a virtual display lacks).
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

std::vector<HWND> FindChildren(HWND parent, const ChildQuery& query) {
  std::vector<HWND> all;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> found;
  for (HWND window : all) {
    if (Matches(window, query)) found.push_back(window);
  }
  return found;
}

HWND FindChild(HWND parent, const ChildQuery& query) {
  const auto found = FindChildren(parent, query);
  return found.empty() ? nullptr : found.front();
}

HWND WaitForChild(HWND parent, const ChildQuery& query, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindChild(parent, query)) != nullptr; }, timeout);
  return found;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring WindowText(HWND window) { return GetText(window); }

void MoveWineTrayAside(HWND keepAbove, Milliseconds wait) {
  HWND tray = nullptr;
  WaitUntil([&] {
    tray = FindWindowW(nullptr, L"Wine System Tray");
    return tray != nullptr && IsWindowVisible(tray);
  }, wait);
  if (tray == nullptr) return;
  RECT r{};
  GetWindowRect(tray, &r);
  SetWindowPos(tray, HWND_BOTTOM, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left),
               GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(keepAbove, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace uidriver
