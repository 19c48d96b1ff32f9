// The arithmetic of the button's drawing: HIMETRIC, twips and pixels (rounded as every
// window rounds, by catalogue/twips.h), and where the picture and the caption go.
#pragma once

#include <cstdint>

#include "base/twips.h"

namespace discfront::buttonex {

// Twips per HIMETRIC unit as the control has always used it: 1.76, not the exact
// 1.7639, so that skins keep the sizes stored forms were made with.
constexpr double kHimetricPerTwip = 1.76;

double SkinTwips(std::int32_t himetric);

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// The control's size for a skin of the given HIMETRIC size.
Size SkinSize(std::int32_t widthHimetric, std::int32_t heightHimetric, double twipsPerPixelX,
              double twipsPerPixelY);

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Top left of the picture: at the left edge (skinned) or 6 pixels in, centred
// vertically but not above the top margin, one pixel further while pressed, then
// moved by the offsets.
Point PicturePosition(bool skinned, int scaleHeight, int pictureHeight, int state, int offsetX,
                      int offsetY);

struct CaptionInput {
  int scaleWidth = 0;
  int scaleHeight = 0;
  int textWidth = 0;   // measured with its "&" characters
  int textHeight = 0;
  int state = 1;
  bool pictureNotNone = false;  // the Picture property holds an object
  bool pictureShown = false;    // a picture with a handle was drawn
  int pictureLeft = 0;
  int pictureWidth = 0;
  int offsetX = 0;
  int offsetY = 0;
};

// The point handed to the text drawing for the caption.
Point CaptionPosition(const CaptionInput& in);

}  // namespace discfront::buttonex
