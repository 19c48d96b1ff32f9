// The ten events of ButtonEx and their arguments.
#pragma once

#include <cstdint>
#include <string_view>

namespace discfront::buttonex {

// In their declared order.
enum class ButtonEvent { kClick, kKeyDown, kKeyPress, kKeyUp, kMouseDown, kMouseEnter, kMouseExit, kMouseMove, kMouseUp, kResize };

struct EventArgs {
  ButtonEvent event = ButtonEvent::kClick;
  // Button (1 left, 2 right, 4 middle) for mouse events, KeyCode for KeyDown/KeyUp,
  // KeyAscii for KeyPress.
  std::int16_t code = 0;
  std::int16_t shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt
  float x = 0;             // twips from the control's top left corner
  float y = 0;
  bool operator==(const EventArgs&) const = default;
};

std::string_view EventName(ButtonEvent e);

}  // namespace discfront::buttonex
