#include "about/edge_snap.h"

#include <gtest/gtest.h>

namespace discfront::about {
namespace {

// A 390 x 270 dialog with a 3-pixel frame and a 22-pixel title bar, pressed at 100, 50
// of its inside area, on an 800 x 600 screen. Each case names where the outer edges
// would go (x, y); the cursor is put where that needs, so a frame left out shows.
TEST(SnapDrag, FollowsThePointerAndSticksWithinTenPixelsOfAnEdge) {
  struct Case {
    const char* what;
    int x, y, width, height;
    EdgeFlags before;
    WindowPlace place;
    EdgeFlags after;
  } cases[] = {
      {"free in the middle", 200, 150, 390, 270, {}, {200, 150}, {}},
      {"flags of an earlier snap are cleared", 200, 150, 390, 270, {true, true, true, true}, {200, 150}, {}},
      {"left at 10 snaps", 10, 150, 390, 270, {}, {0, 150}, {true, false, false, false}},
      {"left at 11 follows", 11, 150, 390, 270, {true}, {11, 150}, {}},
      {"left beyond the screen snaps", -40, 150, 390, 270, {}, {0, 150}, {true, false, false, false}},
      {"top at 10 snaps", 200, 10, 390, 270, {}, {200, 0}, {false, true, false, false}},
      {"top at 11 follows", 200, 11, 390, 270, {}, {200, 11}, {}},
      {"right edge 10 away snaps", 400, 150, 390, 270, {}, {410, 150}, {false, false, true, false}},
      {"right edge 11 away follows", 399, 150, 390, 270, {}, {399, 150}, {}},
      {"bottom edge 10 above follows", 200, 320, 390, 270, {}, {200, 320}, {}},
      {"bottom edge 9 above snaps", 200, 321, 390, 270, {}, {200, 330}, {false, false, false, true}},
      {"corner: left and bottom", 3, 500, 390, 270, {}, {0, 330}, {true, false, false, true}},
      {"larger than the screen: right and bottom win", 5, 5, 900, 700, {}, {-100, -100}, {true, true, true, true}},
  };
  constexpr PressPoint kPress{100, 50};
  constexpr int kFrame = 3, kTitle = 22;
  for (const Case& c : cases) {
    EdgeFlags flags = c.before;
    const DragGeometry drag{
        kPress, {c.x + kFrame + kPress.x, c.y + kTitle + kPress.y}, kFrame, kTitle, c.width, c.height, 0, 0, 800, 600};
    EXPECT_EQ(SnapDrag(drag, flags), c.place) << c.what;
    EXPECT_EQ(flags, c.after) << c.what;
  }
}

}  // namespace
}  // namespace discfront::about
