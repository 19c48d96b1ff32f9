// The launcher's two mouse records, shared by its main window and its About dialog:
// where the last press landed and where the cursor was last seen, both in pixels
// (the press within the pressed window's inside area, the cursor on the screen).
// The About dialog's drag reads both.
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

struct MouseRecords {
  PressPoint pressPoint;
  CursorPoint cursorPoint;
};

// The process-wide records: the main window and the About dialog write them, and
// they keep their values between openings of the dialog.
MouseRecords& SharedMouseRecords();

}  // namespace discfront::about
