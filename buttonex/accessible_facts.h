// What an accessibility client reads of a button, worked out without a window: the
// name and keyboard shortcut its caption gives, and the state bits its model holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace discfront::buttonex {

class ButtonModel;

// The state bits of an accessible object, with the values the system gives them.
enum AccessibleState : std::uint32_t {
  kAccUnavailable = 0x1,
  kAccFocused = 0x4,
  kAccPressed = 0x8,
  kAccDefault = 0x100,
  kAccInvisible = 0x8000,
  kAccFocusable = 0x100000,
};

// The caption as it reads: every single "&" (the access-key mark) dropped, "&&" read as "&".
std::wstring AccessibleName(std::wstring_view caption);

// "Alt+" and the access key in capitals, or empty when the button has no access key.
std::wstring KeyboardShortcut(std::wstring_view accessKey);

// What the window adds to the model: where the keyboard is and whether it is shown.
struct WindowFacts {
  bool focused = false;
  bool visible = true;
  bool isDefault = false;
};

// The state bits of the button as it is now: drawn pressed (a press, or a toggle latched
// down), disabled, focused, the container's default button, hidden.
std::uint32_t AccessibleStateOf(const ButtonModel& model, const WindowFacts& window);

}  // namespace discfront::buttonex
