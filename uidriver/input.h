// Keyboard and mouse input as a user gives it (SendInput), or posted straight to a window.
#pragma once

#include <windows.h>

#include <string_view>

#include "uidriver/wait.h"

namespace uidriver {

// Modifier keys held during a key press; combine with |.
enum Modifiers : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

// Makes a top-level window the foreground window (where SendInput's keys go) and
// waits until it is. Returns whether it became the foreground window.
bool BringToFront(HWND window, Milliseconds timeout = kDefaultTimeout);

// Real keyboard input (SendInput) to the foreground window: the modifiers go down,
// the key goes down and up, the modifiers come up. Accelerators and menus see the
// modifiers, as they check the keyboard state.
void PressKey(WORD virtualKey, unsigned modifiers = kNoModifier);
// Types text as Unicode characters (SendInput with KEYEVENTF_UNICODE), whatever the
// keyboard layout: Cyrillic letters too.
void TypeText(std::wstring_view text);
// Alt with a letter of any alphabet, as the focused window of the foreground window
// gets it (WM_SYSCHAR): access keys such as "&Установить" and menu mnemonics work under
// a Latin keyboard layout.
void PressAccessKey(wchar_t letter);

// Posted input, for a window that need not be in the foreground: WM_KEYDOWN/WM_KEYUP
// (WM_SYSKEYDOWN/WM_SYSKEYUP with kAlt, which opens menus by mnemonic) and WM_CHAR.
// The keyboard state is not changed, so accelerators that need Ctrl do not fire: use
// PressKey for those.
void PostKey(HWND window, WORD virtualKey, unsigned modifiers = kNoModifier);
void PostText(HWND window, std::wstring_view text);

enum class MouseButton { kLeft, kRight };

// Moves the real mouse pointer (SendInput) to a screen point and waits until the
// system reports it there; windows under the pointer get WM_MOUSEMOVE (hover).
bool MoveMouse(POINT screen);
// Moves to the point, then presses and releases the button there.
void Click(POINT screen, MouseButton button = MouseButton::kLeft);
void DoubleClick(POINT screen);
void MouseDown(MouseButton button = MouseButton::kLeft);
void MouseUp(MouseButton button = MouseButton::kLeft);
// Clicks the centre of a window's client area.
void ClickWindow(HWND window, MouseButton button = MouseButton::kLeft);
// A click on a window that has just changed its size or place: Wine drops a click that
// comes before the window's new geometry has reached the display, so the click waits
// until the window shows steadily on the screen.
void ClickOnceSteady(HWND window);

}  // namespace uidriver
