#include "win32/window_text.h"

namespace win32 {

std::wstring WindowText(HWND hwnd) {
  // The length may be larger than the text (for some controls it is an upper bound), so
  // the copy says how much there is.
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace win32
