// The file formats of the artwork: 24-bit BMP and a one-image 24-bit ICO with its mask.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "art/canvas.h"

namespace discfront::art {

// A bottom-up 24-bit BMP file (BITMAPFILEHEADER, BITMAPINFOHEADER, padded rows).
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

// An ICO file with one 24-bit image; pixels where `transparent` says so are masked out
// (mask bit 1, colour black), the rest are opaque.
std::vector<std::uint8_t> EncodeIco(const Canvas& canvas, const std::vector<bool>& transparent);

// Writes bytes to a file, creating its folder; false on failure.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace discfront::art
