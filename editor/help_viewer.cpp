#include "help_viewer.h"

#include "win32/app_folder.h"
#include "win32/library_search.h"
#include "win32/message_box.h"

namespace discfront::editor {
namespace {

constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT
constexpr UINT kCloseAll = 0x0012;     // HH_CLOSE_ALL

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The viewer stays loaded for the rest of the process: its windows live on after
// the call returns.
bool helpOpened = false;

HtmlHelpFunction HtmlHelpEntry() {
  static HtmlHelpFunction entry = [] {
    HMODULE module = win32::LoadSystemLibrary(L"hhctrl.ocx");
    if (module == nullptr) return HtmlHelpFunction{};
    return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")));
  }();
  return entry;
}

}  // namespace

std::wstring HelpFileName() { return win32::ApplicationFolder() + L"\\help.chm"; }

void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context) {
  const HtmlHelpFunction htmlHelp = HtmlHelpEntry();
  if (htmlHelp == nullptr) {
    win32::ShowMessage(owner,
                       L"Справку открыть нельзя: в системе нет программы просмотра справки (hhctrl.ocx).",
                       win32::MessageIcon::kStop);
    return;
  }
  if (GetFileAttributesW(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    win32::ShowMessage(owner, L"Справку открыть нельзя: не найден файл «" + helpFile + L"».",
                       win32::MessageIcon::kStop);
    return;
  }
  helpOpened = true;
  if (htmlHelp(owner, helpFile.c_str(), kHelpContext, context) == nullptr) {
    win32::ShowMessage(owner, L"Справку открыть нельзя: программа просмотра справки не открыла файл «" +
                                  helpFile + L"».",
                       win32::MessageIcon::kStop);
  }
}

void CloseHelp() {
  if (helpOpened) HtmlHelpEntry()(nullptr, nullptr, kCloseAll, 0);
}

}  // namespace discfront::editor
