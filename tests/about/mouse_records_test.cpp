#include "about/mouse_records.h"

#include <gtest/gtest.h>

namespace discfront::about {
namespace {

TEST(PressPoint, RoundsHalvesToEvenAndHoldsTheSixteenBitRange) {
  struct Case {
    double in;
    std::int16_t out;
  } cases[] = {{0.5, 0},         {1.5, 2},           {2.5, 2},          {-1.5, -2},         {7.51, 8},
               {32767.4, 32767}, {40000.0, 32767},   {-40000.0, -32768}};
  for (const Case& c : cases) {
    EXPECT_EQ(RoundPressPoint(c.in, 3.5), (PressPoint{c.out, 4})) << c.in;
    EXPECT_EQ(RoundPressPoint(0.0, c.in), (PressPoint{0, c.out})) << c.in;
  }
}

}  // namespace
}  // namespace discfront::about
