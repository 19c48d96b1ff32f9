// The scale rule at the usual resolutions: skin set, window size, designed twips (halves
// to even) and font height (halves up, as the system rounds); and the resolution a
// window shows skins at when the monitor's would take them past the picture caps.
#include <gtest/gtest.h>

#include <vector>

#include "base/display_scale.h"
#include "base/twips.h"

namespace discfront {
namespace {

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
  }
}

TEST(DisplayScale, SkinsBeyondTheCapsAtAScaleAreShownAtTheHighestQuarterStepThatFits) {
  const struct {
    const char* what;
    std::vector<SetPicture> skins;
    int dpi, shown;
  } cases[] = {
      {"the sample skins at 250 %", {{530, 349, 100}, {169, 25, 100}}, 240, 240},
      {"a back of 16384 x 4096 fits only at 1x", {{16384, 4096, 100}}, 240, 96},
      {"the same from the 2x set", {{16384, 4096, 200}}, 240, 192},
      {"8192 x 8192 is the area cap: 1.5x is past it", {{8192, 8192, 100}}, 192, 96},
      {"4096 x 4096 reaches the area cap at 2x", {{4096, 4096, 100}}, 240, 192},
      {"the largest of the four decides", {{100, 100, 100}, {10000, 10, 100}}, 192, 144},
      {"a set's own scale always fits", {{16384, 16, 200}}, 200, 192},
      {"an odd resolution steps down to a quarter", {{13000, 10, 100}}, 130, 120},
      {"nothing fits", {{70000, 10, 100}}, 96, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShownDpi(c.dpi, c.skins), c.shown) << c.what;
    for (const SetPicture& skin : c.skins) EXPECT_TRUE(c.shown == 0 || FitsAtDpi(skin, c.shown)) << c.what;
  }
}

}  // namespace
}  // namespace discfront
