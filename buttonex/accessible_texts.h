// The texts an accessibility client reads of a button.
#pragma once

namespace discfront::buttonex {

inline constexpr wchar_t kDefaultActionText[] = L"Нажать";
inline constexpr wchar_t kShortcutPrefix[] = L"Alt+";

}  // namespace discfront::buttonex
