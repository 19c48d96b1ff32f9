// Window regions from bitmaps: every pixel except those of a key colour.
#pragma once

#include <windows.h>

#include "win32/handles.h"

#include <optional>
#include <vector>

namespace win32 {

// The outline of a bitmap's kept pixels: one rectangle per run of kept pixels, with
// runs of rows that are alike merged into one band, in the bitmap's pixel coordinates.
struct Outline {
  std::vector<RECT> rects;
  int width = 0;
  int height = 0;
};

// The outline of the bitmap's pixels that are not exactly key (a COLORREF). Nothing if
// the bitmap cannot be read or is larger than the picture caps.
std::optional<Outline> OutlineOfBitmap(HBITMAP bitmap, COLORREF key);

// The outline of pixels already read: width x height, 32 bits per pixel, top row
// first, each pixel 0x00RRGGBB as GetDIBits gives them.
Outline OutlineOfPixels(const DWORD* pixels, int width, int height, COLORREF key);

// The region of an outline (an empty one for no rectangles); null if it cannot be made.
UniqueRegion RegionOfOutline(const Outline& outline);

// The region of the bitmap's pixels that are not exactly key (a COLORREF), in the
// bitmap's own pixel coordinates. Reads the bits once and builds the region from
// rectangle lists (ExtCreateRegion), one rectangle per run of kept pixels, with runs
// of rows that are alike merged into one rectangle. Null if the bitmap cannot be read.
UniqueRegion BuildRegionFromBitmap(HBITMAP bitmap, COLORREF key);

// The same for pixels already read: width x height, 32 bits per pixel, top row first,
// each pixel 0x00RRGGBB as GetDIBits gives them.
UniqueRegion BuildRegionFromPixels(const DWORD* pixels, int width, int height, COLORREF key);

}  // namespace win32
