// The BMP layout check: whatever the header claims, an image it accepts has every
// row inside the bytes; anything unusual is left to the general decoder.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/bitmap_layout.h"

namespace discfront {
namespace {

void Put(std::string& b, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A well-formed image: 40-byte header, colour table as the bit count needs, padded rows.
std::string Image(int width, int height, int bitCount) {
  const std::size_t colours = bitCount <= 8 ? (std::size_t{1} << bitCount) : 0;
  const std::size_t bits = 14 + 40 + colours * 4;
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  std::string b(bits + stride * static_cast<std::size_t>(height < 0 ? -height : height), '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  Put(b, 10, static_cast<std::uint32_t>(bits), 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<std::uint32_t>(width), 4);
  Put(b, 22, static_cast<std::uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<std::uint32_t>(bitCount), 2);
  return b;
}

TEST(BitmapLayout, AcceptsWellFormedImagesOfEveryPlainDepth) {
  const struct {
    int width, height, bitCount;
    std::size_t bitsOffset;
  } cases[] = {{8, 8, 24, 54}, {3, 2, 24, 54}, {5, -4, 32, 54}, {7, 3, 16, 54},
               {9, 1, 1, 62}, {3, 3, 4, 118}, {13, 2, 8, 1078}};
  for (const auto& c : cases) {
    const auto layout = PlainBitmapLayout(Image(c.width, c.height, c.bitCount));
    ASSERT_TRUE(layout) << c.width << "x" << c.height << "x" << c.bitCount;
    EXPECT_EQ(layout->infoOffset, 14u);
    EXPECT_EQ(layout->bitsOffset, c.bitsOffset);
    EXPECT_EQ(layout->width, c.width);
    EXPECT_EQ(layout->height, c.height < 0 ? -c.height : c.height);
  }
}

TEST(BitmapLayout, LeavesShortUnusualOrInconsistentImagesAlone) {
  const std::function<void(std::string&)> damage[] = {
      [](std::string& b) { b.pop_back(); },                 // last row cut short
      [](std::string& b) { b.resize(30); },                 // header cut short
      [](std::string& b) { b[1] = 'A'; },                   // not "BM"
      [](std::string& b) { Put(b, 14, 12, 4); },            // the old core header
      [](std::string& b) { Put(b, 30, 1, 4); },             // run-length compressed
      [](std::string& b) { Put(b, 26, 2, 2); },             // two planes
      [](std::string& b) { Put(b, 28, 12, 2); },            // no such depth
      [](std::string& b) { Put(b, 18, 0, 4); },             // no width
      [](std::string& b) { Put(b, 18, 0xFFFFFFFF, 4); },    // negative width
      [](std::string& b) { Put(b, 22, 0, 4); },             // no height
      [](std::string& b) { Put(b, 22, 0x80000000, 4); },    // the height with no positive
      [](std::string& b) { Put(b, 22, 0x7FFFFFFF, 4); },    // rows far past the end
      [](std::string& b) { Put(b, 18, 0x7FFFFFFF, 4); },    // a row far past the end
      [](std::string& b) { Put(b, 10, 0xFFFFFFF0, 4); },    // pixels past the end
      [](std::string& b) { Put(b, 10, 60, 4); },            // pixels inside the colour table
      [](std::string& b) { Put(b, 46, 300, 4); },           // more colours than 8 bits hold
      [](std::string& b) { Put(b, 14, 0xFFFFFF00, 4); },    // header longer than the file
  };
  for (std::size_t i = 0; i < std::size(damage); ++i) {
    std::string b = Image(4, 3, 8);
    ASSERT_TRUE(PlainBitmapLayout(b));
    damage[i](b);
    EXPECT_FALSE(PlainBitmapLayout(b)) << "damage " << i;
  }
}

}  // namespace
}  // namespace discfront
