// Synthesised keyboard and mouse input.
#include "uidriver/input.h"

#include <vector>

#include "uidriver/controls.h"
#include "uidriver/screenshot.h"

namespace uidriver {
namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void AddModifiers(std::vector<INPUT>& inputs, unsigned modifiers, bool up) {
  if (modifiers & kCtrl) inputs.push_back(KeyInput(VK_CONTROL, up));
  if (modifiers & kShift) inputs.push_back(KeyInput(VK_SHIFT, up));
  if (modifiers & kAlt) inputs.push_back(KeyInput(VK_MENU, up));
}

void SendAll(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

LPARAM KeyLParam(WORD virtualKey, bool up, bool alt) {
  const auto scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM value = 1 | (static_cast<LPARAM>(scan) << 16);
  if (alt) value |= LPARAM{1} << 29;
  if (up) value |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return value;
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

void AddCharacter(std::vector<INPUT>& inputs, wchar_t ch) {
  for (bool up : {false, true}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = ch;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    inputs.push_back(input);
  }
}

}  // namespace

bool BringToFront(HWND window, Milliseconds timeout) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      timeout);
}

void PressKey(WORD virtualKey, unsigned modifiers) {
  std::vector<INPUT> inputs;
  AddModifiers(inputs, modifiers, false);
  inputs.push_back(KeyInput(virtualKey, false));
  inputs.push_back(KeyInput(virtualKey, true));
  AddModifiers(inputs, modifiers, true);
  SendAll(inputs);
}

void TypeText(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t ch : text) AddCharacter(inputs, ch);
  SendAll(inputs);
}

void PressAccessKey(wchar_t letter) {
  // Wine turns Alt with a SendInput character into a WM_SYSCHAR whose character has the
  // key flags mixed in, which matches no access key. So the WM_SYSCHAR that Alt+letter
  // produces is posted instead, to the focused window of the foreground window's thread
  // (the message loop's IsDialogMessage or DefWindowProc then finds the access key).
  HWND target = GetForegroundWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &info) && info.hwndFocus != nullptr) {
    target = info.hwndFocus;
  }
  PostMessageW(target, WM_SYSCHAR, letter, KeyLParam(0, false, true));
}

void PostKey(HWND window, WORD virtualKey, unsigned modifiers) {
  const bool alt = (modifiers & kAlt) != 0;
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  if (modifiers & kCtrl) PostMessageW(window, down, VK_CONTROL, KeyLParam(VK_CONTROL, false, alt));
  if (modifiers & kShift) PostMessageW(window, down, VK_SHIFT, KeyLParam(VK_SHIFT, false, alt));
  PostMessageW(window, down, virtualKey, KeyLParam(virtualKey, false, alt));
  PostMessageW(window, up, virtualKey, KeyLParam(virtualKey, true, alt));
  if (modifiers & kShift) PostMessageW(window, up, VK_SHIFT, KeyLParam(VK_SHIFT, true, alt));
  if (modifiers & kCtrl) PostMessageW(window, up, VK_CONTROL, KeyLParam(VK_CONTROL, true, alt));
}

void PostText(HWND window, std::wstring_view text) {
  for (wchar_t ch : text) PostMessageW(window, WM_CHAR, ch, 1);
}

bool MoveMouse(POINT screen) {
  // Absolute coordinates are 0..65535 across the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
  return WaitUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      Milliseconds{3000});
}

void MouseDown(MouseButton button) {
  SendMouse(button == MouseButton::kLeft ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void MouseUp(MouseButton button) {
  SendMouse(button == MouseButton::kLeft ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

void Click(POINT screen, MouseButton button) {
  MoveMouse(screen);
  MouseDown(button);
  MouseUp(button);
}

void DoubleClick(POINT screen) {
  MoveMouse(screen);
  for (int i = 0; i < 2; ++i) {
    MouseDown();
    MouseUp();
  }
}

void ClickWindow(HWND window, MouseButton button) { Click(CenterOf(window), button); }

void ClickOnceSteady(HWND window) {
  CaptureWindow(window);
  ClickWindow(window);
}

}  // namespace uidriver
