// Window<Derived>: one static window procedure that routes messages to an object.
//
// The object pointer is stored at WM_NCCREATE and cleared at WM_NCDESTROY, the last
// message a window gets. Derived classes implement
//   LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
// and call DefaultHandling() for what they do not handle. No exception leaves the
// window procedure: one that reaches it is kept and the message loop is left, so that
// the program's main ends with its report (program_end.h). An object that goes while
// its window is still there destroys the window without routing its last messages
// to the object.
#pragma once

#include <windows.h>

#include "win32/system_boundary.h"

namespace win32 {

template <typename Derived>
class Window {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() {
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

  // Registers the class once per process; later calls do nothing.
  static bool RegisterClassOnce(const wchar_t* className, HICON icon = nullptr, UINT style = 0,
                                HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) {
    WNDCLASSEXW wc{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    // Left empty, the system takes the small image from the icon's own resource when it
    // has one of that size, instead of shrinking the large one.
    wc.hIconSm = nullptr;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
  }

  HWND CreateWindowFor(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                       int width, int height, HWND parent = nullptr, HMENU menu = nullptr) {
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                           GetModuleHandleW(nullptr), static_cast<Derived*>(this));
  }

  LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      self = static_cast<Derived*>(create->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return GuardWindowProcedure(hwnd, [&] {
      const LRESULT result = self->HandleMessage(msg, wParam, lParam);
      if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
      }
      return result;
    });
  }

  HWND hwnd_ = nullptr;
};

}  // namespace win32
