// Whole numbers in file images, as their formats store them. A read past the end of
// the bytes gives 0 rather than reading on: the parsers check lengths where a value
// matters, and a header cut short then promises nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace discfront {

// `size` (1 to 4) bytes at `at`, least significant first.
inline std::uint32_t LittleEndianAt(std::string_view b, std::size_t at, int size) {
  if (at > b.size() || b.size() - at < static_cast<std::size_t>(size)) return 0;
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(b[at + i]);
  return value;
}

// `size` (1 to 4) bytes at `at`, most significant first.
inline std::uint32_t BigEndianAt(std::string_view b, std::size_t at, int size) {
  if (at > b.size() || b.size() - at < static_cast<std::size_t>(size)) return 0;
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = (value << 8) | static_cast<unsigned char>(b[at + i]);
  return value;
}

}  // namespace discfront
