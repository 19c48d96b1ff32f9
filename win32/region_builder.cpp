// Fast regions from bitmaps: one GetDIBits, one scan, rectangle lists merged pairwise.
#include "win32/region_builder.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "base/picture_limits.h"

namespace win32 {
namespace {

// Pixels of a row as 0x00RRGGBB, from 32-bit or 24-bit rows.
struct Bgra32 {
  static DWORD At(const unsigned char* row, int x) { return reinterpret_cast<const DWORD*>(row)[x] & 0x00FFFFFF; }
};
struct Bgr24 {
  static DWORD At(const unsigned char* row, int x) {
    const unsigned char* p = row + x * 3;
    return p[0] | (p[1] << 8) | (p[2] << 16);
  }
};

// The runs of kept pixels of one row, as [left, right) pairs. This loop reads every
// pixel of a skin while the window is being made, so it alone is compiled for speed
// where the programs are compiled for size.
template <typename Format>
__attribute__((optimize("O2"))) void RowRuns(const unsigned char* row, int width, DWORD key, std::vector<int>& runs) {
  runs.clear();
  int x = 0;
  while (x < width) {
    while (x < width && Format::At(row, x) == key) ++x;
    if (x == width) break;
    const int left = x;
    while (x < width && Format::At(row, x) != key) ++x;
    runs.push_back(left);
    runs.push_back(x);
  }
}

UniqueRegion RegionOfRects(const RECT* rects, std::size_t count, int width, int height) {
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(count);
  header->nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  header->rcBound = {0, 0, width, height};
  std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects, header->nRgnSize);
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
}

template <typename Format>
Outline OutlineOfRows(const unsigned char* firstRow, std::ptrdiff_t rowStep, int width, int height, COLORREF key) {
  // Bitmap bits are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
  const DWORD keyPixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  Outline outline{{}, width, height};
  std::vector<RECT>& rects = outline.rects;
  std::vector<int> runs, previous;
  std::size_t openFrom = 0;  // rectangles of the previous band start here
  for (int y = 0; y < height; ++y) {
    RowRuns<Format>(firstRow + y * rowStep, width, keyPixel, runs);
    if (y > 0 && runs == previous) {
      // The same runs as the row above: grow that band instead of adding rectangles.
      for (std::size_t i = openFrom; i < rects.size(); ++i) rects[i].bottom = y + 1;
      continue;
    }
    openFrom = rects.size();
    for (std::size_t i = 0; i < runs.size(); i += 2) rects.push_back({runs[i], y, runs[i + 1], y + 1});
    previous.swap(runs);
  }
  return outline;
}

// Whether a DIB section's bits begin with the top row. A negative height in its header
// says so; a positive one is what the system reports for either order, so then the
// bitmap's own copy of its first rows (GetBitmapBits hands them out top row first, rows
// padded to two bytes, with no device context) is compared at a pixel where the first
// and the last rows in memory differ. nullopt: it cannot be read.
template <typename Format>
std::optional<bool> BitsStartAtTop(HBITMAP bitmap, const DIBSECTION& section) {
  if (section.dsBmih.biHeight < 0) return true;
  const int width = section.dsBm.bmWidth;
  const int height = section.dsBm.bmHeight;
  const auto* bits = static_cast<const unsigned char*>(section.dsBm.bmBits);
  const std::ptrdiff_t stride = section.dsBm.bmWidthBytes;
  const std::ptrdiff_t copyStride = (static_cast<std::ptrdiff_t>(width) * section.dsBm.bmBitsPixel + 15) / 16 * 2;
  for (int k = 0; k < height / 2; ++k) {
    const unsigned char* first = bits + k * stride;
    const unsigned char* last = bits + (height - 1 - k) * stride;
    for (int x = 0; x < width; ++x) {
      if (Format::At(first, x) == Format::At(last, x)) continue;
      std::vector<unsigned char> copy(static_cast<std::size_t>((k + 1) * copyStride));
      const LONG bytes = static_cast<LONG>(copy.size());
      if (GetBitmapBits(bitmap, bytes, copy.data()) != bytes) return std::nullopt;
      return Format::At(copy.data() + k * copyStride, x) == Format::At(first, x);
    }
  }
  return true;  // symmetric top to bottom: either order gives the same region
}

template <typename Format>
std::optional<Outline> OutlineOfSection(HBITMAP bitmap, const DIBSECTION& section, COLORREF key) {
  const int width = section.dsBm.bmWidth;
  const int height = section.dsBm.bmHeight;
  const auto* bits = static_cast<const unsigned char*>(section.dsBm.bmBits);
  const std::ptrdiff_t stride = section.dsBm.bmWidthBytes;
  const std::optional<bool> topDown = BitsStartAtTop<Format>(bitmap, section);
  if (!topDown) return std::nullopt;
  if (*topDown) return OutlineOfRows<Format>(bits, stride, width, height, key);
  return OutlineOfRows<Format>(bits + (height - 1) * stride, -stride, width, height, key);
}

}  // namespace

UniqueRegion RegionOfOutline(const Outline& outline) {
  const std::vector<RECT>& rects = outline.rects;
  if (rects.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
  // Some ExtCreateRegion implementations add rectangle by rectangle, which grows as
  // the square of their number; small pieces, merged pairwise,
  // keep the whole build near linear everywhere.
  constexpr std::size_t kPiece = 32;
  std::vector<UniqueRegion> pieces;
  for (std::size_t from = 0; from < rects.size(); from += kPiece) {
    const std::size_t count = std::min(kPiece, rects.size() - from);
    UniqueRegion piece = RegionOfRects(rects.data() + from, count, outline.width, outline.height);
    if (!piece) return UniqueRegion();
    pieces.push_back(std::move(piece));
  }
  while (pieces.size() > 1) {
    std::vector<UniqueRegion> merged;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
      if (CombineRgn(pieces[i].get(), pieces[i].get(), pieces[i + 1].get(), RGN_OR) == ERROR) return UniqueRegion();
      merged.push_back(std::move(pieces[i]));
    }
    if (pieces.size() % 2 == 1) merged.push_back(std::move(pieces.back()));
    pieces.swap(merged);
  }
  return std::move(pieces.front());
}

Outline OutlineOfPixels(const DWORD* pixels, int width, int height, COLORREF key) {
  return OutlineOfRows<Bgra32>(reinterpret_cast<const unsigned char*>(pixels), static_cast<std::ptrdiff_t>(width) * 4,
                               width, height, key);
}

UniqueRegion BuildRegionFromPixels(const DWORD* pixels, int width, int height, COLORREF key) {
  return RegionOfOutline(OutlineOfPixels(pixels, width, height, key));
}

UniqueRegion BuildRegionFromBitmap(HBITMAP bitmap, COLORREF key) {
  const std::optional<Outline> outline = OutlineOfBitmap(bitmap, key);
  return outline ? RegionOfOutline(*outline) : UniqueRegion();
}

std::optional<Outline> OutlineOfBitmap(HBITMAP bitmap, COLORREF key) {
  DIBSECTION section{};
  const int got = bitmap == nullptr ? 0 : GetObjectW(bitmap, sizeof section, &section);
  if (got == 0) return std::nullopt;
  const int width = section.dsBm.bmWidth;
  const int height = section.dsBm.bmHeight;
  // Within the caps a copy of the pixels has a byte count far inside a LONG.
  if (width <= 0 || height <= 0 || !discfront::PixelsWithinCaps(width, height)) return std::nullopt;
  if (got == sizeof(DIBSECTION) && section.dsBm.bmBits != nullptr && section.dsBmih.biCompression == BI_RGB &&
      (section.dsBm.bmBitsPixel == 32 || section.dsBm.bmBitsPixel == 24)) {
    // A DIB section: its bits are read where they are, without a copy.
    GdiFlush();
    std::optional<Outline> outline = section.dsBm.bmBitsPixel == 32 ? OutlineOfSection<Bgra32>(bitmap, section, key)
                                                                    : OutlineOfSection<Bgr24>(bitmap, section, key);
    if (outline) return outline;
  }
  // A fresh buffer of a whole bitmap costs more to fault in than the scan itself, so
  // one scratch buffer per thread is kept and reused, as long as it is not large.
  thread_local std::vector<DWORD> pixels;
  constexpr std::size_t kKeptPixels = std::size_t{1} << 21;  // 8 MiB: a full-HD skin
  struct Release {
    ~Release() {
      if (pixels.capacity() > kKeptPixels) std::vector<DWORD>().swap(pixels);
    }
  } release;
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const LONG bytes = static_cast<LONG>(pixels.size() * sizeof(DWORD));
  auto outlineOfPixels = [&] {
    return OutlineOfRows<Bgra32>(reinterpret_cast<const unsigned char*>(pixels.data()),
                                 static_cast<std::ptrdiff_t>(width) * 4, width, height, key);
  };
  if (got != sizeof(DIBSECTION) && section.dsBm.bmBitsPixel == 32 && section.dsBm.bmWidthBytes == width * 4) {
    // A device bitmap of 32 bits: its rows as they are, top first, with no device context.
    if (GetBitmapBits(bitmap, bytes, pixels.data()) == bytes) return outlineOfPixels();
  }
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;  // top row first
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  MemoryDc dc(nullptr);
  if (GetDIBits(dc.get(), bitmap, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS) != height) return std::nullopt;
  return outlineOfPixels();
}

}  // namespace win32
