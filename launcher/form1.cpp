// Form1's layout and load sequence: the description from info.txt, then the
// catalogue from content.lnc, both read with the shared item reader.
#include "form1.h"

#include "about/about_dialog.h"
#include "catalogue/catalogue_reader.h"
#include "launcher/resource.h"
#include "launcher/shown_text.h"
#include "win32/app_folder.h"
#include "win32/error_report.h"
#include "win32/file_io.h"

namespace discfront {
namespace {

// Design client area, in twips.
constexpr int kDesignWidth = 7950;
constexpr int kDesignHeight = 5235;

}  // namespace

bool Form1::Create() {
  disc_ = DiscFolder(win32::ApplicationFolder());
  screen_ = win32::ScreenResolution::OfScreen();
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DISCFRONT));
  RegisterClassOnce(kClassName, icon);

  // Created as an ordinary overlapped window so that the system chooses where it
  // goes, then stripped of border and title bar before it is ever shown.
  CreateWindowFor(kClassName, kTitle, WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  if (hwnd() == nullptr) return false;
  SetWindowLongPtrW(hwnd(), GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU);
  SetWindowPos(hwnd(), nullptr, 0, 0, screen_.XToPixels(kDesignWidth), screen_.YToPixels(kDesignHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

  CreateControls();
  LoadDescription();
  LoadCatalogueFile();
  return true;
}

void Form1::Show(int showCommand) {
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
}

HWND Form1::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id,
                          int left, int top, int width, int height) {
  HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, screen_.XToPixels(left),
                                 screen_.YToPixels(top), screen_.XToPixels(width), screen_.YToPixels(height), hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void Form1::CreateControls() {
  // "MS Sans Serif" 8.25 pt with the Cyrillic character set, as designed.
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(825, screen_.dpiY, 7200);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = RUSSIAN_CHARSET;
  wcscpy_s(lf.lfFaceName, L"MS Sans Serif");
  font_.reset(CreateFontIndirectW(&lf));

  // In tab order.
  list_ = CreateControl(L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, kList, 360, 480,
                        4215, 4350);
  aboutProg_ = CreateControl(L"EDIT", L"", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                             WS_EX_CLIENTEDGE, kAboutProg, 4680, 2400, 2535, 2415);
  CreateControl(L"BUTTON", L"&Установить", WS_TABSTOP | BS_PUSHBUTTON, 0, kCmdInstal, 4680, 480, 2535, 375);
  CreateControl(L"BUTTON", L"&Картинка", WS_TABSTOP | BS_PUSHBUTTON, 0, kCmdPic, 4680, 960, 2535, 375);
  CreateControl(L"BUTTON", L"&О программе", WS_TABSTOP | BS_PUSHBUTTON, 0, kCommand1, 4680, 1440, 2535, 375);
  CreateControl(L"BUTTON", L"&Выход", WS_TABSTOP | BS_PUSHBUTTON, 0, kCmdQuit, 4680, 1920, 2535, 375);
}

void Form1::LoadDescription() {
  const std::wstring fileName = disc_.DescriptionFile();
  std::wstring text;
  const ErrorNumber error = win32::ReadItemText(fileName, text);
  if (error != ErrorNumber::kNone) win32::EndWithErrorReport(nullptr, {error, fileName, 0});
  SetWindowTextW(aboutProg_, AboutProgText(text).c_str());
}

void Form1::LoadCatalogueFile() {
  const std::wstring fileName = disc_.CatalogueFile();
  std::string bytes;
  const ErrorNumber error = win32::ReadWholeFile(fileName, bytes);
  if (error != ErrorNumber::kNone) win32::EndWithErrorReport(nullptr, {error, fileName, 0});

  CatalogueRead read = ReadCatalogue(bytes);
  entries_ = std::move(read.entries);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  for (const CatalogueEntry& entry : entries_) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ListItemText(entry.title).c_str()));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  if (!read.ok()) win32::EndWithErrorReport(nullptr, {read.split.error, fileName, read.split.failedSlot + 1});
}

void Form1::OnCommand(int id, int code) {
  if (id == kCmdQuit && code == BN_CLICKED) ExitProcess(0);  // Exit ends the launcher at once
  if (id == kList && code == LBN_SELCHANGE) ShowSelectedComment();
  if (id == kCommand1 && code == BN_CLICKED) about::ShowLauncherAbout(hwnd(), MAKEINTRESOURCEW(IDI_DISCFRONT));
}

void Form1::ShowSelectedComment() {
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<std::size_t>(selected) >= entries_.size()) return;
  SetWindowTextW(aboutProg_, AboutProgText(entries_[static_cast<std::size_t>(selected)].comment).c_str());
}

LRESULT Form1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace discfront
