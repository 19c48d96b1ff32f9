// Event names, as the container's handlers know them.
#include "buttonex/button_events.h"

#include <array>

namespace discfront::buttonex {

std::string_view EventName(ButtonEvent e) {
  static constexpr std::array<std::string_view, 10> kNames = {
      "Click", "KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "Resize"};
  return kNames[static_cast<std::size_t>(e)];
}

}  // namespace discfront::buttonex
