// The ASCII rules of the small texts the programs read: letter case of the names they
// compare (file extensions, device names, settings names and values, manifest
// attributes) and the blanks around a settings line's name and value. Only A-Z and a-z
// are folded, the same in every locale and whatever the width of the text's characters
// (bytes, UTF-16 units, wchar_t).
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

// `text` without the blanks, tabs and carriage returns at either end.
template <typename Char>
constexpr std::basic_string_view<Char> TrimBlanks(std::basic_string_view<Char> text) {
  const auto blank = [](Char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace discfront
