// The scale rule at the usual resolutions: skin set, window size, designed twips (halves
// to even), font height (halves up, as the system rounds), and a skin resampled to the
// scaled size, cut where its nearest source pixel is the key, never taking the key in.
#include <gtest/gtest.h>

#include <vector>

#include "base/display_scale.h"
#include "base/twips.h"

namespace discfront {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

TEST(DisplayScale, AtEachResolution) {
  const struct {
    int dpi;
    int setOfBaseAndDouble, setOfAllThree;  // chosen among {100, 200} and {100, 150, 200}
    int windowWidth, windowHeight;          // the 530 x 349 skin
    int listLeft, listWidth;                // designed 360 and 4215 twips
    int fontPixels;                         // 8.25 pt
  } cases[] = {
      {96, 100, 100, 530, 349, 24, 281, 11},
      {120, 200, 150, 662, 436, 30, 351, 14},  // 662.5, 351.25, 13.75
      {144, 200, 150, 795, 524, 36, 422, 17},  // 523.5, 421.5, 16.5
      {192, 200, 200, 1060, 698, 48, 562, 22},
  };
  // A 1x skin of 13 x 7 pixels: a cut-away corner and notch, a dark blue gradient elsewhere.
  PixelImage skin{13, 7, {}};
  for (int y = 0; y < skin.height; ++y) {
    for (int x = 0; x < skin.width; ++x) {
      const bool cut = x + y < 2 || (y == 6 && x >= 5 && x <= 7);
      skin.pixels.push_back(cut ? kKey : static_cast<std::uint32_t>(0x100000 + x * 8 + y * 0x1000));
    }
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(ChooseSkinSet(std::vector{100, 200}, c.dpi), c.setOfBaseAndDouble);
    EXPECT_EQ(ChooseSkinSet(std::vector{200, 150, 100}, c.dpi), c.setOfAllThree);
    EXPECT_EQ(ChooseSkinSet(std::vector{100}, c.dpi), 100);
    for (const int percent : {100, 200}) {  // the same window from either set
      EXPECT_EQ(ScaledPixels(530 * percent / 100, percent, c.dpi), c.windowWidth);
      EXPECT_EQ(ScaledPixels(349 * percent / 100, percent, c.dpi), c.windowHeight);
    }
    const double perPixel = TwipsPerPixel(c.dpi);
    EXPECT_EQ(TwipsToPixels(360, perPixel), c.listLeft);
    EXPECT_EQ(TwipsToPixels(4215, perPixel), c.listWidth);
    EXPECT_EQ(TwipsToPixels(PixelsToTwips(c.listWidth, perPixel), perPixel), c.listWidth) << "and back";
    EXPECT_EQ(FontHeightPixels(8.25, c.dpi), c.fontPixels);

    const int width = ScaledPixels(skin.width, 100, c.dpi), height = ScaledPixels(skin.height, 100, c.dpi);
    const PixelImage scaled = ResampleSkin(skin, width, height, kKey);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(width * height));
    EXPECT_EQ(scaled == skin, c.dpi == 96);
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
}

}  // namespace
}  // namespace discfront
