// Windows-1251 tables: bytes 0x80..0xBF are irregular, 0xC0..0xFF are U+0410..U+044F.
#include "base/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace discfront {
namespace {

constexpr std::array<char16_t, 64> kHigh80 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98: 0x98 is unassigned
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// The irregular characters sorted by code point, for encoding.
struct ReverseEntry {
  char16_t ch;
  unsigned char byte;
};

constexpr std::array<ReverseEntry, 64> MakeReverse() {
  std::array<ReverseEntry, 64> table{};
  for (std::size_t i = 0; i < kHigh80.size(); ++i) {
    table[i] = {kHigh80[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(table.begin(), table.end(), [](ReverseEntry a, ReverseEntry b) { return a.ch < b.ch; });
  return table;
}

constexpr std::array<ReverseEntry, 64> kReverse = MakeReverse();

}  // namespace

wchar_t DecodeCp1251Byte(unsigned char byte) {
  if (byte < 0x80) return static_cast<wchar_t>(byte);
  if (byte >= 0xC0) return static_cast<wchar_t>(0x0410 + (byte - 0xC0));
  return static_cast<wchar_t>(kHigh80[byte - 0x80]);
}

std::wstring DecodeCp1251(std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text[i] = DecodeCp1251Byte(static_cast<unsigned char>(bytes[i]));
  }
  return text;
}

int EncodeCp1251Char(wchar_t ch) {
  const auto code = static_cast<unsigned long>(ch);
  if (code < 0x80) return static_cast<int>(code);
  if (code >= 0x0410 && code <= 0x044F) return static_cast<int>(0xC0 + (code - 0x0410));
  if (code > 0xFFFF) return -1;
  const auto it = std::lower_bound(kReverse.begin(), kReverse.end(), static_cast<char16_t>(code),
                                   [](ReverseEntry e, char16_t c) { return e.ch < c; });
  if (it != kReverse.end() && it->ch == code) return it->byte;
  return -1;
}

std::size_t EncodeCp1251(std::wstring_view text, std::string& out) {
  out.reserve(out.size() + text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int byte = EncodeCp1251Char(text[i]);
    if (byte < 0) return i;
    out.push_back(static_cast<char>(byte));
  }
  return std::wstring_view::npos;
}

}  // namespace discfront
