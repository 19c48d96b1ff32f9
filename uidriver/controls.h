// Reading and changing standard controls of another process: text, list box, combo box, buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// SendMessage with a time-out, so that a hung program fails the test instead of
// hanging it. Returns the result, or 0 when the window did not answer.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::wstring GetText(HWND window);                    // WM_GETTEXT
bool SetText(HWND window, const std::wstring& text);  // WM_SETTEXT

// List box: items in order, the selected index (-1 when nothing is selected).
std::vector<std::wstring> ListBoxItems(HWND list);
int ListBoxSelection(HWND list);
// Selects an item the way a keyboard selection does: LB_SETCURSEL, then the
// LBN_SELCHANGE notification to the parent (which LB_SETCURSEL alone does not send).
// The notification is not waited for: wait for its effect.
bool SelectListBoxItem(HWND list, int index);
// The item's rectangle in screen coordinates (for real mouse clicks), empty if none.
RECT ListBoxItemRect(HWND list, int index);

// Combo box: items in order, the selected index (-1 when none), and selecting
// (CB_SETCURSEL plus CBN_SELCHANGE to the parent).
std::vector<std::wstring> ComboBoxItems(HWND combo);
int ComboBoxSelection(HWND combo);
bool SelectComboBoxItem(HWND combo, int index);

// Presses a button with a posted BM_CLICK (no mouse needed; the button notifies its
// parent). Returns at once: wait for the click's effect.
void PressButton(HWND button);

// Screen rectangle of the window, and of its client area.
RECT ScreenRect(HWND window);
RECT ClientScreenRect(HWND window);
// The rectangles of a window's visible child windows in its client area's coordinates.
std::vector<RECT> VisibleChildRects(HWND parent);
// Screen point of a client point of the window; and the centre of its client area.
POINT ScreenPoint(HWND window, POINT client);
POINT CenterOf(HWND window);

}  // namespace uidriver
