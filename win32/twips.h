// Twips (1/1440 inch) and pixels at one window's resolution, converted as every
// window and control of the programs converts them (halves to even). There is no
// "resolution of the screen" here: each window is on a monitor with a scale of its own,
// so a DpiResolution is always made from the dpi of the window it serves.
#pragma once

#include <windows.h>

#include "base/twips.h"

namespace win32 {

struct DpiResolution {
  int dpiX = 96;
  int dpiY = 96;

  static DpiResolution Of(int dpi) { return {dpi, dpi}; }
  double TwipsPerPixelX() const { return discfront::TwipsPerPixel(dpiX); }
  double TwipsPerPixelY() const { return discfront::TwipsPerPixel(dpiY); }
  int XToPixels(int twips) const { return discfront::TwipsToPixels(twips, TwipsPerPixelX()); }
  int YToPixels(int twips) const { return discfront::TwipsToPixels(twips, TwipsPerPixelY()); }
};

}  // namespace win32
