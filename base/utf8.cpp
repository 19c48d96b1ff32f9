#include "base/utf8.h"

#include <type_traits>

namespace discfront {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The code point of the well-formed sequence at bytes[pos] and its length, or a
// length of 0 when none starts there.
struct Sequence {
  char32_t cp;
  std::size_t length;
};

Sequence ReadSequence(const unsigned char* p, std::size_t left) {
  const unsigned char lead = p[0];
  std::size_t length;
  char32_t cp;
  char32_t lowest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07, lowest = 0x10000;
  } else {
    return {0, 0};
  }
  if (left < length) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(p[i])) return {0, 0};
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
  return {cp, length};
}

void AppendUtf8Bytes(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

void AppendUtf8(std::string_view bytes, std::wstring& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = bytes.size();
  // Sized for the worst case (one character per byte) and cut to what was read, so
  // that the loop writes without growing the string.
  const std::size_t at = out.size();
  out.resize(at + size);
  wchar_t* to = out.data() + at;
  std::size_t i = 0;
  while (i < size) {
    if (p[i] < 0x80) {
      *to++ = static_cast<wchar_t>(p[i++]);
      continue;
    }
    const Sequence s = ReadSequence(p + i, size - i);
    if (s.length == 0) {
      *to++ = static_cast<wchar_t>(kReplacement);
      ++i;
      continue;
    }
    if (kWideIsUtf16 && s.cp >= 0x10000) {
      const char32_t v = s.cp - 0x10000;
      *to++ = static_cast<wchar_t>(0xD800 + (v >> 10));
      *to++ = static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
    } else {
      *to++ = static_cast<wchar_t>(s.cp);
    }
    i += s.length;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
}

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring text;
  AppendUtf8(bytes, text);
  return text;
}

std::size_t EncodeUtf8(std::wstring_view text, std::string& out) {
  out.reserve(out.size() + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
    if (kWideIsUtf16 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const auto low = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i + 1]));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8Bytes(0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00), out);
        ++i;
        continue;
      }
    }
    if (IsSurrogate(cp) || cp > 0x10FFFF) return i;
    AppendUtf8Bytes(cp, out);
  }
  return std::wstring_view::npos;
}

}  // namespace discfront
