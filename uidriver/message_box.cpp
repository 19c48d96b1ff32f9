// Message boxes are dialogs of class #32770: static controls for text and icon, and buttons.
#include "uidriver/message_box.h"

#include <cstdlib>

#include "uidriver/controls.h"
#include "uidriver/input.h"
#include "uidriver/pixel_surface.h"
#include "uidriver/screenshot.h"
#include "uidriver/window_find.h"

namespace uidriver {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

bool IsIconStatic(HWND control) {
  return (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// Renders a system icon at the given size on a plain background, in 0x00RRGGBB pixels.
std::vector<COLORREF> RenderIcon(HICON icon, int width, int height, COLORREF background) {
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  PixelSurface surface(width, height);
  if (!surface.valid()) return pixels;
  RECT all{0, 0, width, height};
  win32::UniqueBrush brush(CreateSolidBrush(background));
  FillRect(surface.dc(), &all, brush.get());
  DrawIconEx(surface.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = surface.Pixel(i);
    pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  return pixels;
}

bool Close(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

// Share of the icon's opaque pixels (those that do not depend on the background)
// that the screen shows in the icon's colour.
double MatchShare(const Image& shown, HICON icon) {
  const auto onBlack = RenderIcon(icon, shown.width, shown.height, RGB(0, 0, 0));
  const auto onWhite = RenderIcon(icon, shown.width, shown.height, RGB(255, 255, 255));
  int opaque = 0, matching = 0;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const auto i = static_cast<std::size_t>(y) * static_cast<std::size_t>(shown.width) + x;
      if (onBlack[i] != onWhite[i]) continue;
      ++opaque;
      if (Close(onBlack[i], shown.Pixel(x, y))) ++matching;
    }
  }
  return opaque == 0 ? 0.0 : static_cast<double>(matching) / opaque;
}

IconKind RecogniseIcon(const Image& shown) {
  if (shown.width == 0) return IconKind::kUnknown;
  struct Candidate {
    LPCWSTR id;
    IconKind kind;
  };
  const Candidate candidates[] = {{IDI_INFORMATION, IconKind::kInformation},
                                  {IDI_WARNING, IconKind::kWarning},
                                  {IDI_ERROR, IconKind::kError},
                                  {IDI_QUESTION, IconKind::kQuestion}};
  IconKind best = IconKind::kUnknown;
  double bestShare = 0.95;  // below this the screen shows some other picture
  for (const auto& candidate : candidates) {
    const double share = MatchShare(shown, LoadIconW(nullptr, candidate.id));
    if (share > bestShare) {
      bestShare = share;
      best = candidate.kind;
    }
  }
  return best;
}

}  // namespace

const char* ToString(IconKind kind) {
  switch (kind) {
    case IconKind::kNone: return "none";
    case IconKind::kInformation: return "information";
    case IconKind::kWarning: return "warning";
    case IconKind::kError: return "error (stop)";
    case IconKind::kQuestion: return "question";
    case IconKind::kUnknown: return "unknown";
  }
  return "?";
}

bool IsMessageBox(HWND dialog) {
  // A message box holds statics (text, icon) and buttons only; a file dialog or a
  // dialog of the program's own has other controls too.
  int buttons = 0;
  for (HWND control : FindChildren(dialog, {})) {
    const auto kind = ClassName(control);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      ++buttons;
    } else if (_wcsicmp(kind.c_str(), L"Static") != 0) {
      return false;
    }
  }
  return buttons > 0;
}

HWND WaitForMessageBox(DWORD processId, Milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : FindWindows({.className = kDialogClass, .processId = processId})) {
          if (IsMessageBox(dialog)) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

IconKind MessageBoxIcon(HWND box) {
  HWND iconStatic = nullptr;
  for (HWND control : FindChildren(box, {.className = L"Static", .visibleOnly = true})) {
    if (IsIconStatic(control)) iconStatic = control;
  }
  if (iconStatic == nullptr || Send(iconStatic, STM_GETICON) == 0) return IconKind::kNone;

  BringToFront(box, Milliseconds{2000});
  // The box may not have painted yet: look until its icon is one of the four, for a while.
  IconKind kind = IconKind::kUnknown;
  WaitUntil([&] { return (kind = RecogniseIcon(CaptureScreen(ClientScreenRect(iconStatic)))) !=
                         IconKind::kUnknown; },
            Milliseconds{2000});
  return kind;
}

MessageBoxInfo ReadMessageBox(HWND box) {
  MessageBoxInfo info;
  info.window = box;
  info.caption = GetText(box);
  for (HWND control : FindChildren(box, {.visibleOnly = true})) {
    const auto kind = ClassName(control);
    if (_wcsicmp(kind.c_str(), L"Static") == 0 && !IsIconStatic(control)) {
      const auto text = GetText(control);
      if (!text.empty()) info.text += info.text.empty() ? text : L"\n" + text;
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      info.buttons.push_back(GetText(control));
    }
  }
  info.icon = MessageBoxIcon(box);
  return info;
}

bool PressMessageBoxButton(HWND box, int buttonId, Milliseconds timeout) {
  HWND button = GetDlgItem(box, buttonId);
  // The dialog ends on the command whether or not it came from a mouse.
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return WaitForWindowGone(box, timeout);
}

}  // namespace uidriver
