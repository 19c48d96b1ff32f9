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

}  // namespace

void SetProgramTitle(std::wstring title) { Title() = std::move(title); }
const std::wstring& ProgramTitle() { return Title(); }

int ShowMessage(HWND owner, const std::wstring& text, MessageIcon icon, UINT buttons, const std::wstring* caption) {
  const std::wstring& shownCaption = caption != nullptr ? *caption : Title();
  return MessageBoxW(owner, text.c_str(), shownCaption.c_str(), buttons | IconFlag(icon));
}

}  // namespace win32
