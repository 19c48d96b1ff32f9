// Whatever a picture file's header claims: what pictures and window outlines the programs
// refuse before doing any work on them, and the BMP layout check, under which an image it
// accepts has every row inside the bytes and anything unusual is left to the general decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "base/bitmap_layout.h"
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

// The file header and the 40-byte info header of a BMP file, then its colour table as the
// bit count needs; with the pixels, also the padded rows and the file's size.
std::string Bmp(std::int32_t width, std::int32_t height, int bitCount = 24, bool withPixels = false) {
  const std::size_t bits = 54 + (bitCount <= 8 ? std::size_t{4} << bitCount : 0);
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  const std::size_t size = withPixels ? bits + stride * static_cast<std::size_t>(std::abs(height)) : bits;
  std::string b = "BM" + Le(static_cast<std::uint32_t>(withPixels ? size : 0), 4) + Le(0, 4) +
                  Le(static_cast<std::uint32_t>(bits), 4) + Le(40, 4) + Le(static_cast<std::uint32_t>(width), 4) +
                  Le(static_cast<std::uint32_t>(height), 4) + Le(1, 2) + Le(static_cast<std::uint32_t>(bitCount), 2);
  b.resize(size, '\0');
  return b;
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
// A GIF file of a small screen and frames {left, top, width, height}, each after a control
// extension, with colour tables and a sub-block of data, as an animation has them.
std::string GifFrames(std::initializer_list<std::array<int, 4>> frames) {
  std::string b = Gif(100, 80) + "\x80" + std::string(8, '\0');
  for (const auto& f : frames) {
    b += "\x21\xF9\x04" + std::string(5, '\0') + "\x2C" + Le(f[0], 2) + Le(f[1], 2) + Le(f[2], 2) + Le(f[3], 2) +
         "\x80" + std::string(6, 'c') + std::string("\x02\x03" "abc", 5) + '\0';
  }
  return b + ";";
}
// An icon file (type 1) or cursor (type 2) whose directory says 0 x 0 (256) for each image;
// a bitmap image's info header counts the mask's rows too.
std::string Ico(std::initializer_list<std::string> images, int type = 1) {
  std::string b = Le(0, 2) + Le(type, 2) + Le(static_cast<std::uint32_t>(images.size()), 2), data;
  for (const std::string& image : images) {
    b += std::string(8, '\0') + Le(static_cast<std::uint32_t>(image.size()), 4) +
         Le(static_cast<std::uint32_t>(6 + 16 * images.size() + data.size()), 4);
    data += image;
  }
  return b + data;
}
std::string IconDib(std::int32_t width, std::int32_t height) { return Bmp(width, height, 32).substr(14, 40); }
// Metafile headers: an enhanced one's bounds in pixels and frame in 0.01 mm, a placeable
// one's box in units per inch, all from the origin.
std::string Emf(std::int32_t boundsRight, std::int32_t boundsBottom, std::int32_t frameRight, std::int32_t frameBottom) {
  const std::string origin = Le(0, 4) + Le(0, 4);
  return Le(1, 4) + Le(88, 4) + origin + Le(boundsRight, 4) + Le(boundsBottom, 4) + origin + Le(frameRight, 4) +
         Le(frameBottom, 4) + " EMF" + std::string(44, '\0');
}
std::string PlaceableWmf(int right, int bottom, int unitsPerInch) {
  return Le(0x9AC6CDD7u, 4) + std::string(6, '\0') + Le(right, 2) + Le(bottom, 2) + Le(unitsPerInch, 2) +
         std::string(6, '\0');
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
      {"an animation inside its screen", 1000, GifFrames({{0, 0, 100, 80}, {10, 10, 50, 50}}), F::kFits},
      {"GIF, a huge frame on a small screen", 1000, GifFrames({{0, 0, 100, 80}, {0, 0, 65535, 65535}}), F::kTooManyPixels},
      {"GIF, a frame placed far out", 1000, GifFrames({{60000, 0, 10000, 1}}), F::kTooManyPixels},
      {"an icon of 256 as PNG", 1000, Ico({IconDib(16, 32), Png(256, 256)}), F::kFits},
      {"an icon whose PNG is huge", 1000, Ico({IconDib(16, 32), Png(100000, 10)}), F::kTooManyPixels},
      {"a cursor whose PNG is huge", 1000, Ico({Png(20000, 20000)}, 2), F::kTooManyPixels},
      {"an icon whose bitmap is huge", 1000, Ico({IconDib(-20000, 64)}), F::kTooManyPixels},
      {"a page-sized enhanced metafile", 1000, Emf(793, 1122, 21000, 29700), F::kFits},
      {"EMF, a frame of 10 m", 1000, Emf(100, 100, 1'000'000, 100), F::kTooManyPixels},
      {"EMF, bounds from the origin to -2^31", 1000, Emf(100, INT32_MIN, 100, 100), F::kTooManyPixels},
      {"a placeable metafile of 1 inch", 1000, PlaceableWmf(1440, 1440, 1440), F::kFits},
      {"WMF, a box of 30000 inches", 1000, PlaceableWmf(30000, 30000, 1), F::kTooManyPixels},
      {"WMF, no units per inch", 1000, PlaceableWmf(30000, 30000, 0), F::kFits},
      {"no picture at all", 5, "hello", F::kFits},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitOfPictureFile(c.bytes, c.head), c.fit) << c.what;
    // Cut short anywhere, a header only loses what it promised, and is read only where
    // its bytes are (each cut in a buffer of exactly its length, for the sanitizers).
    for (std::size_t n = 0; n < c.head.size(); ++n) {
      const auto cut = std::make_unique<char[]>(n + 1);
      std::copy_n(c.head.data(), n, cut.get());
      const PictureFit fit = FitOfPictureFile(c.bytes, std::string_view(cut.get(), n));
      EXPECT_TRUE(fit == c.fit || fit == F::kFits) << c.what << ", cut to " << n;
    }
  }
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

TEST(BitmapLayout, AcceptsWellFormedImagesOfEveryPlainDepth) {
  const struct {
    int width, height, bitCount;
    std::size_t bitsOffset;
  } cases[] = {{8, 8, 24, 54}, {3, 2, 24, 54}, {5, -4, 32, 54}, {7, 3, 16, 54},
               {9, 1, 1, 62}, {3, 3, 4, 118}, {13, 2, 8, 1078}};
  for (const auto& c : cases) {
    const auto layout = PlainBitmapLayout(Bmp(c.width, c.height, c.bitCount, true));
    ASSERT_TRUE(layout) << c.width << "x" << c.height << "x" << c.bitCount;
    EXPECT_EQ(layout->infoOffset, 14u);
    EXPECT_EQ(layout->bitsOffset, c.bitsOffset);
    EXPECT_EQ(layout->width, c.width);
    EXPECT_EQ(layout->height, c.height < 0 ? -c.height : c.height);
  }
}

TEST(BitmapLayout, LeavesShortUnusualOrInconsistentImagesAlone) {
  const std::function<void(std::string&)> damage[] = {
      [](std::string& b) { b.pop_back(); },                         // last row cut short
      [](std::string& b) { b.resize(30); },                         // header cut short
      [](std::string& b) { b[1] = 'A'; },                           // not "BM"
      [](std::string& b) { b.replace(14, 4, Le(12, 4)); },          // the old core header
      [](std::string& b) { b.replace(30, 4, Le(1, 4)); },           // run-length compressed
      [](std::string& b) { b.replace(26, 2, Le(2, 2)); },           // two planes
      [](std::string& b) { b.replace(28, 2, Le(12, 2)); },          // no such depth
      [](std::string& b) { b.replace(18, 4, Le(0, 4)); },           // no width
      [](std::string& b) { b.replace(18, 4, Le(0xFFFFFFFF, 4)); },  // negative width
      [](std::string& b) { b.replace(22, 4, Le(0, 4)); },           // no height
      [](std::string& b) { b.replace(22, 4, Le(0x80000000, 4)); },  // the height with no positive
      [](std::string& b) { b.replace(22, 4, Le(0x7FFFFFFF, 4)); },  // rows far past the end
      [](std::string& b) { b.replace(18, 4, Le(0x7FFFFFFF, 4)); },  // a row far past the end
      [](std::string& b) { b.replace(10, 4, Le(0xFFFFFFF0, 4)); },  // pixels past the end
      [](std::string& b) { b.replace(10, 4, Le(60, 4)); },          // pixels inside the colour table
      [](std::string& b) { b.replace(46, 4, Le(300, 4)); },         // more colours than 8 bits hold
      [](std::string& b) { b.replace(14, 4, Le(0xFFFFFF00, 4)); },  // header longer than the file
  };
  for (std::size_t i = 0; i < std::size(damage); ++i) {
    std::string b = Bmp(4, 3, 8, true);
    ASSERT_TRUE(PlainBitmapLayout(b));
    damage[i](b);
    EXPECT_FALSE(PlainBitmapLayout(b)) << "damage " << i;
  }
}

}  // namespace
}  // namespace discfront
