// Twips (1/1440 inch) and pixels at the screen's real resolution, converted as every
// window and control of the programs converts them (halves to even).
#pragma once

#include <windows.h>

#include "base/twips.h"

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
  double TwipsPerPixelX() const { return discfront::TwipsPerPixel(dpiX); }
  double TwipsPerPixelY() const { return discfront::TwipsPerPixel(dpiY); }
  int XToPixels(int twips) const { return discfront::TwipsToPixels(twips, TwipsPerPixelX()); }
  int YToPixels(int twips) const { return discfront::TwipsToPixels(twips, TwipsPerPixelY()); }
};

}  // namespace win32
