// A stand-in PNG reader for the tests: checks every chunk's CRC and the zlib check sum,
// and decodes what the driver's writer produces (8-bit RGB, stored blocks, filter 0).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "uidriver/png_writer.h"

namespace uidriver::testing {

struct DecodedPng {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

inline std::uint32_t ReadBigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
         (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

// Nothing when the file is not a valid PNG of that kind; `why` then says what is wrong.
inline std::optional<DecodedPng> DecodePng(const std::vector<std::uint8_t>& file, std::string& why) {
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) {
    why = "no PNG signature";
    return std::nullopt;
  }
  DecodedPng png;
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  for (std::size_t at = 8; at < file.size() && !ended;) {
    if (at + 12 > file.size()) { why = "truncated chunk"; return std::nullopt; }
    const std::uint32_t length = ReadBigEndian(file, at);
    if (at + 12 + length > file.size()) { why = "chunk runs past the end"; return std::nullopt; }
    const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           file.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::span<const std::uint8_t> typeAndData(file.data() + at + 4, length + 4);
    if (Crc32(typeAndData) != ReadBigEndian(file, at + 8 + length)) {
      why = "bad CRC in " + type;
      return std::nullopt;
    }
    const auto data = typeAndData.subspan(4);
    if (type == "IHDR") {
      png.width = static_cast<int>(ReadBigEndian(file, at + 8));
      png.height = static_cast<int>(ReadBigEndian(file, at + 12));
      if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) {
        why = "not 8-bit RGB without interlace";
        return std::nullopt;
      }
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), data.begin(), data.end());
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (!ended) { why = "no IEND"; return std::nullopt; }
  if (zlib.size() < 6 || ((zlib[0] << 8) | zlib[1]) % 31 != 0 || (zlib[0] & 0x0F) != 8) {
    why = "bad zlib header";
    return std::nullopt;
  }
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    if (at + 5 > zlib.size()) { why = "truncated deflate block"; return std::nullopt; }
    last = (zlib[at] & 1) != 0;
    if ((zlib[at] >> 1) != 0) { why = "not a stored block"; return std::nullopt; }
    const unsigned length = zlib[at + 1] | (zlib[at + 2] << 8);
    const unsigned complement = zlib[at + 3] | (zlib[at + 4] << 8);
    if ((length ^ 0xFFFF) != complement) { why = "bad stored length"; return std::nullopt; }
    at += 5;
    if (at + length > zlib.size()) { why = "stored block runs past the end"; return std::nullopt; }
    raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at),
               zlib.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  }
  if (at + 4 != zlib.size() || Adler32(raw) != ReadBigEndian(zlib, at)) {
    why = "bad Adler-32";
    return std::nullopt;
  }
  const std::size_t rowBytes = static_cast<std::size_t>(png.width) * 3;
  if (raw.size() != (rowBytes + 1) * static_cast<std::size_t>(png.height)) {
    why = "wrong amount of pixel data";
    return std::nullopt;
  }
  for (int y = 0; y < png.height; ++y) {
    const auto row = raw.begin() + static_cast<std::ptrdiff_t>(y * (rowBytes + 1));
    if (*row != 0) { why = "filter other than none"; return std::nullopt; }
    png.rgb.insert(png.rgb.end(), row + 1, row + 1 + static_cast<std::ptrdiff_t>(rowBytes));
  }
  return png;
}

}  // namespace uidriver::testing
