// The file formats of the artwork: 24-bit BMP and an ICO of one or more sizes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "art/canvas.h"

namespace discfront::art {

// A bottom-up 24-bit BMP file (BITMAPFILEHEADER, BITMAPINFOHEADER, padded rows).
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

// One image of an icon: pixels where `transparent` says so are masked out (mask bit 1,
// colour black), the rest are opaque.
struct IconImage {
  Canvas image;
  std::vector<bool> transparent;  // one flag per pixel, row by row
};

// Images this wide and wider go into an icon as PNG; narrower ones as 24-bit
// bitmaps with their mask, which every version of Windows reads. The programs need
// Windows 7, which reads PNG images of an icon at any size.
inline constexpr int kIconPngFromWidth = 64;

// An ICO file with these images, in this order (at most 255 x 255 each).
std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

// A PNG file of 8-bit RGBA: transparent pixels have alpha 0, the others 255.
std::vector<std::uint8_t> EncodePng(const IconImage& icon);

// Writes bytes to a file, creating its folder; false on failure.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace discfront::art
