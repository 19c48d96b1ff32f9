// Figures region_speedup_1080 and region_speedup_skin: building a window region from
// a skin the naive way (one GetPixel per pixel, one CombineRgn per run) against the
// project's builder, in one run. The regions must be equal (EqualRgn), else the
// figure is 0.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/median.h"
#include "win32/app_folder.h"
#include "win32/com_apartment.h"
#include "win32/handles.h"
#include "win32/picture.h"
#include "win32/region_builder.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

win32::UniqueRegion NaiveRegion(HBITMAP bitmap, int w, int h) {
  win32::MemoryDc dc(nullptr);
  win32::SelectGuard select(dc.get(), bitmap);
  win32::UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
  for (int y = 0; y < h; ++y) {
    int x = 0;
    while (x < w) {
      while (x < w && GetPixel(dc.get(), x, y) == kKey) ++x;
      const int left = x;
      while (x < w && GetPixel(dc.get(), x, y) != kKey) ++x;
      if (x > left) {
        win32::UniqueRegion run(CreateRectRgn(left, y, x, y + 1));
        CombineRgn(all.get(), all.get(), run.get(), RGN_OR);
      }
    }
  }
  return all;
}

// A 1920 x 1080 skin with a complex outline: a wavy blob with round holes and a
// ragged edge, so that most rows hold several runs.
win32::UniqueBitmap ComplexSkin(int w, int h) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  win32::UniqueBitmap bitmap(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double u = (x - w / 2.0) / (w / 2.0), v = (y - h / 2.0) / (h / 2.0);
      const double r = std::sqrt(u * u + v * v);
      const double edge = 0.85 + 0.08 * std::sin(std::atan2(v, u) * 9) + 0.01 * ((x * 7 + y * 3) % 5);
      bool keep = r < edge;
      const int cx = (x / 160) * 160 + 80, cy = (y / 120) * 120 + 60;
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < 30 * 30) keep = false;
      pixels[static_cast<std::size_t>(y) * w + x] = keep ? 0x00204080u + (x & 0x3F) : 0x00FF00FFu;
    }
  }
  GdiFlush();
  return bitmap;
}

using discfront::bench::Median;

// In rounds, each a naive build and then the builder's: a load that comes and goes on
// the machine weighs on both alike, and the figure is the medians' ratio. The naive
// build of a large skin takes seconds, so that one is measured in one round.
void Measure(const char* figure, HBITMAP bitmap, int rounds) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  std::vector<double> fast, slow;
  win32::UniqueRegion built, naive;
  bool equal = true;
  for (int round = 0; round < rounds; ++round) {
    double t0 = Now();
    naive = NaiveRegion(bitmap, info.bmWidth, info.bmHeight);
    slow.push_back(Now() - t0);
    for (int i = 0; i < 5; ++i) {
      t0 = Now();
      built = win32::BuildRegionFromBitmap(bitmap, kKey);
      fast.push_back(Now() - t0);
    }
    equal = equal && built && naive && EqualRgn(built.get(), naive.get());
  }
  const double fastMedian = Median(fast), slowMedian = Median(slow);
  std::fprintf(stderr, "%s: %dx%d naive %.3f s, builder %.6f s (medians of %d and %d; builder's first %.6f s), equal %d\n",
               figure, static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight), slowMedian, fastMedian,
               static_cast<int>(slow.size()), static_cast<int>(fast.size()), fast.front(), equal ? 1 : 0);
  std::printf("figure: %s = %.1f x\n", figure, equal && fastMedian > 0 ? slowMedian / fastMedian : 0.0);
}

}  // namespace

int main() {
  const win32::ComApartment com;
  {
    // The first device context of a process loads the display driver; a program has
    // done that long before it builds a region, so it is not counted here.
    win32::MemoryDc warm(nullptr);
    GetPixel(warm.get(), 0, 0);
  }
  win32::UniqueBitmap skin = ComplexSkin(1920, 1080);
  Measure("region_speedup_1080", skin.get(), 1);
  const std::wstring back = win32::ApplicationFolder() + L"\\back.bmp";
  try {
    win32::PictureRef picture = win32::LoadPictureFile(back);
    if (HBITMAP bitmap = win32::BitmapOf(*picture)) Measure("region_speedup_skin", bitmap, 15);
  } catch (...) {
    std::fprintf(stderr, "region_speedup_skin: the sample disc's back.bmp is not there; no figure\n");
  }
  std::fflush(stdout);
  return 0;
}
