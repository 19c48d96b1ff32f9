// Cross-process access to standard controls; Wine and Windows marshal the text
// messages of the standard classes (WM_GETTEXT, LB_GETTEXT, CB_GETLBTEXT) themselves.
#include "uidriver/controls.h"

namespace uidriver {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::wstring GetText(HWND window) {
  const auto length = Send(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

bool SetText(HWND window, const std::wstring& text) {
  return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

namespace {

std::vector<std::wstring> ReadItems(HWND control, UINT countMessage, UINT lengthMessage,
                                    UINT textMessage) {
  std::vector<std::wstring> items;
  const auto count = Send(control, countMessage);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = Send(control, lengthMessage, static_cast<WPARAM>(i));
    if (length < 0) break;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        Send(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    items.push_back(std::move(text));
  }
  return items;
}

int ToIndex(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }

// Not waited for: the parent's handler may open a modal box that runs until a test closes it.
void NotifyParent(HWND control, WORD code) {
  SendNotifyMessageW(GetParent(control), WM_COMMAND,
       MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
       reinterpret_cast<LPARAM>(control));
}

}  // namespace

std::vector<std::wstring> ListBoxItems(HWND list) {
  return ReadItems(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListBoxSelection(HWND list) { return ToIndex(Send(list, LB_GETCURSEL)); }

bool SelectListBoxItem(HWND list, int index) {
  if (Send(list, LB_SETCURSEL, static_cast<WPARAM>(index)) != index) return false;
  NotifyParent(list, LBN_SELCHANGE);
  return true;
}

RECT ListBoxItemRect(HWND list, int index) {
  RECT rect{};
  if (Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) ==
      LB_ERR) {
    return RECT{};
  }
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<std::wstring> ComboBoxItems(HWND combo) {
  return ReadItems(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboBoxSelection(HWND combo) { return ToIndex(Send(combo, CB_GETCURSEL)); }

bool SelectComboBoxItem(HWND combo, int index) {
  if (Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index)) != index) return false;
  NotifyParent(combo, CBN_SELCHANGE);
  return true;
}

// Posted, not sent: the click may open a modal box that runs until a test closes it.
void PressButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::vector<RECT> VisibleChildRects(HWND parent) {
  std::vector<RECT> rects;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect = ScreenRect(child);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    rects.push_back(rect);
  }
  return rects;
}

RECT ClientScreenRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

POINT CenterOf(HWND window) {
  const RECT rect = ClientScreenRect(window);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace uidriver
