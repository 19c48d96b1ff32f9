// Rounding of the twips conversion.
#include "base/twips.h"

#include <cmath>

namespace discfront {

int Nearest(double v) {
  const double down = std::floor(v);
  const double frac = v - down;
  double result = down;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(down, 2.0) != 0.0)) result = down + 1.0;
  return static_cast<int>(result);
}

int TwipsToPixels(double twips, double twipsPerPixel) { return Nearest(twips / twipsPerPixel); }

int DesignedPixelsAt(int pixels, int dpi) { return TwipsToPixels(pixels * TwipsPerPixel(96), TwipsPerPixel(dpi)); }

double PixelsToTwips(double pixels, double twipsPerPixel) { return pixels * twipsPerPixel; }

int HimetricToPixels(std::int32_t himetric, double twipsPerPixel) {
  // 2540 HIMETRIC to the inch, 1440 twips to the inch.
  return TwipsToPixels(himetric * 1440.0 / 2540.0, twipsPerPixel);
}

int FontHeightPixels(double points, int dpi) {
  // In hundredths of a point, the finest step a size is given in, so that 8.25 is exact.
  const long long hundredths = std::llround(points * 100.0);
  const long long scaled = hundredths * dpi;
  return static_cast<int>(scaled >= 0 ? (scaled + 3600) / 7200 : -((-scaled + 3600) / 7200));
}

}  // namespace discfront
