#include "base/picture_limits.h"

#include <optional>

namespace discfront {
namespace {

struct Pixels {
  std::int64_t width;
  std::int64_t height;
};

std::uint32_t Le(std::string_view b, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(b[at + i]);
  return value;
}

std::uint32_t Be(std::string_view b, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = (value << 8) | static_cast<unsigned char>(b[at + i]);
  return value;
}

std::int64_t Magnitude(std::int32_t v) { return v < 0 ? -static_cast<std::int64_t>(v) : v; }

std::optional<Pixels> BmpPixels(std::string_view b) {
  if (b.size() < 26 || !b.starts_with("BM")) return std::nullopt;
  if (Le(b, 14, 4) == 12) return Pixels{Le(b, 18, 2), Le(b, 20, 2)};  // the old core header
  // Negative heights are top-down images; a negative width is nonsense but as large.
  return Pixels{Magnitude(static_cast<std::int32_t>(Le(b, 18, 4))),
                Magnitude(static_cast<std::int32_t>(Le(b, 22, 4)))};
}

std::optional<Pixels> PngPixels(std::string_view b) {
  if (b.size() < 24 || !b.starts_with("\x89PNG\r\n\x1a\n") || b.substr(12, 4) != "IHDR") return std::nullopt;
  return Pixels{Be(b, 16, 4), Be(b, 20, 4)};
}

std::optional<Pixels> GifPixels(std::string_view b) {
  if (b.size() < 10 || !(b.starts_with("GIF87a") || b.starts_with("GIF89a"))) return std::nullopt;
  return Pixels{Le(b, 6, 2), Le(b, 8, 2)};  // the logical screen every frame is drawn on
}

// The frame header (SOFn) of a JPEG file, found by walking its segments.
std::optional<Pixels> JpegPixels(std::string_view b) {
  if (b.size() < 4 || static_cast<unsigned char>(b[0]) != 0xFF || static_cast<unsigned char>(b[1]) != 0xD8) {
    return std::nullopt;
  }
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (static_cast<unsigned char>(b[at]) != 0xFF) return std::nullopt;
    const auto marker = static_cast<unsigned char>(b[at + 1]);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xDA) return std::nullopt;  // the scan begins: no frame header before it
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 > b.size()) return std::nullopt;
      return Pixels{Be(b, at + 7, 2), Be(b, at + 5, 2)};
    }
    at += 2 + Be(b, at + 2, 2);
  }
  return std::nullopt;
}

}  // namespace

bool PixelsWithinCaps(std::int64_t width, std::int64_t height) {
  // Each side is checked before the product, which then cannot overflow.
  return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

PictureFit FitOfPictureFile(std::uint64_t fileBytes, std::string_view head) {
  if (fileBytes > kMaxPictureFileBytes) return PictureFit::kFileTooLarge;
  std::optional<Pixels> pixels = BmpPixels(head);
  if (!pixels) pixels = PngPixels(head);
  if (!pixels) pixels = GifPixels(head);
  if (!pixels) pixels = JpegPixels(head);
  if (pixels && !PixelsWithinCaps(pixels->width, pixels->height)) return PictureFit::kTooManyPixels;
  return PictureFit::kFits;
}

OutlineFit FitOfOutline(std::size_t rectangles) {
  if (rectangles == 0) return OutlineFit::kEmpty;
  return rectangles > kMaxOutlineRectangles ? OutlineFit::kTooComplex : OutlineFit::kUsable;
}

}  // namespace discfront
