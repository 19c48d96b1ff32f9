// The About dialog follows the pointer and sticks within ten pixels of an edge of its
// own monitor's work area: a second monitor's edges (an origin other than 0, 0, also
// left of the first) and not under a taskbar.
#include "about/edge_snap.h"

#include <gtest/gtest.h>

namespace discfront::about {
namespace {

struct Area {
  int left, top, right, bottom;
};

// A 390 x 270 dialog with a 3-pixel frame and a 22-pixel title bar, pressed at 100, 50
// of its inside area. Each case names where the outer edges would go (x, y); the cursor
// is put where that needs, so a frame left out shows.
TEST(SnapDrag, SticksWithinTenPixelsOfTheEdgesOfItsMonitorsWorkArea) {
  constexpr Area kScreen{0, 0, 800, 600};
  constexpr Area kRightMonitorAboveTaskbar{1024, 0, 1824, 560};  // 800 x 600, taskbar 40 high
  constexpr Area kLeftMonitorLower{-800, 100, 0, 700};
  struct Case {
    const char* what;
    Area area;
    int x, y;
    EdgeFlags before;
    WindowPlace place;
    EdgeFlags after;
    int width = 390, height = 270;
  } cases[] = {
      {"free: flags of an earlier snap are cleared", kScreen, 200, 150, {true, true, true, true}, {200, 150}, {}},
      {"left at 10 snaps", kScreen, 10, 150, {}, {0, 150}, {true, false, false, false}},
      {"left at 11 follows", kScreen, 11, 150, {true}, {11, 150}, {}},
      {"left beyond the screen snaps", kScreen, -40, 150, {}, {0, 150}, {true, false, false, false}},
      {"top at 10 snaps", kScreen, 200, 10, {}, {200, 0}, {false, true, false, false}},
      {"top at 11 follows", kScreen, 200, 11, {}, {200, 11}, {}},
      {"right edge 10 away snaps", kScreen, 400, 150, {}, {410, 150}, {false, false, true, false}},
      {"right edge 11 away follows", kScreen, 399, 150, {}, {399, 150}, {}},
      {"bottom edge 10 above follows", kScreen, 200, 320, {}, {200, 320}, {}},
      {"bottom edge 9 above snaps", kScreen, 200, 321, {}, {200, 330}, {false, false, false, true}},
      {"corner: left and bottom", kScreen, 3, 500, {}, {0, 330}, {true, false, false, true}},
      {"larger than the screen: right and bottom win", kScreen, 5, 5, {}, {-100, -100}, {true, true, true, true}, 900,
       700},
      {"its left edge, not the first monitor's", kRightMonitorAboveTaskbar, 1034, 100, {}, {1024, 100}, {true}},
      {"11 from its left edge follows", kRightMonitorAboveTaskbar, 1035, 100, {}, {1035, 100}, {}},
      {"its right edge", kRightMonitorAboveTaskbar, 1424, 100, {}, {1434, 100}, {false, false, true, false}},
      {"the taskbar's top, not the screen's bottom", kRightMonitorAboveTaskbar, 1200, 281, {}, {1200, 290},
       {false, false, false, true}},
      {"10 above the taskbar follows", kRightMonitorAboveTaskbar, 1200, 280, {}, {1200, 280}, {}},
      {"left of the first monitor: its top left", kLeftMonitorLower, -795, 105, {}, {-800, 100}, {true, true}},
  };
  constexpr PressPoint kPress{100, 50};
  constexpr int kFrame = 3, kTitle = 22;
  for (const Case& c : cases) {
    EdgeFlags flags = c.before;
    const DragGeometry drag{kPress,       {c.x + kFrame + kPress.x, c.y + kTitle + kPress.y},
                            kFrame,       kTitle,
                            c.width,      c.height,
                            c.area.left,  c.area.top,
                            c.area.right, c.area.bottom};
    EXPECT_EQ(SnapDrag(drag, flags), c.place) << c.what;
    EXPECT_EQ(flags, c.after) << c.what;
  }
}

}  // namespace
}  // namespace discfront::about
