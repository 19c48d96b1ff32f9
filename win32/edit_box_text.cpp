#include "win32/edit_box_text.h"

namespace win32 {

std::wstring ReplaceLineBreaks(std::wstring_view text, std::wstring_view lineBreak) {
  std::wstring shown;
  shown.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t ch = text[i];
    if (ch != L'\r' && ch != L'\n') {
      shown += ch;
      continue;
    }
    if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    shown += lineBreak;
  }
  return shown;
}

}  // namespace win32
