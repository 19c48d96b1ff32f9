// Item reading works on the file's bytes: every character it looks at is ASCII,
// and Windows-1251 keeps ASCII as it is, so decoding can come once, at the end.
#include "item_reader.h"

#include <cstring>

#include "cp1251.h"

namespace discfront {
namespace {

bool EndsUnquotedItem(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Past the comma or line end at pos, if there is one.
std::size_t SkipTerminator(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return pos;
  if (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

std::size_t FindUnquotedEnd(std::string_view s, std::size_t pos) {
  while (pos < s.size() && !EndsUnquotedItem(s[pos])) ++pos;
  return pos;
}

}  // namespace

std::string JoinItemBytes(std::string_view s) {
  std::string joined;
  joined.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    while (pos < s.size() && s[pos] == ' ') ++pos;
    if (pos < s.size() && s[pos] == '"') {
      const std::size_t open = pos + 1;
      const void* close = std::memchr(s.data() + open, '"', s.size() - open);
      if (close == nullptr) {
        joined.append(s, open);
        break;
      }
      const auto closeAt = static_cast<std::size_t>(static_cast<const char*>(close) - s.data());
      joined.append(s, open, closeAt - open);
      pos = closeAt + 1;
    }
    const std::size_t end = FindUnquotedEnd(s, pos);
    joined.append(s, pos, end - pos);
    pos = SkipTerminator(s, end);
  }
  return joined;
}

std::wstring JoinItems(std::string_view fileBytes) { return DecodeCp1251(JoinItemBytes(fileBytes)); }

}  // namespace discfront
