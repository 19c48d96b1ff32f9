// The About dialog snaps to the work area of its own monitor: a second monitor's
// edges (an origin other than 0, 0, also left of the first) and not under a taskbar.
#include "about/edge_snap.h"

#include <gtest/gtest.h>

namespace discfront::about {
namespace {

TEST(SnapDrag, SnapsToTheEdgesOfItsMonitorsWorkArea) {
  struct Area {
    int left, top, right, bottom;
  };
  constexpr Area kRightMonitorAboveTaskbar{1024, 0, 1824, 560};  // 800 x 600, taskbar 40 high
  constexpr Area kLeftMonitorLower{-800, 100, 0, 700};
  struct Case {
    const char* what;
    Area area;
    int x, y;
    WindowPlace place;
    EdgeFlags after;
  } cases[] = {
      {"free on the second monitor", kRightMonitorAboveTaskbar, 1200, 100, {1200, 100}, {}},
      {"its left edge, not the first monitor's", kRightMonitorAboveTaskbar, 1034, 100, {1024, 100}, {true}},
      {"11 from its left edge follows", kRightMonitorAboveTaskbar, 1035, 100, {1035, 100}, {}},
      {"its right edge", kRightMonitorAboveTaskbar, 1424, 100, {1434, 100}, {false, false, true, false}},
      {"the taskbar's top, not the screen's bottom", kRightMonitorAboveTaskbar, 1200, 281, {1200, 290},
       {false, false, false, true}},
      {"10 above the taskbar follows", kRightMonitorAboveTaskbar, 1200, 280, {1200, 280}, {}},
      {"left of the first monitor: its top left", kLeftMonitorLower, -795, 105, {-800, 100}, {true, true}},
      {"left of the first monitor: free", kLeftMonitorLower, -500, 300, {-500, 300}, {}},
  };
  constexpr PressPoint kPress{100, 50};
  constexpr int kFrame = 3, kTitle = 22, kWidth = 390, kHeight = 270;
  for (const Case& c : cases) {
    EdgeFlags flags;
    const DragGeometry drag{kPress,        {c.x + kFrame + kPress.x, c.y + kTitle + kPress.y},
                            kFrame,        kTitle,
                            kWidth,        kHeight,
                            c.area.left,   c.area.top,
                            c.area.right,  c.area.bottom};
    EXPECT_EQ(SnapDrag(drag, flags), c.place) << c.what;
    EXPECT_EQ(flags, c.after) << c.what;
  }
}

}  // namespace
}  // namespace discfront::about
