#include "image_window.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <utility>

#include "editor_texts.h"
#include "image_messages.h"
#include "win32/accessible_name.h"
#include "win32/display_dpi.h"
#include "win32/message_font.h"
#include "win32/system_folder_source.h"
#include "win32/system_image_file.h"
#include "win32/win32_texts.h"
#include "base/texts.h"
#include "base/twips.h"

namespace discfront::editor {
namespace {

enum : int { kIdHeading = 100, kIdProgress, kIdFile };
constexpr UINT kMsgProgress = WM_APP + 1;
constexpr UINT kMsgFinished = WM_APP + 2;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kBarSteps = 1000;
constexpr auto kProgressPause = std::chrono::milliseconds(40);  // the bar's range: the image may be larger than an int counts

// Where the controls go at a resolution, designed in pixels at 96 dpi; a row is at
// least a line of the font.
struct ImagePlaces {
  RECT heading, progress, file, cancel;
  int clientWidth, clientHeight;
};

ImagePlaces PlaceImageWindow(int dpi, int lineHeight, int cancelTextWidth) {
  const auto px = [dpi](int designed) { return DesignedPixelsAt(designed, dpi); };
  const int margin = px(10), gap = px(6);
  const int width = px(440);
  const int row = std::max(px(18), lineHeight);
  const int buttonHeight = std::max(px(23), lineHeight + px(8));
  const int buttonWidth = std::max(px(88), cancelTextWidth + px(16));
  ImagePlaces places{};
  int top = margin;
  const auto next = [&](int height) {
    const RECT r{margin, top, margin + width, top + height};
    top += height + gap;
    return r;
  };
  places.heading = next(row);
  places.progress = next(row);
  places.file = next(row);
  top += gap;
  places.cancel = {margin + width - buttonWidth, top, margin + width, top + buttonHeight};
  places.clientWidth = width + 2 * margin;
  places.clientHeight = top + buttonHeight + margin;
  return places;
}

}  // namespace

ImageWriteResult ImageProgressWindow::Run(HWND owner, const ImagePlan& plan, const std::wstring& folder,
                                          const std::wstring& image) {
  heading_ = FormatText(kTextImageWriting, {image.substr(image.find_last_of(L"\\/") + 1)});
  if (!RegisterClassOnce(kClassName, reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)))) {
    throw std::runtime_error("the image window's class could not be registered");
  }
  // Sized at the owner's resolution in OnCreate, then centred over the owner.
  if (CreateWindowFor(kClassName, Text(kTextImageCaption).c_str(), kStyle, 0, 0, 0, 0, 0, owner) == nullptr) {
    throw std::runtime_error("the image window could not be created");
  }
  // Over the middle of the owner, whole on the owner's monitor.
  RECT ownerRect{}, own{};
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(hwnd(), &own);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = own.right - own.left, height = own.bottom - own.top;
  const int left = std::clamp<int>((ownerRect.left + ownerRect.right - width) / 2, work.left,
                                   std::max<int>(work.left, work.right - width));
  const int top = std::clamp<int>((ownerRect.top + ownerRect.bottom - height) / 2, work.top,
                                  std::max<int>(work.top, work.bottom - height));
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EnableWindow(owner, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(Control(IDCANCEL));

  const HWND window = hwnd();
  worker_ = std::thread([this, window, &plan, folder, image] {
    try {
      win32::SystemFolderSource source(folder);
      win32::SystemImageFile imageFile(image);
      result_ = WriteImage(plan, source, imageFile, [this](std::uint64_t done, std::uint64_t total, const SourcePath& file) {
        return OnWriterProgress(done, total, file);
      });
    } catch (...) {
      failure_ = std::current_exception();
    }
    PostMessageW(window, kMsgFinished, 0, 0);
  });

  // The window's own loop, as a modal dialog's: Esc and Enter reach Cancel through
  // the dialog keys. A quit asked for meanwhile cancels the image and is passed on.
  std::optional<int> quit;
  MSG msg;
  while (!finished_) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      quit = static_cast<int>(msg.wParam);
      cancelled_ = true;
      break;
    }
    if (IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  worker_.join();
  // The owner first, so that it takes the activation back when this window goes.
  EnableWindow(owner, TRUE);
  DestroyWindow(window);
  if (quit) PostQuitMessage(*quit);
  if (failure_) std::rethrow_exception(failure_);
  return result_;
}

bool ImageProgressWindow::OnWriterProgress(std::uint64_t done, std::uint64_t total, const SourcePath& file) {
  bool post = false;
  const auto now = std::chrono::steady_clock::now();
  {
    const std::lock_guard lock(mutex_);
    done_ = done;
    total_ = total;
    if (file_ != file) file_ = file;
    // One message at a time, and a pause between them: posted messages come before
    // input and painting, so a steady stream of them would starve both.
    if (!progressPosted_ && now - lastPosted_ >= kProgressPause) {
      progressPosted_ = true;
      lastPosted_ = now;
      post = true;
    }
  }
  if (post) PostMessageW(hwnd(), kMsgProgress, 0, 0);
  return !cancelled_;
}

LRESULT ImageProgressWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_DPICHANGED: {
      const RECT r = win32::SuggestedRect(lParam);
      ShowAtDpi(win32::NewDpi(wParam), &r);
      return 0;
    }
    case kMsgProgress: ShowProgress(); return 0;
    case kMsgFinished: finished_ = true; return 0;
    case WM_COMMAND:
      // Enter on the one button is Cancel too.
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) Cancel();
      return 0;
    case WM_CLOSE: Cancel(); return 0;
    default: return DefaultHandling(msg, wParam, lParam);
  }
}

void ImageProgressWindow::OnCreate() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto make = [&](const wchar_t* className, DWORD style, int id, const std::wstring& text) {
    return CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  make(L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS, kIdHeading, heading_);
  HWND progress = make(PROGRESS_CLASSW, 0, kIdProgress, L"");
  SendMessageW(progress, PBM_SETRANGE32, 0, kBarSteps);
  make(L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_PATHELLIPSIS, kIdFile, Text(kTextImageDirectory));
  HWND cancel = make(L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL, Text(kTextCancel));
  // A screen reader says what the bar counts, and knows the button as one.
  win32::SetAccessibleName(progress, heading_, ROLE_SYSTEM_PROGRESSBAR);
  win32::SetAccessibleName(cancel, Text(kTextCancel), ROLE_SYSTEM_PUSHBUTTON, Text(win32::kTextPressAction));
  ShowAtDpi(win32::WindowDpi(hwnd()), nullptr);
}

void ImageProgressWindow::ShowAtDpi(int dpi, const RECT* suggested) {
  // The old font goes only once no control shows it any more.
  win32::UniqueFont font = win32::CreateMessageFont(dpi);
  const HFONT shown = win32::FontOrDefault(font.get());
  const ImagePlaces places =
      PlaceImageWindow(dpi, win32::TextExtent(shown, L"").cy, win32::TextExtent(shown, Text(kTextCancel)).cx);
  const std::pair<int, const RECT&> controls[] = {
      {kIdHeading, places.heading}, {kIdProgress, places.progress}, {kIdFile, places.file}, {IDCANCEL, places.cancel}};
  for (const auto& [id, r] : controls) {
    SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(shown), FALSE);
    MoveWindow(Control(id), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  font_ = std::move(font);
  dpi_ = dpi;
  const RECT outer = win32::OuterRectForDpi({0, 0, places.clientWidth, places.clientHeight}, kStyle, false, 0, dpi);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (suggested != nullptr) {
    SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void ImageProgressWindow::ShowProgress() {
  std::uint64_t done = 0, total = 0;
  SourcePath file;
  {
    const std::lock_guard lock(mutex_);
    done = done_;
    total = total_;
    file = file_;
    progressPosted_ = false;
  }
  if (cancelled_) return;
  const auto steps = total == 0 ? kBarSteps : static_cast<int>(done * kBarSteps / total);
  SendMessageW(Control(kIdProgress), PBM_SETPOS, static_cast<WPARAM>(steps), 0);
  // Set only when it changes: the line would flicker a thousand times a gigabyte.
  if (file != shownFile_) {
    shownFile_ = file;
    const std::wstring text = file.empty() ? Text(kTextImageDirectory) : ShownSourcePath(file);
    SetWindowTextW(Control(kIdFile), text.c_str());
  }
}

void ImageProgressWindow::Cancel() {
  if (cancelled_.exchange(true)) return;
  EnableWindow(Control(IDCANCEL), FALSE);
}

}  // namespace discfront::editor
