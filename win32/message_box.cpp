#include "message_box.h"

#include <utility>

namespace win32 {
namespace {

std::wstring& Title() {
  static std::wstring title;
  return title;
}

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation: return MB_ICONINFORMATION;
    case MessageIcon::kStop: return MB_ICONSTOP;
    case MessageIcon::kQuestion: return MB_ICONQUESTION;
    case MessageIcon::kWarning: return MB_ICONWARNING;
    case MessageIcon::kNone: break;
  }
  return 0;
}

// The captions for the message box this thread is about to show.
thread_local std::span<const ButtonCaption> pendingCaptions;
thread_local HHOOK captionHook = nullptr;

LRESULT CALLBACK CaptionButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    for (const ButtonCaption& button : pendingCaptions) SetDlgItemTextW(box, button.id, button.caption.c_str());
    pendingCaptions = {};
  }
  return CallNextHookEx(captionHook, code, wParam, lParam);
}

}  // namespace

void SetProgramTitle(std::wstring title) { Title() = std::move(title); }
const std::wstring& ProgramTitle() { return Title(); }

int ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon, UINT buttons, const std::wstring* caption) {
  const std::wstring& shownCaption = caption != nullptr ? *caption : Title();
  return MessageBoxW(owner, text.c_str(), shownCaption.c_str(), buttons | IconFlag(icon));
}

int ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon, UINT buttons,
                std::span<const ButtonCaption> captions) {
  // The box is the thread's next window to be activated: the hook captions its buttons
  // before it shows, and goes with it.
  pendingCaptions = captions;
  captionHook = SetWindowsHookExW(WH_CBT, CaptionButtons, nullptr, GetCurrentThreadId());
  const int pressed = ShowMessage(owner, text, icon, buttons);
  if (captionHook != nullptr) UnhookWindowsHookEx(captionHook);
  captionHook = nullptr;
  pendingCaptions = {};
  return pressed;
}

}  // namespace win32
