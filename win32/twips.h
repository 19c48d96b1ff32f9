// Twips (1/1440 inch) and pixels at the screen's real resolution.
#pragma once

#include <windows.h>

namespace win32 {

struct ScreenResolution {
  int dpiX = 96;
  int dpiY = 96;

  static ScreenResolution OfScreen() {
    HDC screen = GetDC(nullptr);
    ScreenResolution r{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return r;
  }
  int XToPixels(int twips) const { return MulDiv(twips, dpiX, 1440); }
  int YToPixels(int twips) const { return MulDiv(twips, dpiY, 1440); }
};

}  // namespace win32
