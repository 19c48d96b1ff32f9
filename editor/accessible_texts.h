// What an accessibility client reads of the editor's controls beyond their own texts.
#pragma once

namespace discfront::editor {

inline constexpr wchar_t kPressAction[] = L"Нажать";

}  // namespace discfront::editor
