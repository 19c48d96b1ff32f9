#include "base/picture_limits.h"

#include <vector>

#include "base/file_numbers.h"

namespace discfront {
namespace {

struct Pixels {
  std::int64_t width;
  std::int64_t height;
};
// Every size a file's headers promise: the picture's, and each frame's or image's in it.
using Promised = std::vector<Pixels>;

std::uint32_t Le(std::string_view b, std::size_t at, int size) { return LittleEndianAt(b, at, size); }
std::uint32_t Be(std::string_view b, std::size_t at, int size) { return BigEndianAt(b, at, size); }

std::int64_t Magnitude(std::int64_t v) { return v < 0 ? -v : v; }
std::int64_t SignedLe(std::string_view b, std::size_t at, int size) {
  const std::uint32_t v = Le(b, at, size);
  return size == 2 ? static_cast<std::int16_t>(v) : static_cast<std::int32_t>(v);
}

bool BmpPixels(std::string_view b, Promised& sizes) {
  if (b.size() < 26 || !b.starts_with("BM")) return false;
  if (Le(b, 14, 4) == 12) {  // the old core header
    sizes.push_back({Le(b, 18, 2), Le(b, 20, 2)});
    return true;
  }
  // Negative heights are top-down images; a negative width is nonsense but as large.
  sizes.push_back({Magnitude(SignedLe(b, 18, 4)), Magnitude(SignedLe(b, 22, 4))});
  return true;
}

bool PngPixels(std::string_view b, Promised& sizes) {
  if (b.size() < 24 || !b.starts_with("\x89PNG\r\n\x1a\n") || b.substr(12, 4) != "IHDR") return false;
  sizes.push_back({Be(b, 16, 4), Be(b, 20, 4)});
  return true;
}

// Past a chain of data sub-blocks (each a length byte and its bytes, the last of length 0).
bool SkipSubBlocks(std::string_view b, std::size_t& at) {
  while (at < b.size()) {
    const std::size_t length = static_cast<unsigned char>(b[at]);
    at += 1 + length;
    if (length == 0) return true;
  }
  return false;
}

// The logical screen, and each frame where it reaches on that screen: a decoder draws
// frames of their own size, which the screen's size does not bound.
bool GifPixels(std::string_view b, Promised& sizes) {
  if (b.size() < 10 || !(b.starts_with("GIF87a") || b.starts_with("GIF89a"))) return false;
  sizes.push_back({Le(b, 6, 2), Le(b, 8, 2)});
  auto colourTable = [](std::uint32_t flags) -> std::size_t { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; };
  std::size_t at = 13 + colourTable(Le(b, 10, 1));
  while (at < b.size()) {
    const auto block = static_cast<unsigned char>(b[at]);
    if (block == 0x21) {  // an extension: its label, then its sub-blocks
      at += 2;
    } else if (block == 0x2C) {  // an image descriptor, its colour table, code size and data
      if (b.size() - at < 10) break;
      sizes.push_back({std::int64_t{Le(b, at + 1, 2)} + Le(b, at + 5, 2), std::int64_t{Le(b, at + 3, 2)} + Le(b, at + 7, 2)});
      at += 10 + colourTable(Le(b, at + 9, 1)) + 1;
    } else {
      break;  // the trailer, or no block at all
    }
    if (!SkipSubBlocks(b, at)) break;
  }
  return true;
}

// Each image of an icon or cursor file: the directory says 0 for 256, and an image
// may be a whole PNG file whose header states its real size, or a bitmap whose info
// header counts the mask's rows too.
bool IconPixels(std::string_view b, Promised& sizes) {
  if (b.size() < 6 || Le(b, 0, 2) != 0 || (Le(b, 2, 2) != 1 && Le(b, 2, 2) != 2) || Le(b, 4, 2) == 0) return false;
  const std::uint32_t count = Le(b, 4, 2);
  for (std::size_t entry = 6; entry < 6 + std::size_t{16} * count && b.size() - entry >= 16; entry += 16) {
    const std::uint32_t offset = Le(b, entry + 12, 4);
    const std::string_view image = offset < b.size() ? b.substr(offset) : std::string_view();
    if (PngPixels(image, sizes)) continue;
    const std::uint32_t infoHeader = Le(image, 0, 4);
    if (image.size() >= 12 && (infoHeader == 40 || infoHeader == 108 || infoHeader == 124)) {
      sizes.push_back({Magnitude(SignedLe(image, 4, 4)), Magnitude(SignedLe(image, 8, 4)) / 2});
    }
  }
  return true;
}

// A metafile's frame, kept in 0.01 mm or in units of its own per inch, in pixels at the
// 1x resolution (96 dpi), as it is drawn at its own size.
std::int64_t FramePixels(std::int64_t extent, std::int64_t unitsPerInch) { return Magnitude(extent) * 96 / unitsPerInch; }

bool EnhancedMetafilePixels(std::string_view b, Promised& sizes) {
  if (b.size() < 44 || Le(b, 0, 4) != 1 || b.substr(40, 4) != " EMF") return false;
  // The bounds in device pixels (both edges inside), the frame in 0.01 mm.
  sizes.push_back({Magnitude(SignedLe(b, 16, 4) - SignedLe(b, 8, 4)) + 1,
                   Magnitude(SignedLe(b, 20, 4) - SignedLe(b, 12, 4)) + 1});
  sizes.push_back({FramePixels(SignedLe(b, 32, 4) - SignedLe(b, 24, 4), 2540),
                   FramePixels(SignedLe(b, 36, 4) - SignedLe(b, 28, 4), 2540)});
  return true;
}

// A placeable metafile's bounding box, in units of which it says how many make an inch.
bool PlaceableMetafilePixels(std::string_view b, Promised& sizes) {
  if (b.size() < 22 || Le(b, 0, 4) != 0x9AC6CDD7u) return false;
  const std::uint32_t unitsPerInch = Le(b, 14, 2);
  if (unitsPerInch == 0) return true;  // no size the decoder could draw it at
  sizes.push_back({FramePixels(SignedLe(b, 10, 2) - SignedLe(b, 6, 2), unitsPerInch),
                   FramePixels(SignedLe(b, 12, 2) - SignedLe(b, 8, 2), unitsPerInch)});
  return true;
}

// The frame header (SOFn) of a JPEG file, found by walking its segments.
bool JpegPixels(std::string_view b, Promised& sizes) {
  if (b.size() < 4 || static_cast<unsigned char>(b[0]) != 0xFF || static_cast<unsigned char>(b[1]) != 0xD8) {
    return false;
  }
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (static_cast<unsigned char>(b[at]) != 0xFF) return true;
    const auto marker = static_cast<unsigned char>(b[at + 1]);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xDA) return true;  // the scan begins: no frame header before it
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 <= b.size()) sizes.push_back({Be(b, at + 7, 2), Be(b, at + 5, 2)});
      return true;
    }
    at += 2 + Be(b, at + 2, 2);
  }
  return true;
}

}  // namespace

bool PixelsWithinCaps(std::int64_t width, std::int64_t height) {
  // Each side is checked before the product, which then cannot overflow.
  return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

PictureFit FitOfPictureFile(std::uint64_t fileBytes, std::string_view head) {
  if (fileBytes > kMaxPictureFileBytes) return PictureFit::kFileTooLarge;
  Promised sizes;
  for (auto* read : {BmpPixels, PngPixels, GifPixels, JpegPixels, IconPixels, EnhancedMetafilePixels,
                     PlaceableMetafilePixels}) {
    if (read(head, sizes)) break;
  }
  for (const Pixels& size : sizes) {
    if (!PixelsWithinCaps(size.width, size.height)) return PictureFit::kTooManyPixels;
  }
  return PictureFit::kFits;
}

OutlineFit FitOfOutline(std::size_t rectangles) {
  if (rectangles == 0) return OutlineFit::kEmpty;
  return rectangles > kMaxOutlineRectangles ? OutlineFit::kTooComplex : OutlineFit::kUsable;
}

}  // namespace discfront
