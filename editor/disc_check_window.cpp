#include "disc_check_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <utility>

#include "disc_check_layout.h"
#include "disc_messages.h"
#include "editor_texts.h"
#include "win32/display_dpi.h"
#include "win32/message_font.h"
#include "base/texts.h"
#include "base/twips.h"

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
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

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
  // never wider than the owner's monitor. Once there, it takes its own monitor's
  // resolution and font, and grows if that font needs more room (OnCreate).
  const int dpi = win32::WindowDpi(owner);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const int width = std::min<int>(DesignedPixelsAt(860, dpi), monitor.rcWork.right - monitor.rcWork.left);
  const int left = std::clamp<int>(ownerRect.left + DesignedPixelsAt(40, dpi), monitor.rcWork.left,
                                   std::max<int>(monitor.rcWork.left, monitor.rcWork.right - width));
  if (CreateWindowFor(kClassName, caption.c_str(), kStyle, 0, left, ownerRect.top + DesignedPixelsAt(40, dpi), width,
                      DesignedPixelsAt(380, dpi), owner) == nullptr) {
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
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.y = MinWindowHeight();
      return 0;
    case WM_DPICHANGED: {
      ShowAtDpi(win32::NewDpi(wParam));
      const RECT r = win32::SuggestedRect(lParam);
      SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, std::max<int>(r.bottom - r.top, MinWindowHeight()),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
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
    return CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  make(WS_EX_CLIENTEDGE, L"LISTBOX",
       WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT, kIdList);
  HWND progress = make(0, PROGRESS_CLASSW, 0, kIdProgress);
  SendMessageW(progress, PBM_SETRANGE32, 0, std::max(check_->Total(), 1));
  make(0, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kIdStatus);
  SetWindowTextW(Control(kIdStatus), CheckProgressText(0, check_->Total()).c_str());
  ShowAtDpi(win32::WindowDpi(hwnd()));
  RECT window{};
  GetWindowRect(hwnd(), &window);
  if (window.bottom - window.top < MinWindowHeight()) {
    SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, MinWindowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void DiscCheckWindow::ShowAtDpi(int dpi) {
  // The old font goes only once no control shows it any more.
  win32::UniqueFont font = win32::CreateMessageFont(dpi);
  for (int id : {kIdList, kIdProgress, kIdStatus}) {
    SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(win32::FontOrDefault(font.get())), FALSE);
  }
  font_ = std::move(font);
  dpi_ = dpi;
  lineHeight_ = win32::TextExtent(font_.get(), L"").cy;
  // The lines' widths in the new font.
  HWND list = Control(kIdList);
  ListBox_SetHorizontalExtent(list, 0);
  for (int item = 0; item < ListBox_GetCount(list); ++item) {
    std::wstring text(static_cast<std::size_t>(ListBox_GetTextLen(list, item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(ListBox_GetText(list, item, text.data())));
    WidenList(text);
  }
  Layout();
}

int DiscCheckWindow::MinWindowHeight() const {
  const DiscCheckPlaces places = PlaceDiscCheck(0, 0, dpi_, lineHeight_);
  const RECT outer = win32::OuterRectForDpi({0, 0, 0, places.minClientHeight}, kStyle, false, 0, dpi_);
  return outer.bottom - outer.top;
}

void DiscCheckWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const DiscCheckPlaces places = PlaceDiscCheck(client.right, client.bottom, dpi_, lineHeight_);
  const std::pair<int, const PixelBox&> controls[] = {
      {kIdList, places.list}, {kIdProgress, places.progress}, {kIdStatus, places.status}};
  for (const auto& [id, box] : controls) MoveWindow(Control(id), box.left, box.top, box.width, box.height, TRUE);
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
  const int width = win32::TextExtent(font_.get(), line).cx + DesignedPixelsAt(8, dpi_);
  if (width > ListBox_GetHorizontalExtent(list)) ListBox_SetHorizontalExtent(list, width);
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
