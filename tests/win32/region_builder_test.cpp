// Regions from bitmaps: exactly the pixels not of the key colour, and no copy of a large
// bitmap's pixels left behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <tuple>

#include "win32/region_builder.h"

namespace win32 {
namespace {

using Shape = COLORREF (*)(int, int);
constexpr COLORREF kKey = RGB(255, 0, 255);

// Paints the shape into the bitmap, builds its region while the bitmap is in no device
// context (as the loader hands it over), and checks the region pixel by pixel.
void ExpectRegionOfKeptPixels(HBITMAP bitmap, int w, int h, Shape colour) {
  MemoryDc dc(nullptr);
  {
    SelectGuard select(dc.get(), bitmap);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) SetPixel(dc.get(), x, y, colour(x, y));
    }
  }
  UniqueRegion region = BuildRegionFromBitmap(bitmap, kKey);
  ASSERT_TRUE(region);
  RECT box{};
  GetRgnBox(region.get(), &box);
  EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= w && box.bottom <= h);
  SelectGuard select(dc.get(), bitmap);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(PtInRegion(region.get(), x, y) != FALSE, GetPixel(dc.get(), x, y) != kKey) << x << "," << y;
    }
  }
}

TEST(RegionBuilder, HoldsExactlyThePixelsNotOfTheKeyColour) {
  const Shape disc = [](int x, int y) { return (x - 32) * (x - 32) + (y - 24) * (y - 24) < 400 ? RGB(1, 2, 3) : kKey; };
  const Shape scatter = [](int x, int y) { return (x * 7 + y * 13) % 5 == 0 ? kKey : RGB(0, 0, 0); };
  const Shape allKey = [](int, int) { return kKey; };
  const Shape nearKey = [](int, int) { return RGB(255, 0, 254); };
  const Shape corner = [](int x, int y) { return x + y < 15 ? RGB(10, 20, 30) : kKey; };  // asymmetric
  // Asymmetric only from the fourth row: the row order is told further in.
  const Shape band = [](int x, int y) { return y >= 3 && y < 6 && x < 10 ? RGB(10 + x, 20, 30) : kKey; };
  WindowDc screen(nullptr);
  for (auto [w, h, shape] : {std::tuple{64, 48, disc}, {33, 17, scatter}, {10, 10, allKey}, {10, 10, nearKey}}) {
    SCOPED_TRACE(::testing::Message() << "device bitmap " << w << "x" << h);
    UniqueBitmap device(CreateCompatibleBitmap(screen.get(), w, h));
    ExpectRegionOfKeptPixels(device.get(), w, h, shape);
  }
  // DIB sections of either row order and depth (23 pixels: rows padded differently in
  // the section and in the bitmap's copy of them).
  for (const int depth : {32, 24}) {
    for (const int sign : {1, -1}) {
      for (const Shape& shape : {corner, band}) {
        SCOPED_TRACE(::testing::Message() << depth << " bits, height sign " << sign);
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 23, sign * 17, 1, static_cast<WORD>(depth), BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        UniqueBitmap section(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
        ExpectRegionOfKeptPixels(section.get(), 23, 17, shape);
      }
    }
  }
}

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PagefileUsage;  // what Wine counts as committed private memory
}

TEST(RegionBuffer, ALargeBitmapsPixelCopyIsFreedAfterTheBuild) {
  // A device bitmap's pixels are copied out to be read: 48 MB for 4000 x 3000.
  WindowDc screen(nullptr);
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4000, 3000));
  ASSERT_TRUE(bitmap);
  {
    // Painted first, so that the bitmap's own memory is counted before the build.
    MemoryDc dc(screen.get());
    SelectGuard select(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, 4000, 3000, WHITENESS);
  }
  const SIZE_T before = CommittedBytes();
  ASSERT_TRUE(BuildRegionFromBitmap(bitmap.get(), kKey));
  EXPECT_LT(CommittedBytes(), before + (16u << 20)) << "before " << before << ", after " << CommittedBytes();
}

}  // namespace
}  // namespace win32
