#include "about/mouse_records.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace discfront::about {
namespace {

std::int16_t RoundToInt16(double v) {
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  if (std::isnan(v)) return 0;
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<std::int16_t>(std::clamp(std::nearbyint(v), kLow, kHigh));
}

}  // namespace

PressPoint RoundPressPoint(double x, double y) { return {RoundToInt16(x), RoundToInt16(y)}; }

MouseRecords& SharedMouseRecords() {
  static MouseRecords records;
  return records;
}

}  // namespace discfront::about
