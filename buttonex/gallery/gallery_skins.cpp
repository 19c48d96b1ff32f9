// Skins and a glyph made in memory as BMP file images and read by the picture loader.
#include "buttonex/gallery/gallery_skins.h"

#include <cstdlib>
#include <string>

#include "win32/picture.h"

namespace discfront::buttonex::gallery {
namespace {

template <typename ColourOf>
std::string Bmp(int w, int h, ColourOf colourOf) {
  const int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + stride * h;
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = h - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < w; ++x) {
      const COLORREF c = colourOf(x, y);
      row[x * 3] = static_cast<char>(GetBValue(c));
      row[x * 3 + 1] = static_cast<char>(GetGValue(c));
      row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
    bytes += row;
  }
  return bytes;
}

BYTE Shade(BYTE v, int y) { return static_cast<BYTE>(std::max(0, std::min(255, v + 40 - y * 3))); }

}  // namespace

PictureRef MakeSkin(COLORREF body) {
  constexpr int kW = 120, kH = 30, kR = 12;
  return win32::DecodePicture(Bmp(kW, kH, [body](int x, int y) {
    // Outside the rounded corners: the key colour.
    const int cx = x < kR ? kR : (x >= kW - kR ? kW - kR - 1 : x);
    const int cy = y < kR ? kR : (y >= kH - kR ? kH - kR - 1 : y);
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > kR * kR) return kKey;
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > (kR - 2) * (kR - 2)) return RGB(40, 40, 60);
    return RGB(Shade(GetRValue(body), y), Shade(GetGValue(body), y), Shade(GetBValue(body), y));
  }));
}

PictureRef MakeGlyph(COLORREF colour) {
  return win32::DecodePicture(Bmp(16, 16, [colour](int x, int y) {
    return std::abs(x - 8) + std::abs(y - 8) <= 6 ? colour : kKey;
  }));
}

}  // namespace discfront::buttonex::gallery
