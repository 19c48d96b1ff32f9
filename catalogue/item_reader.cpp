// Item reading works on the file's bytes: every character it looks at is ASCII,
// which Windows-1251 and UTF-8 keep as it is, so decoding comes item by item.
#include "catalogue/item_reader.h"

#include <cstring>

#include "base/cp1251.h"
#include "base/file_encoding.h"
#include "base/utf8.h"

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

namespace {

// Appends bytes as they are.
struct ByteSink {
  std::string& out;
  void Append(std::string_view s, std::size_t pos, std::size_t count) { out.append(s, pos, count); }
};

struct Cp1251Table {
  wchar_t chars[256];
  Cp1251Table() {
    for (int b = 0; b < 256; ++b) chars[b] = DecodeCp1251Byte(static_cast<unsigned char>(b));
  }
};

// Decodes Windows-1251 bytes on the way, so that no joined byte copy is made.
struct Cp1251DecodingSink {
  std::wstring& out;
  void Append(std::string_view s, std::size_t pos, std::size_t count) {
    static const Cp1251Table table;
    const std::size_t at = out.size();
    out.resize(at + count);
    wchar_t* to = out.data() + at;
    const char* from = s.data() + pos;
    for (std::size_t i = 0; i < count; ++i) to[i] = table.chars[static_cast<unsigned char>(from[i])];
  }
};

struct Utf8DecodingSink {
  std::wstring& out;
  void Append(std::string_view s, std::size_t pos, std::size_t count) { AppendUtf8(s.substr(pos, count), out); }
};

template <typename Sink>
void JoinInto(std::string_view s, Sink joined) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    while (pos < s.size() && s[pos] == ' ') ++pos;
    if (pos < s.size() && s[pos] == '"') {
      const std::size_t open = pos + 1;
      const void* close = std::memchr(s.data() + open, '"', s.size() - open);
      if (close == nullptr) {
        joined.Append(s, open, s.size() - open);
        break;
      }
      const auto closeAt = static_cast<std::size_t>(static_cast<const char*>(close) - s.data());
      joined.Append(s, open, closeAt - open);
      pos = closeAt + 1;
    }
    const std::size_t end = FindUnquotedEnd(s, pos);
    joined.Append(s, pos, end - pos);
    pos = SkipTerminator(s, end);
  }
}

}  // namespace

std::string JoinItemBytes(std::string_view fileBytes) {
  std::string joined;
  joined.reserve(fileBytes.size());
  JoinInto(FileBody(fileBytes), ByteSink{joined});
  return joined;
}

std::wstring JoinItems(std::string_view fileBytes) {
  std::wstring joined;
  joined.reserve(fileBytes.size());
  if (DetectFileEncoding(fileBytes) == FileEncoding::kUtf8) {
    JoinInto(FileBody(fileBytes), Utf8DecodingSink{joined});
  } else {
    JoinInto(fileBytes, Cp1251DecodingSink{joined});
  }
  return joined;
}

}  // namespace discfront
