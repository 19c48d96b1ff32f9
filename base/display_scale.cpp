#include "base/display_scale.h"

#include <algorithm>
#include <cstdlib>

#include "base/picture_limits.h"
#include "base/twips.h"

namespace discfront {

int ChooseSkinSet(std::span<const int> presentPercents, int dpi) {
  int atOrAbove = 0;
  int largest = 100;
  for (const int percent : presentPercents) {
    largest = std::max(largest, percent);
    // percent / 100 >= dpi / 96, in whole numbers.
    if (percent * kBaseDpi >= dpi * 100 && (atOrAbove == 0 || percent < atOrAbove)) atOrAbove = percent;
  }
  return atOrAbove != 0 ? atOrAbove : largest;
}

int ScaledPixels(int setPixels, int percent, int dpi) {
  return Nearest(static_cast<double>(setPixels) * dpi * 100 / (static_cast<double>(percent) * kBaseDpi));
}

bool SetSizeMatches(int setPixels, int percent, int basePixels) {
  return std::abs(setPixels * 100 - basePixels * percent) < 100;
}

bool FitsAtDpi(const SetPicture& picture, int dpi) {
  return PixelsWithinCaps(ScaledPixels(picture.width, picture.percent, dpi),
                          ScaledPixels(picture.height, picture.percent, dpi));
}

int ShownDpi(int dpi, std::span<const SetPicture> pictures) {
  auto allFit = [&](int at) {
    return std::all_of(pictures.begin(), pictures.end(), [at](const SetPicture& p) { return FitsAtDpi(p, at); });
  };
  if (allFit(dpi)) return dpi;
  constexpr int kQuarterStep = kBaseDpi / 4;
  for (int at = (dpi - 1) / kQuarterStep * kQuarterStep; at > 0; at -= kQuarterStep) {
    if (allFit(at)) return at;
  }
  return 0;
}

}  // namespace discfront
