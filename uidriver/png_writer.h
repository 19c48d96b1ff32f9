// A minimal PNG encoder (8-bit RGB, zlib stored blocks): enough for screenshots a person looks at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace uidriver {

// CRC-32 as PNG chunks use it (polynomial 0xEDB88320), continued from `crc`.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
// Adler-32, the zlib stream's check value.
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

// The PNG file of an image given as rows of R, G, B bytes, top row first.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> rgb);

}  // namespace uidriver
