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

// Nothing when the file is not a valid PNG of that kind; `why` then says what is wrong.
inline std::optional<DecodedPng> DecodePng(const std::vector<std::uint8_t>& file, std::string& why) {
  auto fail = [&why](const char* reason) { why = reason; return std::nullopt; };
  auto be32 = [](const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
  };
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) return fail("no PNG signature");
  DecodedPng png;
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  for (std::size_t at = 8; at < file.size() && !ended;) {
    if (at + 12 > file.size()) return fail("truncated chunk");
    const std::uint32_t length = be32(file, at);
    if (at + 12 + length > file.size()) return fail("chunk runs past the end");
    const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           file.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::span<const std::uint8_t> typeAndData(file.data() + at + 4, length + 4);
    if (Crc32(typeAndData) != be32(file, at + 8 + length)) return fail("bad chunk CRC");
    const auto data = typeAndData.subspan(4);
    if (type == "IHDR") {
      png.width = static_cast<int>(be32(file, at + 8));
      png.height = static_cast<int>(be32(file, at + 12));
      if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) return fail("not 8-bit RGB");
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), data.begin(), data.end());
    }
    ended = type == "IEND";
    at += 12 + length;
  }
  if (!ended) return fail("no IEND");
  if (zlib.size() < 6 || ((zlib[0] << 8) | zlib[1]) % 31 != 0 || (zlib[0] & 0x0F) != 8) return fail("bad zlib header");
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    if (at + 5 > zlib.size()) return fail("truncated deflate block");
    last = (zlib[at] & 1) != 0;
    if ((zlib[at] >> 1) != 0) return fail("not a stored block");
    const unsigned length = zlib[at + 1] | (zlib[at + 2] << 8);
    const unsigned complement = zlib[at + 3] | (zlib[at + 4] << 8);
    if ((length ^ 0xFFFF) != complement) return fail("bad stored length");
    at += 5;
    if (at + length > zlib.size()) return fail("stored block runs past the end");
    raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at),
               zlib.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  }
  if (at + 4 != zlib.size() || Adler32(raw) != be32(zlib, at)) return fail("bad Adler-32");
  const std::size_t rowBytes = static_cast<std::size_t>(png.width) * 3;
  if (raw.size() != (rowBytes + 1) * static_cast<std::size_t>(png.height)) return fail("wrong amount of pixel data");
  for (int y = 0; y < png.height; ++y) {
    const auto row = raw.begin() + static_cast<std::ptrdiff_t>(y * (rowBytes + 1));
    if (*row != 0) return fail("filter other than none");
    png.rgb.insert(png.rgb.end(), row + 1, row + 1 + static_cast<std::ptrdiff_t>(rowBytes));
  }
  return png;
}

}  // namespace uidriver::testing
