// Fast regions from bitmaps: one GetDIBits, one scan, one ExtCreateRegion.
#include "win32/region_builder.h"

#include <cstring>
#include <vector>

namespace win32 {
namespace {

// The runs of kept pixels of one row, as [left, right) pairs.
void RowRuns(const DWORD* row, int width, DWORD key, std::vector<int>& runs) {
  runs.clear();
  int x = 0;
  while (x < width) {
    while (x < width && (row[x] & 0x00FFFFFF) == key) ++x;
    if (x == width) break;
    const int left = x;
    while (x < width && (row[x] & 0x00FFFFFF) != key) ++x;
    runs.push_back(left);
    runs.push_back(x);
  }
}

}  // namespace

UniqueRegion BuildRegionFromPixels(const DWORD* pixels, int width, int height, COLORREF key) {
  // GetDIBits gives 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
  const DWORD keyPixel = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  std::vector<RECT> rects;
  std::vector<int> runs, previous;
  std::size_t openFrom = 0;  // rectangles of the previous band start here
  for (int y = 0; y < height; ++y) {
    RowRuns(pixels + static_cast<std::size_t>(y) * width, width, keyPixel, runs);
    if (y > 0 && runs == previous) {
      // The same runs as the row above: grow that band instead of adding rectangles.
      for (std::size_t i = openFrom; i < rects.size(); ++i) rects[i].bottom = y + 1;
      continue;
    }
    openFrom = rects.size();
    for (std::size_t i = 0; i < runs.size(); i += 2) rects.push_back({runs[i], y, runs[i + 1], y + 1});
    previous.swap(runs);
  }
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header->rcBound = {0, 0, width, height};
  if (!rects.empty()) std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects.data(), header->nRgnSize);
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
}

UniqueRegion BuildRegionFromBitmap(HBITMAP bitmap, COLORREF key) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return UniqueRegion();
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;  // top row first
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
  WindowDc screen(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS) != height) {
    return UniqueRegion();
  }
  return BuildRegionFromPixels(pixels.data(), width, height, key);
}

}  // namespace win32
