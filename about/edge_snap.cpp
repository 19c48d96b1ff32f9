#include "about/edge_snap.h"

namespace discfront::about {

namespace {
constexpr int kSnapDistance = 10;
}  // namespace

WindowPlace SnapDrag(const DragGeometry& drag, EdgeFlags& flags) {
  const int x = drag.cursor.x - drag.press.x - drag.insideLeft;
  const int y = drag.cursor.y - drag.press.y - drag.insideTop;
  WindowPlace place{x, y};

  // Each test clears its flag first and may set it again at the boundary itself.
  if (x >= kSnapDistance) flags.left = false;
  if (x <= kSnapDistance) {
    place.left = 0;
    flags.left = true;
  }
  if (y >= kSnapDistance) flags.top = false;
  if (y <= kSnapDistance) {
    place.top = 0;
    flags.top = true;
  }
  const int rightLimit = drag.screenWidth - drag.width - kSnapDistance;
  if (rightLimit >= x) flags.right = false;
  if (rightLimit <= x) {
    place.left = drag.screenWidth - drag.width;
    flags.right = true;
  }
  const int bottomLimit = drag.screenHeight - kSnapDistance;
  flags.bottom = drag.height + y > bottomLimit;
  if (flags.bottom) place.top = drag.screenHeight - drag.height;

  if (!flags.top && !flags.bottom) place.top = y;
  if (!flags.left && !flags.right) place.left = x;
  return place;
}

}  // namespace discfront::about
