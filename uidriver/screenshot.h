// Screen captures: pixels of a window as the screen shows it, and PNG files of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace uidriver {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // rows of R, G, B bytes, top row first

  COLORREF Pixel(int x, int y) const {
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3;
    return RGB(rgb[at], rgb[at + 1], rgb[at + 2]);
  }
};

// The screen's pixels in a rectangle of screen coordinates.
Image CaptureScreen(const RECT& rect);
// A window's pixels as they are on screen, once it has painted and the screen shows it
// steadily (cover it with nothing first: the capture shows whatever lies on top).
Image CaptureWindow(HWND window);

bool SavePng(const Image& image, const std::wstring& path);
// Captures the window and writes it to a PNG file; returns whether the file was written.
bool SaveScreenshot(HWND window, const std::wstring& path);

}  // namespace uidriver
