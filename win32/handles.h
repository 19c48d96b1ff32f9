// Move-only owners for GDI objects, device contexts and kernel handles, and scope
// guards for borrowed device contexts and selections.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

// Owns one handle and closes it once. Traits give the handle type, its empty value,
// which values are real handles, and how to close one; a move leaves the source
// empty and closes what the target held before.
template <typename Traits>
class UniqueOwner {
 public:
  using Handle = typename Traits::Handle;

  UniqueOwner() = default;
  explicit UniqueOwner(Handle handle) : handle_(handle) {}
  UniqueOwner(const UniqueOwner&) = delete;
  UniqueOwner& operator=(const UniqueOwner&) = delete;
  UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueOwner() { reset(); }

  Handle get() const { return handle_; }
  bool valid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return valid(); }
  Handle release() { return std::exchange(handle_, Traits::Empty()); }
  // Closes what is held and hands out the place for a call that returns a new handle
  // through a pointer (RegOpenKeyExW and the like).
  Handle* put() {
    reset();
    return &handle_;
  }
  void reset(Handle handle = Traits::Empty()) {
    if (valid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Empty();
};

// A GDI object: brush, font, bitmap or region (DeleteObject).
template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static constexpr T Empty() { return nullptr; }
  static bool IsValid(T handle) { return handle != nullptr; }
  static void Close(T handle) { DeleteObject(handle); }
};

using UniqueBitmap = UniqueOwner<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueOwner<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueOwner<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueOwner<GdiObjectTraits<HRGN>>;

// A kernel handle such as an open file or a process (CloseHandle). Creating a file
// fails with INVALID_HANDLE_VALUE, most other calls with null: neither is closed.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static constexpr HANDLE Empty() { return nullptr; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueHandle = UniqueOwner<KernelHandleTraits>;

// A watch on a folder's changes (FindFirstChangeNotificationW / FindCloseChangeNotification).
struct ChangeNotificationTraits {
  using Handle = HANDLE;
  static constexpr HANDLE Empty() { return nullptr; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { FindCloseChangeNotification(handle); }
};

using UniqueChangeNotification = UniqueOwner<ChangeNotificationTraits>;

// A search of a folder's entries (FindFirstFileW / FindClose).
struct FindHandleTraits {
  using Handle = HANDLE;
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }  // not a constant expression
  static bool IsValid(HANDLE handle) { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
  static void Close(HANDLE handle) { FindClose(handle); }
};

using UniqueFind = UniqueOwner<FindHandleTraits>;

// An icon loaded at a size of its own (LoadImage / DestroyIcon).
struct IconTraits {
  using Handle = HICON;
  static constexpr HICON Empty() { return nullptr; }
  static bool IsValid(HICON handle) { return handle != nullptr; }
  static void Close(HICON handle) { DestroyIcon(handle); }
};

using UniqueIcon = UniqueOwner<IconTraits>;

// An open registry key (RegCloseKey).
struct RegistryKeyTraits {
  using Handle = HKEY;
  static constexpr HKEY Empty() { return nullptr; }
  static bool IsValid(HKEY handle) { return handle != nullptr; }
  static void Close(HKEY handle) { RegCloseKey(handle); }
};

using UniqueHKey = UniqueOwner<RegistryKeyTraits>;

struct MemoryDcTraits {
  using Handle = HDC;
  static constexpr HDC Empty() { return nullptr; }
  static bool IsValid(HDC handle) { return handle != nullptr; }
  static void Close(HDC handle) { DeleteDC(handle); }
};

// A memory device context compatible with another (CreateCompatibleDC / DeleteDC).
class MemoryDc : public UniqueOwner<MemoryDcTraits> {
 public:
  explicit MemoryDc(HDC compatibleWith) : UniqueOwner(CreateCompatibleDC(compatibleWith)) {}
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

}  // namespace win32
