// Skins and a glyph made in memory as BMP file images and read by the picture loader.
#include "buttonex/gallery/gallery_skins.h"

#include <cstdlib>
#include <string>

#include "win32/picture.h"

namespace discfront::buttonex::gallery {
namespace {

BYTE Shade(BYTE v, int y) { return static_cast<BYTE>(std::max(0, std::min(255, v + 40 - y * 3))); }

}  // namespace

PictureRef MakeSkin(COLORREF body) {
  constexpr int kW = 120, kH = 30, kR = 12;
  return win32::MakeBitmapPicture(kW, kH, [body](int x, int y) {
    // Outside the rounded corners: the key colour.
    const int cx = x < kR ? kR : (x >= kW - kR ? kW - kR - 1 : x);
    const int cy = y < kR ? kR : (y >= kH - kR ? kH - kR - 1 : y);
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > kR * kR) return kKey;
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > (kR - 2) * (kR - 2)) return RGB(40, 40, 60);
    return RGB(Shade(GetRValue(body), y), Shade(GetGValue(body), y), Shade(GetBValue(body), y));
  });
}

PictureRef MakeGlyph(COLORREF colour) {
  return win32::MakeBitmapPicture(16, 16, [colour](int x, int y) {
    return std::abs(x - 8) + std::abs(y - 8) <= 6 ? colour : kKey;
  });
}

}  // namespace discfront::buttonex::gallery
