#include "launcher/picture_window.h"

#include "base/display_scale.h"
#include "base/numbered_error.h"
#include "catalogue/splitter.h"
#include "launcher/picture_pixels.h"
#include "win32/display_dpi.h"
#include "win32/accessible_name.h"
#include "win32/handles.h"
#include "win32/message_box.h"
#include "win32/picture.h"
#include "win32/twips.h"
#include "base/texts.h"
#include "launcher/launcher_texts.h"

namespace discfront {
namespace {

// Inside size before any picture is shown, in twips.
constexpr int kEmptyWidth = 450;
constexpr int kEmptyHeight = 330;
// Posted from WM_ACTIVATE so that the load and its message run outside the activation.
constexpr UINT kReload = WM_APP + 1;

bool IsOfThisProcess(HWND window) {
  DWORD process = 0;
  return window != nullptr && GetWindowThreadProcessId(window, &process) != 0 &&
         process == GetCurrentProcessId();
}

}  // namespace

bool PictureWindow::Open(HWND owner) {
  if (!RegisterClassOnce(kClassName, nullptr, 0, nullptr)) return false;
  // An overlapped window lets the system choose the place; the frame goes before it is shown.
  if (!CreateWindowFor(kClassName, kTitle, WS_OVERLAPPED, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, owner)) {
    return false;
  }
  // The monitor the system put the window on gives its scale.
  dpi_ = win32::WindowDpi(hwnd());
  const win32::DpiResolution resolution = win32::DpiResolution::Of(dpi_);
  SetWindowLongPtrW(hwnd(), GWL_STYLE, WS_POPUP);
  SetWindowPos(hwnd(), nullptr, 0, 0, resolution.XToPixels(kEmptyWidth), resolution.YToPixels(kEmptyHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  return true;
}

void PictureWindow::OnActivated(HWND previous) {
  // The user comes back from another launcher window; the first activation comes from
  // the Picture command itself.
  if (showingMessage_) return;
  if (activatedBefore_ && !IsOfThisProcess(previous)) return;
  activatedBefore_ = true;
  PostMessageW(hwnd(), kReload, 0, 0);
}

void PictureWindow::Reload() {
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (selected < 0 || selected > kLastSlot) return;
  static const CatalogueEntry kUnread{};
  const auto slot = static_cast<std::size_t>(selected);
  const CatalogueEntry& entry = slot < entries_.size() ? entries_[slot] : kUnread;
  // The title is a placeholder; a screen reader says whose picture this is.
  if (accessibleName_ != entry.title) {
    accessibleName_ = entry.title;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
  }

  const std::optional<std::wstring> file = disc_.PictureFile(entry);
  showingMessage_ = true;
  if (!file) {
    win32::ShowMessage(hwnd(), Text(kTextNoPicture));
    showingMessage_ = false;
    DestroyWindow(hwnd());
    return;
  }
  try {
    picture_ = win32::LoadPictureFile(*file);
    FitToPicture();
  } catch (const NumberedError& error) {
    // The window keeps what it showed; only a missing file is worth a word.
    if (error.Number() == ErrorNumber::kFileNotFound) {
      win32::ShowMessage(hwnd(), Text(kTextPreviewFileNotFound), win32::MessageIcon::kStop);
    }
  }
  showingMessage_ = false;
}

void PictureWindow::FitToPicture() {
  if (!picture_) return;
  // At the window's scale, or the highest one below it at which the picture stays within
  // the caps (its size at 1x does, as it was read within them).
  const SIZE at1x = PicturePixels(*picture_, kBaseDpi);
  const SetPicture asRead{at1x.cx, at1x.cy, 100};
  const int dpi = ShownDpi(dpi_, std::span(&asRead, 1));
  size_ = PicturePixels(*picture_, dpi != 0 ? dpi : kBaseDpi);
  SetWindowPos(hwnd(), nullptr, 0, 0, size_.cx, size_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureWindow::Paint() {
  win32::PaintDc paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(paint.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
  if (picture_) win32::DrawPicture(*picture_, paint.get(), 0, 0, size_.cx, size_.cy);
}

LRESULT PictureWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) OnActivated(reinterpret_cast<HWND>(lParam));
      return DefaultHandling(msg, wParam, lParam);
    case kReload:
      Reload();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = win32::NewDpi(wParam);
      const RECT suggested = win32::SuggestedRect(lParam);
      SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      FitToPicture();
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONUP:
      DestroyWindow(hwnd());
      return 0;
    case WM_GETOBJECT:
      if (LRESULT answer = win32::AnswerWithName(hwnd(), wParam, lParam, accessibleName_, ROLE_SYSTEM_GRAPHIC)) {
        return answer;
      }
      return DefaultHandling(msg, wParam, lParam);
    case WM_KEYDOWN:  // the keyboard's way of the closing click
      if (wParam == VK_ESCAPE) DestroyWindow(hwnd());
      return 0;
    case WM_DESTROY:
      picture_.reset();
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace discfront
