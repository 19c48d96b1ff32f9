#include "autorun_file.h"

namespace discfront::editor {
namespace {

// A value of an .inf file is one line.
std::wstring OneLine(std::wstring_view text) {
  std::wstring line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t ch = text[i];
    if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;  // CR LF is one break
    line += (ch == L'\r' || ch == L'\n') ? L' ' : ch;
  }
  return line;
}

}  // namespace

std::string AutorunFileBytes(std::wstring_view label) {
  const std::wstring title = OneLine(label);
  // The system's autoplay of a removable drive shows the action and offers nothing without one.
  const std::wstring action = title.empty() ? std::wstring(kLauncherTitle) : title;
  const std::wstring text = L"\uFEFF[autorun]\r\nopen=discfront.exe\r\nicon=discfront.exe\r\nlabel=" + title +
                            L"\r\naction=" + action + L"\r\n";
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
