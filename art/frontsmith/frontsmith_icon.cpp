#include "frontsmith_icon.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace frontsmith_art {
namespace {

constexpr int kSize = 48;

struct Rgb {
  int r, g, b;
};

// The colour at (x, y), y growing downwards, or nothing where the icon is transparent.
std::optional<Rgb> Pixel(int x, int y) {
  const double cx = 23.5, cy = 23.5;
  const double radius = std::hypot(x - cx, y - cy);
  // The pencil, from the lower left towards the upper right, over everything else.
  const double along = ((x - 8) + (40 - y)) / std::sqrt(2.0);
  const double across = ((x - 8) - (40 - y)) / std::sqrt(2.0);
  if (across >= -3.2 && across <= 3.2 && along >= 0 && along <= 40) {
    if (along < 6) {
      if (along < 2.5 && std::abs(across) < along * 0.6 + 0.3) return Rgb{40, 40, 40};
      if (std::abs(across) < along * 0.55 + 0.2) return Rgb{230, 200, 150};
      return std::nullopt;
    }
    if (along > 36) return Rgb{220, 90, 90};
    return across < 1.2 ? Rgb{250, 200, 40} : Rgb{215, 160, 20};
  }
  // The sheet with catalogue lines, standing on the disc.
  if (x >= 13 && x <= 34 && y >= 9 && y <= 38) {
    if (x == 13 || x == 34 || y == 9 || y == 38) return Rgb{90, 90, 110};
    if (x >= 16 && x <= 31 && (y == 14 || y == 19 || y == 24 || y == 29 || y == 34)) {
      return x <= 19 ? Rgb{60, 90, 170} : Rgb{120, 130, 150};
    }
    return Rgb{255, 255, 255};
  }
  // The disc: silver with a hole and a rim.
  if (radius <= 23) {
    if (radius <= 3) return std::nullopt;
    if (radius <= 6) return Rgb{120, 120, 130};
    if (radius >= 21.8) return Rgb{70, 80, 100};
    const int shade = static_cast<int>(180 + 50 * std::cos(std::atan2(y - cy, x - cx) * 2));
    return Rgb{shade - 20, shade, std::min(255, shade + 20)};
  }
  return std::nullopt;
}

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string DrawIconFile() {
  std::string colour, mask;
  for (int y = kSize - 1; y >= 0; --y) {  // bitmaps run bottom-up
    std::uint8_t bits = 0;
    std::string maskRow;
    for (int x = 0; x < kSize; ++x) {
      const std::optional<Rgb> c = Pixel(x, y);
      colour += static_cast<char>(c ? c->b : 0);
      colour += static_cast<char>(c ? c->g : 0);
      colour += static_cast<char>(c ? c->r : 0);
      bits = static_cast<std::uint8_t>((bits << 1) | (c ? 0 : 1));
      if (x % 8 == 7) {
        maskRow += static_cast<char>(bits);
        bits = 0;
      }
    }
    maskRow.resize(8, '\0');  // rows of the mask are padded to four bytes
    mask += maskRow;
  }
  std::string image;
  Put(image, 40, 4);  // BITMAPINFOHEADER; the height counts colour and mask
  Put(image, kSize, 4);
  Put(image, kSize * 2, 4);
  Put(image, 1, 2);
  Put(image, 24, 2);
  for (int i = 0; i < 6; ++i) Put(image, 0, 4);
  image += colour + mask;

  std::string file;
  Put(file, 0, 2);  // ICONDIR: reserved, type 1 (icon), one image
  Put(file, 1, 2);
  Put(file, 1, 2);
  file += static_cast<char>(kSize);  // ICONDIRENTRY
  file += static_cast<char>(kSize);
  file += '\0';
  file += '\0';
  Put(file, 1, 2);
  Put(file, 24, 2);
  Put(file, static_cast<std::uint32_t>(image.size()), 4);
  Put(file, 6 + 16, 4);
  return file + image;
}

}  // namespace frontsmith_art
