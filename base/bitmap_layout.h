// Where the parts of a BMP file image lie, checked against the image's length, so
// that a bitmap can be handed to the system's bitmap calls without them reading
// past the end of the bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace discfront {

struct BitmapLayout {
  std::size_t infoOffset;  // the info header and its colour table
  std::size_t bitsOffset;  // the rows of pixels
  int width;               // pixels
  int height;              // pixels, always positive (top-down images too)
};

// The layout of an uncompressed BMP image with an info header of 40 bytes or more,
// whose colour table and every row lie inside the bytes. Anything else (other
// headers, compressed rows, short or inconsistent files) gives nothing: such images
// are left to the system's general picture decoder, which decides about them.
std::optional<BitmapLayout> PlainBitmapLayout(std::string_view bytes);

}  // namespace discfront
