// Sizes and positions of the button's drawing.
#include "buttonex/layout.h"

#include <algorithm>

namespace discfront::buttonex {

double SkinTwips(std::int32_t himetric) { return himetric / kHimetricPerTwip; }

Size SkinSize(std::int32_t widthHimetric, std::int32_t heightHimetric, double twipsPerPixelX,
              double twipsPerPixelY) {
  return {TwipsToPixels(SkinTwips(widthHimetric), twipsPerPixelX),
          TwipsToPixels(SkinTwips(heightHimetric), twipsPerPixelY)};
}

Point PicturePosition(bool skinned, int scaleHeight, int pictureHeight, int state, int offsetX,
                      int offsetY) {
  const int margin = skinned ? 0 : 6;
  Point p{margin, std::max(margin, scaleHeight / 2 - pictureHeight / 2)};
  if (state == 0) {
    p.x += 1;
    p.y += 1;
  }
  p.x += offsetX;
  p.y += offsetY;
  return p;
}

Point CaptionPosition(const CaptionInput& in) {
  const int g = (in.pictureNotNone && in.state == 0) ? -1 : 0;
  Point p;
  if (in.pictureShown) {
    const int right = in.pictureLeft + g + in.pictureWidth;
    p.x = (in.scaleWidth + right) / 2 - in.textWidth / 2;
  } else {
    p.x = in.scaleWidth / 2 - in.textWidth / 2 + g;
  }
  p.y = in.scaleHeight / 2 - in.textHeight / 2 - 1;
  if (in.state == 0) {
    p.x += 1;
    p.y += 1;
  }
  p.x += in.offsetX;
  p.y += in.offsetY + 1;
  return p;
}

}  // namespace discfront::buttonex
