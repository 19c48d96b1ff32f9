// What pictures and window outlines the programs refuse before doing any work on them,
// whatever a file's header claims.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/picture_limits.h"

namespace discfront {
namespace {

std::string Le(std::uint32_t v, int size) {
  std::string s;
  for (int i = 0; i < size; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}
std::string Be(std::uint32_t v, int size) {
  std::string s;
  for (int i = size - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// The file header and the info header of a BMP file, as far as the sizes.
std::string Bmp(std::int32_t width, std::int32_t height) {
  return "BM" + Le(0, 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(static_cast<std::uint32_t>(width), 4) +
         Le(static_cast<std::uint32_t>(height), 4) + Le(1, 2) + Le(24, 2);
}
std::string CoreBmp(int width, int height) {
  return "BM" + Le(0, 4) + Le(0, 4) + Le(26, 4) + Le(12, 4) + Le(width, 2) + Le(height, 2) + Le(1, 2) + Le(24, 2);
}
std::string Png(std::uint32_t width, std::uint32_t height) {
  return std::string("\x89PNG\r\n\x1a\n", 8) + Be(13, 4) + "IHDR" + Be(width, 4) + Be(height, 4);
}
std::string Gif(int width, int height) { return "GIF89a" + Le(width, 2) + Le(height, 2); }
// A JPEG file with an APP0 segment before its frame header.
std::string Jpeg(int width, int height) {
  return "\xFF\xD8\xFF\xE0" + Be(16, 2) + std::string(14, 'j') + "\xFF\xC0" + Be(17, 2) + "\x08" + Be(height, 2) +
         Be(width, 2) + "\x03";
}

TEST(PictureLimits, PicturesBeyondTheCapsAreRefusedByTheirSizeOrTheirHeader) {
  using F = PictureFit;
  const struct {
    const char* what;
    std::uint64_t bytes;
    std::string head;
    PictureFit fit;
  } cases[] = {
      {"the sample skin", 555'000, Bmp(530, 349), F::kFits},
      {"64 MiB exactly", kMaxPictureFileBytes, Bmp(4000, 4000), F::kFits},
      {"a byte more", kMaxPictureFileBytes + 1, Bmp(10, 10), F::kFileTooLarge},
      {"8192 x 8192 is the area cap", 1000, Bmp(8192, -8192), F::kFits},
      {"one row more", 1000, Bmp(8192, 8193), F::kTooManyPixels},
      {"a side above 16384", 1000, Bmp(16385, 1), F::kTooManyPixels},
      {"the lowest height there is", 1000, Bmp(1, INT32_MIN), F::kTooManyPixels},
      {"a negative width", 1000, Bmp(-20000, 10), F::kTooManyPixels},
      {"an old core header", 1000, CoreBmp(65535, 65535), F::kTooManyPixels},
      {"PNG, huge", 1000, Png(100000, 10), F::kTooManyPixels},
      {"GIF, huge screen", 1000, Gif(65535, 65535), F::kTooManyPixels},
      {"JPEG, huge", 1000, Jpeg(30000, 30000), F::kTooManyPixels},
      {"JPEG cut inside its frame header", 1000, Jpeg(30000, 30000).substr(0, 26), F::kFits},
      {"no picture at all", 5, "hello", F::kFits},
  };
  for (const auto& c : cases) EXPECT_EQ(FitOfPictureFile(c.bytes, c.head), c.fit) << c.what;
}

TEST(PictureLimits, AnOutlineCutsTheWindowOnlyWhenSomethingIsLeftAndTheDisplayTakesIt) {
  using O = OutlineFit;
  const struct {
    std::size_t rectangles;
    OutlineFit fit;
  } cases[] = {{0, O::kEmpty}, {1, O::kUsable}, {kMaxOutlineRectangles, O::kUsable},
               {kMaxOutlineRectangles + 1, O::kTooComplex}, {29375, O::kTooComplex}};
  for (const auto& c : cases) EXPECT_EQ(FitOfOutline(c.rectangles), c.fit) << c.rectangles;
}

}  // namespace
}  // namespace discfront
