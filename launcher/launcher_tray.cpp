#include "launcher/launcher_tray.h"

#include <shellapi.h>

#include "launcher/tray_tip.h"

namespace discfront {

UINT LauncherTray::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

NOTIFYICONDATAW LauncherTray::Record() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(window_));
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  const std::wstring tip = TrayTip(tip_);
  tip.copy(data.szTip, tip.size());
  return data;
}

void LauncherTray::Add(HWND window, HICON icon, const std::wstring& tip) {
  window_ = window;
  icon_ = icon;
  tip_ = tip;
  // A refusal leaves the launcher without an icon, which it does not need to work;
  // it is still wanted, so a notification area that starts later gets it.
  wanted_ = true;
  NOTIFYICONDATAW data = Record();
  Shell_NotifyIconW(NIM_ADD, &data);
}

void LauncherTray::Restore() {
  if (!wanted_) return;
  NOTIFYICONDATAW data = Record();
  Shell_NotifyIconW(NIM_ADD, &data);
}

void LauncherTray::Remove() {
  if (!wanted_) return;
  wanted_ = false;
  NOTIFYICONDATAW data = Record();
  Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace discfront
