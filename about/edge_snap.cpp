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
  if (x - drag.areaLeft >= kSnapDistance) flags.left = false;
  if (x - drag.areaLeft <= kSnapDistance) {
    place.left = drag.areaLeft;
    flags.left = true;
  }
  if (y - drag.areaTop >= kSnapDistance) flags.top = false;
  if (y - drag.areaTop <= kSnapDistance) {
    place.top = drag.areaTop;
    flags.top = true;
  }
  const int rightLimit = drag.areaRight - drag.width - kSnapDistance;
  if (rightLimit >= x) flags.right = false;
  if (rightLimit <= x) {
    place.left = drag.areaRight - drag.width;
    flags.right = true;
  }
  const int bottomLimit = drag.areaBottom - kSnapDistance;
  flags.bottom = drag.height + y > bottomLimit;
  if (flags.bottom) place.top = drag.areaBottom - drag.height;

  if (!flags.top && !flags.bottom) place.top = y;
  if (!flags.left && !flags.right) place.left = x;
  return place;
}

}  // namespace discfront::about
