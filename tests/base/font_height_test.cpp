// Font heights: one rounding for every font of both programs, halves up, where the
// twips conversion of controls would take the even pixel (8.25 pt at 144 dpi).
#include <gtest/gtest.h>

#include "base/twips.h"

namespace discfront {
namespace {

TEST(FontHeight, HalvesGoUpAtEveryResolution) {
  const struct {
    double points;
    int dpi, pixels;
  } cases[] = {{8.25, 96, 11},  {8.25, 120, 14}, {8.25, 144, 17},  // 11, 13.75, 16.5
               {9.75, 96, 13},  {9.75, 144, 20},                    // 13, 19.5
               {18, 96, 24},    {12, 120, 20},    {10, 72, 10},
               {8.25, 192, 22}, {0, 144, 0}};
  for (const auto& c : cases) EXPECT_EQ(FontHeightPixels(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
}

}  // namespace
}  // namespace discfront
