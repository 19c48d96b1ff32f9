// The launcher's two mouse records, shared by its main window and its About dialog:
// where the last press landed (in the pressed window's own units) and where the
// cursor was last seen on the screen. The About dialog's drag reads both.
#pragma once

#include <cstdint>

namespace discfront::about {

struct PressPoint {
  std::int16_t x = 0;
  std::int16_t y = 0;
  bool operator==(const PressPoint&) const = default;
};

struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const CursorPoint&) const = default;
};

struct MouseRecords {
  PressPoint pressPoint;
  CursorPoint cursorPoint;
};

// A press position rounded to the nearest whole number, halves to the even
// neighbour. A position beyond the 16-bit range (a press far out on a huge skin,
// measured in twips) is held at the nearest end of the range instead of failing.
PressPoint RoundPressPoint(double x, double y);

// The process-wide records: the main window and the About dialog write them, and
// they keep their values between openings of the dialog.
MouseRecords& SharedMouseRecords();

}  // namespace discfront::about
