// The twips conversion: halves go to the even pixel at every resolution, which is
// where rounding away from zero would put a control one pixel off. Font heights take
// one rounding for every font of both programs, halves up, where the twips conversion
// of controls would take the even pixel (8.25 pt at 144 dpi).
#include <gtest/gtest.h>

#include "base/twips.h"

namespace discfront {
namespace {

TEST(Twips, ToPixelsAtEachResolution) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {{4170, 96, 278}, {1200, 96, 80}, {7, 96, 0}, {8, 96, 1},  // 96 dpi: no halves
               {30, 120, 2}, {18, 120, 2}, {4170, 120, 348},            // 2.5, 1.5, 347.5
               {25, 144, 2}, {15, 144, 2}, {-30, 120, -2}};              // 2.5, 1.5, -2.5
  for (const auto& c : cases) {
    const double perPixel = TwipsPerPixel(c.dpi);
    EXPECT_EQ(TwipsToPixels(c.twips, perPixel), c.pixels) << c.twips << " twips at " << c.dpi;
    EXPECT_EQ(TwipsToPixels(PixelsToTwips(c.pixels, perPixel), perPixel), c.pixels) << "and back";
  }
}

TEST(FontHeight, HalvesGoUpAtEveryResolution) {
  const struct {
    double points;
    int dpi, pixels;
  } cases[] = {{8.25, 96, 11}, {8.25, 120, 14}, {8.25, 144, 17},  // 11, 13.75, 16.5
               {9.75, 96, 13}, {9.75, 144, 20},                   // 13, 19.5
               {10, 72, 10},   {0, 144, 0}};
  for (const auto& c : cases) EXPECT_EQ(FontHeightPixels(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
}

}  // namespace
}  // namespace discfront
