// The button as an accessibility client reads it.
#include "buttonex/accessible_facts.h"

#include "buttonex/access_key.h"
#include "buttonex/button_model.h"

namespace discfront::buttonex {

std::wstring AccessibleName(std::wstring_view caption) {
  std::wstring name;
  name.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != L'&') {
      name += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == L'&') {
      name += L'&';
      ++i;
    }
  }
  return name;
}

std::wstring KeyboardShortcut(std::wstring_view accessKey) {
  if (accessKey.size() != 1) return {};
  // Key names read the same in every language.
  return L"Alt+" + std::wstring(1, UpperLetter(accessKey[0]));
}

std::uint32_t AccessibleStateOf(const ButtonModel& model, const WindowFacts& window) {
  std::uint32_t state = 0;
  if (!model.Enabled()) {
    state |= kAccUnavailable;
  } else {
    state |= kAccFocusable;
    if (model.State() == 0) state |= kAccPressed;
  }
  if (window.focused) state |= kAccFocused;
  if (window.isDefault) state |= kAccDefault;
  if (!window.visible) state |= kAccInvisible;
  return state;
}

}  // namespace discfront::buttonex
