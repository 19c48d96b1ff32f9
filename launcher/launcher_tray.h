// The launcher's notification-area icon: added at start-up, added again when the
// taskbar is re-created (explorer restarted), removed on every way out.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace discfront {

class LauncherTray {
 public:
  LauncherTray() = default;
  // However the program ends, the icon does not outlive it.
  ~LauncherTray() { Remove(); }
  LauncherTray(const LauncherTray&) = delete;
  LauncherTray& operator=(const LauncherTray&) = delete;

  // Mouse activity over the icon comes back to the window as this message, with the
  // mouse message that happened in the low word of lParam: the window's own
  // right-button press, read there as a press at vertical position 0.
  static constexpr UINT kCallbackMessage = WM_RBUTTONDOWN;

  // The registered "TaskbarCreated" message, sent to top-level windows when the
  // notification area starts again.
  static UINT TaskbarCreatedMessage();

  // Adds the icon for `window`; its identifier is the window handle's number.
  void Add(HWND window, HICON icon, const std::wstring& tip);
  // Adds it again after the taskbar came back, if it was added before.
  void Restore();
  // Removes it; later calls do nothing.
  void Remove();

 private:
  NOTIFYICONDATAW Record() const;

  HWND window_ = nullptr;  // not owned
  HICON icon_ = nullptr;   // not owned: a shared icon of the program's resources
  std::wstring tip_;
  bool wanted_ = false;  // between Add and Remove
};

}  // namespace discfront
