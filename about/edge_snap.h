// Where the launcher's About dialog goes while it is dragged by its background: it
// follows the pointer and sticks to an edge of its monitor's work area (the screen
// less the taskbar) it comes within 10 pixels of.
#pragma once

namespace discfront::about {

struct PressPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PressPoint&) const = default;
};

struct CursorPoint {
  int x = 0;
  int y = 0;
  bool operator==(const CursorPoint&) const = default;
};

// Which screen edges the dialog is stuck to; kept for the life of the process.
struct EdgeFlags {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  bool operator==(const EdgeFlags&) const = default;
};

struct DragGeometry {
  PressPoint press;    // where the drag began, in pixels within the dialog's inside area
  CursorPoint cursor;  // the pointer now, in screen pixels
  int insideLeft = 0;  // from the outer left edge to the inside area (the frame)
  int insideTop = 0;   // from the outer top edge to the inside area (frame and title bar)
  int width = 0;       // outer size
  int height = 0;
  // The work area of the monitor the dialog is on, in screen pixels; a monitor other
  // than the first has an origin other than 0, 0, and the taskbar's side is left out.
  int areaLeft = 0;
  int areaTop = 0;
  int areaRight = 0;
  int areaBottom = 0;
};

struct WindowPlace {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPlace&) const = default;
};

// One drag step: the outer place of the dialog, and the flags updated. The outer
// edges are placed so that the pressed point stays under the pointer (the frame is
// allowed for, so the dialog does not jump when a drag starts). Left, top and right
// snap at 10 pixels or nearer, the bottom only nearer than 10; the tests run left,
// top, right, bottom, so for a dialog larger than the area right and bottom win.
WindowPlace SnapDrag(const DragGeometry& drag, EdgeFlags& flags);

}  // namespace discfront::about
