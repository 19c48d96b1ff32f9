#include "disc_check_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>

#include "disc_messages.h"
#include "editor_texts.h"
#include "win32/display_dpi.h"
#include "win32/handles.h"
#include "base/texts.h"

namespace discfront::editor {
namespace {

enum : int { kIdList = 100, kIdProgress, kIdStatus };
// The steps run on a timer: its message comes only when no input and no painting is
// waiting, so keys (Esc), clicks and the progress bar's drawing always get through
// (posted messages would come before them and starve them).
constexpr UINT_PTR kStepTimer = 1;
// Each step runs about this long, then lets the window's other messages through. A
// record is the unit: one large picture alone can take tens of milliseconds to read.
constexpr auto kSliceTime = std::chrono::milliseconds(30);
constexpr int kNoRecord = -1;

}  // namespace

bool DiscCheckWindow::Open(HWND owner, std::vector<CatalogueEntry> entries, const std::wstring& discFolder,
                           ShowRecord showRecord) {
  if (!RegisterClassOnce(kClassName, reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)))) return false;
  showRecord_ = std::move(showRecord);
  folder_ = discFolder;
  check_ = std::make_unique<DiscCheck>(std::move(entries), DiscFolder(discFolder), files_, pictures_, programs_);
  RECT ownerRect{};
  GetWindowRect(owner, &ownerRect);
  const std::wstring caption = FormatText(kTextCheckCaption, {discFolder});
  // Its size and offset are designed at 96 dpi, scaled to the owner's resolution, and
  // never wider than the owner's monitor.
  const int dpi = win32::WindowDpi(owner);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const int width = std::min<int>(MulDiv(860, dpi, 96), monitor.rcWork.right - monitor.rcWork.left);
  const int left = std::clamp<int>(ownerRect.left + MulDiv(40, dpi, 96), monitor.rcWork.left,
                                   std::max<int>(monitor.rcWork.left, monitor.rcWork.right - width));
  if (CreateWindowFor(kClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, 0, left, ownerRect.top + MulDiv(40, dpi, 96),
                      width, MulDiv(380, dpi, 96), owner) == nullptr) {
    return false;
  }
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(Control(kIdList));
  SetTimer(hwnd(), kStepTimer, USER_TIMER_MINIMUM, nullptr);
  return true;
}

LRESULT DiscCheckWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_SETFOCUS: SetFocus(Control(kIdList)); return 0;
    case WM_TIMER:
      if (wParam == kStepTimer) RunSome();
      return 0;
    case WM_VKEYTOITEM:
      if (reinterpret_cast<HWND>(lParam) == Control(kIdList)) return OnListKey(LOWORD(wParam));
      return -1;
    case WM_COMMAND:
      if (LOWORD(wParam) == kIdList && HIWORD(wParam) == LBN_DBLCLK) ShowChosen();
      return 0;
    default: return DefaultHandling(msg, wParam, lParam);
  }
}

void DiscCheckWindow::OnCreate() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto make = [&](DWORD exStyle, const wchar_t* className, DWORD style, int id) {
    HWND control = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
  };
  make(WS_EX_CLIENTEDGE, L"LISTBOX",
       WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT, kIdList);
  HWND progress = make(0, PROGRESS_CLASSW, 0, kIdProgress);
  SendMessageW(progress, PBM_SETRANGE32, 0, std::max(check_->Total(), 1));
  make(0, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kIdStatus);
  SetWindowTextW(Control(kIdStatus), CheckProgressText(0, check_->Total()).c_str());
}

void DiscCheckWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int dpi = win32::WindowDpi(hwnd());
  const int margin = MulDiv(8, dpi, 96);
  const int line = MulDiv(18, dpi, 96);
  const int width = client.right - 2 * margin;
  const int statusTop = client.bottom - margin - line;
  const int progressTop = statusTop - MulDiv(4, dpi, 96) - line;
  MoveWindow(Control(kIdList), margin, margin, width, progressTop - MulDiv(6, dpi, 96) - margin, TRUE);
  MoveWindow(Control(kIdProgress), margin, progressTop, width, line, TRUE);
  MoveWindow(Control(kIdStatus), margin, statusTop, width, line, TRUE);
}

void DiscCheckWindow::RunSome() {
  if (!Running()) {
    KillTimer(hwnd(), kStepTimer);
    return;
  }
  const auto until = std::chrono::steady_clock::now() + kSliceTime;
  while (check_->Step(1) && std::chrono::steady_clock::now() < until) {
  }
  AddNewProblems();
  SendMessageW(Control(kIdProgress), PBM_SETPOS, static_cast<WPARAM>(check_->Done()), 0);
  if (check_->Finished()) {
    Finish();
    return;
  }
  SetWindowTextW(Control(kIdStatus), CheckProgressText(check_->Done(), check_->Total()).c_str());
}

void DiscCheckWindow::AddNewProblems() {
  HWND list = Control(kIdList);
  const std::vector<DiscProblem>& problems = check_->Problems();
  for (; listed_ < problems.size(); ++listed_) {
    const std::wstring text = ProblemText(problems[listed_], folder_);
    const int item = ListBox_AddString(list, text.c_str());
    ListBox_SetItemData(list, item, problems[listed_].slot);
    WidenList(text);
  }
  if (ListBox_GetCurSel(list) < 0 && ListBox_GetCount(list) > 0) ListBox_SetCurSel(list, 0);
}

void DiscCheckWindow::WidenList(const std::wstring& line) {
  // A long line scrolls sideways instead of being cut.
  HWND list = Control(kIdList);
  win32::WindowDc dc(list);
  win32::SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), line.c_str(), static_cast<int>(line.size()), &size);
  constexpr int kPadding = 8;
  if (size.cx + kPadding > ListBox_GetHorizontalExtent(list)) ListBox_SetHorizontalExtent(list, size.cx + kPadding);
}

void DiscCheckWindow::Finish() {
  KillTimer(hwnd(), kStepTimer);
  if (check_->Problems().empty()) {
    const int item = ListBox_AddString(Control(kIdList), Text(kTextNoProblems).c_str());
    ListBox_SetItemData(Control(kIdList), item, kNoRecord);
  }
  ListStartedFiles();
  SetWindowTextW(Control(kIdStatus), CheckFinishedText(check_->Problems().size()).c_str());
}

void DiscCheckWindow::ListStartedFiles() {
  HWND list = Control(kIdList);
  if (check_->StartedFiles().empty()) return;
  ListBox_SetItemData(list, ListBox_AddString(list, Text(kTextStartedFilesHeading).c_str()), kNoRecord);
  for (const EntryFile& started : check_->StartedFiles()) {
    const std::wstring text = StartedFileText(started, folder_);
    ListBox_SetItemData(list, ListBox_AddString(list, text.c_str()), started.slot);
    WidenList(text);
  }
}

void DiscCheckWindow::Cancel() {
  KillTimer(hwnd(), kStepTimer);
  cancelled_ = true;
  SetWindowTextW(Control(kIdStatus), CheckCancelledText(check_->Done(), check_->Total()).c_str());
}

void DiscCheckWindow::ShowChosen() {
  HWND list = Control(kIdList);
  const int item = ListBox_GetCurSel(list);
  if (item < 0) return;
  const auto slot = static_cast<int>(ListBox_GetItemData(list, item));
  if (slot != kNoRecord && showRecord_) showRecord_(slot);
}

LRESULT DiscCheckWindow::OnListKey(WORD key) {
  if (key == VK_ESCAPE) {
    if (Running()) {
      Cancel();
    } else {
      PostMessageW(hwnd(), WM_CLOSE, 0, 0);  // not while the list is inside its own key handling
    }
    return -2;
  }
  if (key == VK_RETURN) {
    ShowChosen();
    return -2;
  }
  return -1;  // the list's own handling
}

}  // namespace discfront::editor
