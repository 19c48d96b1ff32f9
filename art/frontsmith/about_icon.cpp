#include "about_icon.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace frontsmith_art {
namespace {

constexpr int kSize = 32;

// The sixteen standard colours, as red, green, blue.
constexpr std::uint8_t kPalette[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Colour : std::uint8_t { kBlack = 0, kNavy = 4, kSilver = 7, kGrey = 8, kYellow = 11, kBlue = 12, kWhite = 15 };

// The palette index at (x, y), y growing downwards, or nothing where the icon is transparent.
std::optional<std::uint8_t> Pixel(int x, int y) {
  const double radius = std::hypot(x - 15.5, y - 15.5);
  // The letter "i" in a white circle in the lower right, over the disc.
  const double badge = std::hypot(x - 22.5, y - 22.5);
  if (badge <= 9) {
    if (badge > 8) return kNavy;
    const bool dot = x >= 21 && x <= 24 && y >= 15 && y <= 17;
    const bool stem = x >= 21 && x <= 24 && y >= 19 && y <= 28;
    const bool foot = x >= 19 && x <= 26 && y >= 27 && y <= 28;
    return dot || stem || foot ? kBlue : kWhite;
  }
  // The disc: silver with a shine, a grey rim and a hole.
  if (radius <= 15) {
    if (radius <= 2.5) return std::nullopt;
    if (radius <= 4.5) return kGrey;
    if (radius >= 14) return kBlack;
    const double angle = std::atan2(y - 15.5, x - 15.5);
    return std::cos(angle * 2) > 0.6 ? kWhite : std::cos(angle * 2) < -0.6 ? kYellow : kSilver;
  }
  return std::nullopt;
}

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string DrawAboutIconFile() {
  std::string colour, mask;
  for (int y = kSize - 1; y >= 0; --y) {  // bitmaps run bottom-up
    for (int x = 0; x < kSize; x += 2) {
      const auto high = Pixel(x, y).value_or(kBlack);
      const auto low = Pixel(x + 1, y).value_or(kBlack);
      colour += static_cast<char>((high << 4) | low);
    }
    for (int x = 0; x < kSize; x += 8) {  // 32 bits a row: no padding needed
      std::uint8_t bits = 0;
      for (int i = 0; i < 8; ++i) bits = static_cast<std::uint8_t>((bits << 1) | (Pixel(x + i, y) ? 0 : 1));
      mask += static_cast<char>(bits);
    }
  }
  std::string image;
  Put(image, 40, 4);  // BITMAPINFOHEADER; the height counts colour and mask
  Put(image, kSize, 4);
  Put(image, kSize * 2, 4);
  Put(image, 1, 2);
  Put(image, 4, 2);
  for (int i = 0; i < 6; ++i) Put(image, 0, 4);
  for (const auto& rgb : kPalette) {
    image += static_cast<char>(rgb[2]);
    image += static_cast<char>(rgb[1]);
    image += static_cast<char>(rgb[0]);
    image += '\0';
  }
  image += colour + mask;

  std::string file;
  Put(file, 0, 2);  // ICONDIR: reserved, type 1 (icon), one image
  Put(file, 1, 2);
  Put(file, 1, 2);
  file += static_cast<char>(kSize);  // ICONDIRENTRY: 16 colours
  file += static_cast<char>(kSize);
  file += static_cast<char>(16);
  file += '\0';
  Put(file, 1, 2);
  Put(file, 4, 2);
  Put(file, static_cast<std::uint32_t>(image.size()), 4);
  Put(file, 6 + 16, 4);
  return file + image;
}

}  // namespace frontsmith_art
