#include "about/link_label.h"

#include <windowsx.h>

#include <string>

#include "win32/handles.h"
#include "win32/window_text.h"

namespace discfront::about {
namespace {

constexpr wchar_t kClassName[] = L"DiscfrontAboutLink";

}  // namespace

bool LinkLabel::Create(HWND parent, int id, const wchar_t* text, int x, int y, HFONT font) {
  RegisterClassOnce(kClassName, nullptr, 0, nullptr);
  font_ = font;
  CreateWindowFor(kClassName, text, WS_CHILD | WS_VISIBLE, 0, x, y, 1, 1, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  if (hwnd() == nullptr) return false;
  FitToText();
  return true;
}

void LinkLabel::SetLook(HFONT font, COLORREF colour) {
  if (font == font_ && colour == colour_) return;
  const bool resize = font != font_;
  font_ = font;
  colour_ = colour;
  if (resize) FitToText();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void LinkLabel::FitToText() {
  const std::wstring text = win32::WindowText(hwnd());
  win32::WindowDc dc(hwnd());
  win32::SelectGuard select(dc.get(), font_);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LinkLabel::Paint(HDC hdc) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = win32::WindowText(hwnd());
  win32::SelectGuard select(hdc, font_);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, colour_);
  DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void LinkLabel::Notify(WORD code) {
  SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), code), reinterpret_cast<LPARAM>(hwnd()));
}

LRESULT LinkLabel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      win32::PaintDc dc(hwnd());
      Paint(dc.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_MOUSEMOVE:
      Notify(kLinkPointerOver);
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd());
      return 0;
    case WM_LBUTTONUP: {
      // A click is a press and a release on the label.
      const bool wasPressed = pressed_;
      pressed_ = false;
      ReleaseCapture();
      RECT client{};
      GetClientRect(hwnd(), &client);
      if (wasPressed && PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) Notify(kLinkClicked);
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    default:
      return DefaultHandling(msg, wParam, lParam);
  }
}

}  // namespace discfront::about
