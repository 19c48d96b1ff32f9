// A whole number as wide decimal text, as std::to_wstring writes it. std::to_wstring
// formats through the C library's wide printf, which mingw-w64 links in whole (about
// 13 KB of a 32-bit program); the digits need none of it.
#pragma once

#include <string>

namespace discfront {

inline std::wstring DecimalText(long long value) {
  const std::string digits = std::to_string(value);
  return std::wstring(digits.begin(), digits.end());
}

}  // namespace discfront
