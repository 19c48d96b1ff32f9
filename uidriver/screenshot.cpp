// Screen capture through the desktop's device context.
#include "uidriver/screenshot.h"

#include <filesystem>
#include <fstream>
#include <utility>

#include "uidriver/controls.h"
#include "uidriver/pixel_surface.h"
#include "uidriver/png_writer.h"
#include "uidriver/wait.h"

namespace uidriver {

Image CaptureScreen(const RECT& rect) {
  Image image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  if (image.width <= 0 || image.height <= 0) return Image{};

  PixelSurface surface(image.width, image.height);
  if (!surface.valid()) return Image{};
  win32::WindowDc screen(nullptr);
  BitBlt(surface.dc(), 0, 0, image.width, image.height, screen.get(), rect.left, rect.top, SRCCOPY);
  const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  image.rgb.resize(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = surface.Pixel(i);
    image.rgb[i * 3] = static_cast<std::uint8_t>(p >> 16);
    image.rgb[i * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
    image.rgb[i * 3 + 2] = static_cast<std::uint8_t>(p);
  }
  return image;
}

namespace {

bool NeedsPainting(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  bool pending = false;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM flag) CALLBACK -> BOOL {
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
