// The file formats of the artwork: 24-bit BMP and a 24-bit ICO of one or more sizes, each with its mask.
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

// An ICO file with these 24-bit images, in this order (at most 255 x 255 each).
std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

// Writes bytes to a file, creating its folder; false on failure.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace discfront::art
