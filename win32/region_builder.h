// Window regions from bitmaps: every pixel except those of a key colour.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace win32 {

// The region of the bitmap's pixels that are not exactly key (a COLORREF), in the
// bitmap's own pixel coordinates. Reads the bits once and builds the region in one
// call from a rectangle list, one rectangle per run of kept pixels, with runs of
// rows that are alike merged into one rectangle. Null if the bitmap cannot be read.
UniqueRegion BuildRegionFromBitmap(HBITMAP bitmap, COLORREF key);

// The same for pixels already read: width x height, 32 bits per pixel, top row first,
// each pixel 0x00RRGGBB as GetDIBits gives them.
UniqueRegion BuildRegionFromPixels(const DWORD* pixels, int width, int height, COLORREF key);

}  // namespace win32
