// A skin resampled to its size at the usual scales: cut where its nearest source pixel is
// the key, never taking the key into a kept pixel, itself at 1x, and never allocated
// beyond the picture caps.
#include <gtest/gtest.h>

#include "base/display_scale.h"
#include "base/picture_limits.h"
#include "base/skin_resample.h"

namespace discfront {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

TEST(SkinResample, AtEachResolution) {
  // A 1x skin of 13 x 7 pixels: a cut-away corner and notch, a dark blue gradient elsewhere.
  PixelImage skin{13, 7, {}};
  for (int y = 0; y < skin.height; ++y) {
    for (int x = 0; x < skin.width; ++x) {
      const bool cut = x + y < 2 || (y == 6 && x >= 5 && x <= 7);
      skin.pixels.push_back(cut ? kKey : static_cast<std::uint32_t>(0x100000 + x * 8 + y * 0x1000));
    }
  }
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const int width = ScaledPixels(skin.width, 100, dpi), height = ScaledPixels(skin.height, 100, dpi);
    const PixelImage scaled = ResampleSkin(skin, width, height, kKey);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(width * height));
    EXPECT_EQ(scaled == skin, dpi == 96);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t nearest = skin.pixels[static_cast<std::size_t>((y * 2 + 1) * skin.height / (2 * height)) *
                                                      skin.width + (x * 2 + 1) * skin.width / (2 * width)];
        const std::uint32_t p = scaled.pixels[static_cast<std::size_t>(y * width + x)];
        EXPECT_EQ(p == kKey, nearest == kKey) << x << "," << y;
        // The source's kept pixels are all of red 0x10: more red came from the key.
        EXPECT_TRUE(p == kKey || p >> 16 == 0x10u) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(ResampleSkin(skin, static_cast<int>(kMaxPictureSide) + 1, 2, kKey), PixelImage{}) << "past the side cap";
  EXPECT_EQ(ResampleSkin(skin, 8192, 8193, kKey), PixelImage{}) << "past the area cap";
}

}  // namespace
}  // namespace discfront
