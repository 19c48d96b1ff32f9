// The PNG writer: standard check values, and images of several sizes read back whole.
#include <gtest/gtest.h>

#include <string_view>

#include "tests/uidriver/png_reader.h"
#include "uidriver/png_writer.h"

namespace uidriver {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(PngWriter, ChecksumsHaveTheirStandardValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("")), 0u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32(Bytes("")), 1u);
  // Continuing a CRC over a second part gives the CRC of the whole.
  EXPECT_EQ(Crc32(Bytes("6789"), Crc32(Bytes("12345"))), 0xCBF43926u);
}

TEST(PngWriter, ImagesReadBackPixelForPixel) {
  // 200 x 120 needs more than one stored block (a block holds at most 65535 bytes).
  const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {1, 300}, {200, 120}};
  for (auto [width, height] : sizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width * height * 3));
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    std::string why;
    const auto decoded = testing::DecodePng(EncodePng(width, height, rgb), why);
    ASSERT_TRUE(decoded) << why;
    EXPECT_EQ(decoded->width, width);
    EXPECT_EQ(decoded->height, height);
    EXPECT_EQ(decoded->rgb, rgb);
  }
}

TEST(PngWriter, RefusesPixelsThatDoNotMatchTheSize) {
  const std::vector<std::uint8_t> rgb(11);
  EXPECT_THROW(EncodePng(2, 2, rgb), std::invalid_argument);
  EXPECT_THROW(EncodePng(0, 0, {}), std::invalid_argument);
}

}  // namespace
}  // namespace uidriver
