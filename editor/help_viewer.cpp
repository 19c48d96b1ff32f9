#include "help_viewer.h"

#include "win32/app_folder.h"
#include "win32/library_search.h"
#include "win32/message_box.h"
#include "base/texts.h"
#include "editor_texts.h"
#include "win32/string_table.h"

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

// The help of the program's language: help.chm in Russian, help_en.chm in English.
std::wstring HelpFileName() {
  const bool english = win32::TableLanguage() == UiLanguage::kEnglish;
  return win32::ApplicationFolder() + (english ? L"\\help_en.chm" : L"\\help.chm");
}

void ShowHelpContext(HWND owner, const std::wstring& helpFile, DWORD context) {
  const HtmlHelpFunction htmlHelp = HtmlHelpEntry();
  if (htmlHelp == nullptr) {
    win32::ShowMessage(owner, Text(kTextHelpNoViewer), win32::MessageIcon::kStop);
    return;
  }
  if (GetFileAttributesW(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    win32::ShowMessage(owner, FormatText(kTextHelpNoFile, {helpFile}), win32::MessageIcon::kStop);
    return;
  }
  helpOpened = true;
  if (htmlHelp(owner, helpFile.c_str(), kHelpContext, context) == nullptr) {
    win32::ShowMessage(owner, FormatText(kTextHelpNotOpened, {helpFile}), win32::MessageIcon::kStop);
  }
}

void CloseHelp() {
  if (helpOpened) HtmlHelpEntry()(nullptr, nullptr, kCloseAll, 0);
}

}  // namespace discfront::editor
