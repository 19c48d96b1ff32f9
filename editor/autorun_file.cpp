#include "autorun_file.h"

namespace discfront::editor {

std::string AutorunFileBytes(std::wstring_view label) {
  std::wstring text = L"\uFEFF[autorun]\r\nopen=discfront.exe\r\nicon=discfront.exe\r\nlabel=";
  for (std::size_t i = 0; i < label.size(); ++i) {
    const wchar_t ch = label[i];
    if (ch == L'\r' && i + 1 < label.size() && label[i + 1] == L'\n') continue;  // CR LF is one break
    text += (ch == L'\r' || ch == L'\n') ? L' ' : ch;
  }
  text += L"\r\n";
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (wchar_t ch : text) {  // UTF-16 little-endian: wchar_t holds UTF-16 units on Windows
    const auto unit = static_cast<char16_t>(ch);
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::wstring DefaultAutorunLabel(std::wstring_view discFolder) {
  while (!discFolder.empty() && (discFolder.back() == L'\\' || discFolder.back() == L'/')) {
    discFolder.remove_suffix(1);
  }
  const std::size_t slash = discFolder.find_last_of(L"\\/");
  std::wstring_view name = slash == std::wstring_view::npos ? discFolder : discFolder.substr(slash + 1);
  if (!name.empty() && name.back() == L':') return {};  // "D:" is a drive, not a name
  return std::wstring(name);
}

}  // namespace discfront::editor
