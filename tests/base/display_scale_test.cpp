// The scale rule at the usual display settings: which skin set, the window's size,
// where designed twips land, and a skin resampled to the scaled size whose cut-away
// pixels follow the nearest source pixel and whose kept pixels never take in the key.
#include <gtest/gtest.h>

#include <vector>

#include "base/display_scale.h"
#include "base/twips.h"

namespace discfront {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

// A 1x skin of 13 x 7 pixels: a cut-away corner and notch, a blue gradient elsewhere.
PixelImage SmallSkin() {
  PixelImage image{13, 7, {}};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool cut = (x + y < 2) || (y == 6 && x >= 5 && x <= 7);
      image.pixels.push_back(cut ? kKey : static_cast<std::uint32_t>(0x102000 + x * 8 + y * 0x100 * 10));
    }
  }
  return image;
}

TEST(DisplayScale, AtEachResolution) {
  const struct {
    int dpi;
    int setOfBaseAndDouble, setOfAllThree;  // chosen among {100, 200} and {100, 150, 200}
    int windowWidth, windowHeight;          // the 530 x 349 skin
    int listLeft, listWidth;                // designed 360 and 4215 twips
  } cases[] = {
      {96, 100, 100, 530, 349, 24, 281},
      {120, 200, 150, 662, 436, 30, 351},   // 662.5 and 351.25
      {144, 200, 150, 795, 524, 36, 422},   // 523.5 and 421.5: halves to even
      {192, 200, 200, 1060, 698, 48, 562},
  };
  const PixelImage skin = SmallSkin();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(ChooseSkinSet(std::vector{100, 200}, c.dpi), c.setOfBaseAndDouble);
    EXPECT_EQ(ChooseSkinSet(std::vector{200, 150, 100}, c.dpi), c.setOfAllThree);
    EXPECT_EQ(ChooseSkinSet(std::vector{100}, c.dpi), 100);
    // The same window from the 1x set and from the 2x set.
    for (const int percent : {100, 200}) {
      EXPECT_EQ(ScaledPixels(530 * percent / 100, percent, c.dpi), c.windowWidth);
      EXPECT_EQ(ScaledPixels(349 * percent / 100, percent, c.dpi), c.windowHeight);
    }
    EXPECT_EQ(TwipsToPixels(360, TwipsPerPixel(c.dpi)), c.listLeft);
    EXPECT_EQ(TwipsToPixels(4215, TwipsPerPixel(c.dpi)), c.listWidth);

    const int width = ScaledPixels(skin.width, 100, c.dpi), height = ScaledPixels(skin.height, 100, c.dpi);
    const PixelImage scaled = ResampleSkin(skin, width, height, kKey);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(width * height));
    if (c.dpi == 96) {
      EXPECT_EQ(scaled, skin);
    }
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t nearest = skin.pixels[static_cast<std::size_t>((y * 2 + 1) * skin.height / (2 * height)) *
                                                      skin.width + (x * 2 + 1) * skin.width / (2 * width)];
        const std::uint32_t p = scaled.pixels[static_cast<std::size_t>(y * width + x)];
        EXPECT_EQ(p == kKey, nearest == kKey) << x << "," << y;
        // No magenta in a kept pixel: the source's red channel is 0x10 throughout.
        if (p != kKey) {
          EXPECT_EQ(p >> 16, 0x10u) << x << "," << y;
        }
      }
    }
  }
}

TEST(DisplayScale, SetSizesAgainstTheBaseSet) {
  const struct {
    int setPixels, percent, basePixels;
    bool matches;
  } cases[] = {{795, 150, 530, true}, {523, 150, 349, true}, {524, 150, 349, true}, {1060, 200, 530, true},
               {1059, 200, 530, false}, {530, 200, 530, false}, {800, 150, 530, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(SetSizeMatches(c.setPixels, c.percent, c.basePixels), c.matches) << c.setPixels << " at " << c.percent;
  }
}

}  // namespace
}  // namespace discfront
