// Move-only owners for GDI objects, device contexts, registry keys and kernel handles.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

// Owns one GDI object (brush, pen, font, bitmap, region) and deletes it once.
template <typename T>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(T handle) : handle_(handle) {}
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(other.release()) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueGdi() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  T release() { return std::exchange(handle_, nullptr); }
  void reset(T handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueRegion = UniqueGdi<HRGN>;

// A memory device context (CreateCompatibleDC / DeleteDC).
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : hdc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (hdc_ != nullptr) DeleteDC(hdc_);
  }
  HDC get() const { return hdc_; }
  explicit operator bool() const { return hdc_ != nullptr; }

 private:
  HDC hdc_;
};

// A window's device context (GetDC / ReleaseDC); a null window is the screen.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (hdc_ != nullptr) ReleaseDC(hwnd_, hdc_);
  }
  HDC get() const { return hdc_; }

 private:
  HWND hwnd_;  // not owned
  HDC hdc_;
};

// BeginPaint / EndPaint around one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  HDC get() const { return ps_.hdc; }
  const RECT& dirty() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;  // not owned
  PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back when it goes out of scope.
class SelectGuard {
 public:
  SelectGuard(HDC hdc, HGDIOBJ object) : hdc_(hdc), previous_(SelectObject(hdc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(hdc_, previous_);
  }

 private:
  HDC hdc_;            // not owned
  HGDIOBJ previous_;   // not owned
};

// An open registry key.
class UniqueHKey {
 public:
  UniqueHKey() = default;
  explicit UniqueHKey(HKEY key) : key_(key) {}
  UniqueHKey(const UniqueHKey&) = delete;
  UniqueHKey& operator=(const UniqueHKey&) = delete;
  UniqueHKey(UniqueHKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  UniqueHKey& operator=(UniqueHKey&& other) noexcept {
    std::swap(key_, other.key_);
    return *this;
  }
  ~UniqueHKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  HKEY* put() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

// A kernel handle such as an open file (CloseHandle); INVALID_HANDLE_VALUE counts as none.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~UniqueHandle() {
    if (valid()) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_ = nullptr;
};

// An icon made or loaded by the program (DestroyIcon); shared system icons need no owner.
class UniqueIcon {
 public:
  UniqueIcon() = default;
  explicit UniqueIcon(HICON icon) : icon_(icon) {}
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  UniqueIcon(UniqueIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  UniqueIcon& operator=(UniqueIcon&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
  }
  ~UniqueIcon() {
    if (icon_ != nullptr) DestroyIcon(icon_);
  }
  HICON get() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

}  // namespace win32
