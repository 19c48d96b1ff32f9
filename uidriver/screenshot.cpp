// Screen capture through the desktop's device context.
#include "uidriver/screenshot.h"

#include <filesystem>
#include <fstream>
#include <utility>

#include "uidriver/controls.h"
#include "uidriver/png_writer.h"
#include "uidriver/wait.h"

namespace uidriver {

Image CaptureScreen(const RECT& rect) {
  Image image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  if (image.width <= 0 || image.height <= 0) return Image{};

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    image.rgb.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
      image.rgb[i * 3] = bgrx[i * 4 + 2];
      image.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
      image.rgb[i * 3 + 2] = bgrx[i * 4];
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  } else {
    image = Image{};
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

namespace {

bool NeedsPainting(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  bool pending = false;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM flag) -> BOOL {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
          *reinterpret_cast<bool*>(flag) = true;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&pending));
  return pending;
}

}  // namespace

Image CaptureWindow(HWND window) {
  // A window just shown may not have painted yet, and Wine copies what a program
  // painted to the display a moment later: wait until nothing is left to paint, then
  // until two captures a little apart agree.
  WaitUntil([&] { return !NeedsPainting(window); }, Milliseconds{3000});
  Image last = CaptureScreen(ScreenRect(window));
  for (int attempt = 0; attempt < 30; ++attempt) {
    Sleep(50);
    Image now = CaptureScreen(ScreenRect(window));
    if (now.width == last.width && now.height == last.height && now.rgb == last.rgb) return now;
    last = std::move(now);
  }
  return last;
}

bool SavePng(const Image& image, const std::wstring& path) {
  if (image.width <= 0 || image.height <= 0) return false;
  const auto png = EncodePng(image.width, image.height, image.rgb);
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  return SavePng(CaptureWindow(window), path);
}

}  // namespace uidriver
