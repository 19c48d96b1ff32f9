// Letter case of the names the programs compare: file extensions, device names, the
// settings file's names and values, manifest attributes. All of them are ASCII, so
// only A-Z and a-z are folded, the same in every locale and whatever the width of the
// text's characters (bytes, UTF-16 units, wchar_t).
#pragma once

#include <string_view>

namespace discfront {

template <typename Char>
constexpr Char AsciiLower(Char ch) {
  return ch >= 'A' && ch <= 'Z' ? static_cast<Char>(ch - 'A' + 'a') : ch;
}

// `text` is `ascii`, letters in either case.
template <typename Char>
constexpr bool EqualsIgnoringCase(std::basic_string_view<Char> text, std::string_view ascii) {
  if (text.size() != ascii.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != static_cast<Char>(AsciiLower(ascii[i]))) return false;
  }
  return true;
}

// `text` ends with `ascii`, letters in either case.
template <typename Char>
constexpr bool EndsWithIgnoringCase(std::basic_string_view<Char> text, std::string_view ascii) {
  return text.size() >= ascii.size() && EqualsIgnoringCase(text.substr(text.size() - ascii.size()), ascii);
}

}  // namespace discfront
